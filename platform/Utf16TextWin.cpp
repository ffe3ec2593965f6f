#include "platform/Utf16Text.h"
#include "platform/WideText.h"

namespace {
constexpr UINT kCp932 = 932;
}  // namespace

std::u16string Utf16FromCp932(const std::string& text) {
  const std::wstring wide = Widen(text, kCp932);
  return std::u16string(wide.begin(), wide.end());
}

std::string Cp932FromUtf16(const std::u16string& text) {
  bool lost = false;  // asking for it makes a character cp932 lacks "?"
  return Narrow(std::wstring(text.begin(), text.end()), kCp932, &lost);
}
