#include "platform/WideText.h"

#include "platform/ForeignCharacters.h"

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

std::string NarrowKeepingForeign(const std::wstring& text, UINT codePage) {
  bool lost = false;
  std::string bytes = Narrow(text, codePage, &lost);
  if (!lost) return bytes;
  bytes.clear();
  for (size_t i = 0; i < text.size();) {
    // A character outside the first plane is a pair of code units.
    const size_t units = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() ? 2 : 1;
    const std::wstring character = text.substr(i, units);
    const std::string narrowed = Narrow(character, codePage, &lost);
    bytes += lost ? EscapedUnits(std::u16string(character.begin(), character.end())) : narrowed;
    i += units;
  }
  return bytes;
}

std::wstring WidenKeepingForeign(const std::string& text, UINT codePage) {
  std::wstring wide;
  for (const TextRun& run : TextRuns(text))
    wide += run.Foreign ? std::wstring(run.Units.begin(), run.Units.end()) : Widen(run.Bytes, codePage);
  return wide;
}
