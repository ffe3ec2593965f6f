#include "conversion/IntegerText.h"

#include "conversion/CommandLine.h"

namespace {
int DigitValue(char c, int base) {
  int digit = -1;
  if (c >= '0' && c <= '9')
    digit = c - '0';
  else if (c >= 'a' && c <= 'f')
    digit = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    digit = c - 'A' + 10;
  return digit < base ? digit : -1;
}
}  // namespace

bool ReadIntegerText(const std::string& text, int32_t& value) {
  size_t p = 0;
  while (p < text.size() && IsBlank(text[p])) ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  int base = 10;
  if (text.compare(p, 1, "$") == 0) {
    base = 16;
    p += 1;
  } else if (text.compare(p, 2, "0x") == 0 || text.compare(p, 2, "0X") == 0) {
    base = 16;
    p += 2;
  }
  if (p >= text.size()) return false;
  // The magnitude may reach 2^31 only for a negative number.
  const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
  int64_t magnitude = 0;
  for (; p < text.size(); ++p) {
    int digit = DigitValue(text[p], base);
    if (digit < 0) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}
