#include <windows.h>

#include "platform/Utf16Text.h"

namespace {
constexpr UINT kCp932 = 932;
}  // namespace

std::u16string Utf16FromCp932(const std::string& text) {
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(kCp932, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(kCp932, 0, text.data(), length, &wide[0], size);
  return std::u16string(wide.begin(), wide.end());
}

std::string Cp932FromUtf16(const std::u16string& text) {
  const std::wstring wide(text.begin(), text.end());
  const int length = static_cast<int>(wide.size());
  const int size =
      WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, "?", nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), length, &bytes[0], size, "?", nullptr);
  return bytes;
}
