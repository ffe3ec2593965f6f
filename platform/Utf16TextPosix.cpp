#include <iconv.h>

#include <cerrno>

#include "platform/Utf16Text.h"

namespace {
// Converts bytes from one iconv encoding to another, a unit of unitSize bytes at a time:
// an input unit that cannot be converted, or is cut off at the end, becomes the output
// encoding's "?" (question) and is skipped.
std::string Convert(const char* to, const char* from, const std::string& input, size_t unitSize,
                    const std::string& question) {
  const iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string output;
  char buffer[1024];
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    output.append(buffer, static_cast<size_t>(out - buffer));
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      output += question;
      const size_t skipped = inLeft < unitSize ? inLeft : unitSize;
      in += skipped;
      inLeft -= skipped;
    }
  }
  iconv_close(converter);
  return output;
}
}  // namespace

std::u16string Utf16FromCp932(const std::string& text) {
  const std::string bytes = Convert("UTF-16LE", "CP932", text, 1, std::string("?\0", 2));
  std::u16string utf16(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < utf16.size(); ++i)
    utf16[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  return utf16;
}

std::string Cp932FromUtf16(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return Convert("CP932", "UTF-16LE", bytes, 2, "?");
}
