#include "platform/WideText.h"

std::wstring Widen(const std::string& text, UINT codePage) {
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], size);
  return wide;
}

std::string Narrow(const std::wstring& text, UINT codePage, bool* lost) {
  const int length = static_cast<int>(text.size());
  const DWORD flags = lost ? WC_NO_BEST_FIT_CHARS : 0;
  const char* replacement = lost ? "?" : nullptr;
  BOOL replaced = FALSE;
  BOOL* replacedFlag = lost ? &replaced : nullptr;
  const int size =
      WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, replacement, replacedFlag);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(codePage, flags, text.data(), length, &bytes[0], size, replacement, replacedFlag);
  if (lost) *lost = replaced != FALSE;
  return bytes;
}
