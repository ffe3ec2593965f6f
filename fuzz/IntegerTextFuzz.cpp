// Reads arbitrary bytes as an integer text and compares the outcome with a reference
// reading written here along other lines: the digits are checked with the C library's
// classification and converted by strtoull, and the range is checked afterwards.
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "conversion/IntegerText.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}

bool ReferenceRead(const std::string& text, int64_t& value) {
  size_t p = 0;
  while (p < text.size() && static_cast<unsigned char>(text[p]) <= 0x20) ++p;
  std::string rest = text.substr(p);
  const bool negative = !rest.empty() && rest[0] == '-';
  if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) rest.erase(0, 1);
  int base = 10;
  if (rest.rfind("$", 0) == 0) {
    base = 16;
    rest.erase(0, 1);
  } else if (rest.rfind("0x", 0) == 0 || rest.rfind("0X", 0) == 0) {
    base = 16;
    rest.erase(0, 2);
  }
  if (rest.empty()) return false;
  for (char c : rest) {
    const int byte = static_cast<unsigned char>(c);
    if (!(base == 16 ? std::isxdigit(byte) : std::isdigit(byte))) return false;
  }
  errno = 0;
  const unsigned long long magnitude = std::strtoull(rest.c_str(), nullptr, base);
  if (errno == ERANGE || magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int32_t untouched = 0x5A5A5A5A;
  int32_t value = untouched;
  int64_t expected = 0;
  const bool accepted = ReadIntegerText(text, value);
  Check(accepted == ReferenceRead(text, expected));
  if (accepted)
    Check(value == expected);
  else
    Check(value == untouched);
  return 0;
}
