#include "platform/ForeignCharacters.h"

namespace {
constexpr char kEscapeMark = '\x01';
constexpr size_t kDigits = 4;
constexpr char kHexDigits[] = "0123456789ABCDEF";

int DigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return -1;
}

// The code unit of the escape at text[at], or -1 when none begins there.
long UnitAt(const std::string& text, size_t at) {
  if (text[at] != kEscapeMark || text.size() - at <= kDigits) return -1;
  long unit = 0;
  for (size_t i = 1; i <= kDigits; ++i) {
    const int value = DigitValue(text[at + i]);
    if (value < 0) return -1;
    unit = unit * 16 + value;
  }
  return unit;
}
}  // namespace

std::string EscapedUnits(const std::u16string& units) {
  std::string escaped;
  for (const char16_t unit : units) {
    escaped += kEscapeMark;
    for (int shift = 12; shift >= 0; shift -= 4) escaped += kHexDigits[(unit >> shift) & 0xF];
  }
  return escaped;
}

bool HoldsForeignCharacters(const std::string& text) {
  for (size_t at = text.find(kEscapeMark); at != std::string::npos; at = text.find(kEscapeMark, at + 1))
    if (UnitAt(text, at) >= 0) return true;
  return false;
}

std::vector<TextRun> TextRuns(const std::string& text) {
  std::vector<TextRun> runs;
  for (size_t at = 0; at < text.size();) {
    const long unit = UnitAt(text, at);
    const bool foreign = unit >= 0;
    if (runs.empty() || runs.back().Foreign != foreign) runs.push_back({foreign, {}, {}});
    if (foreign) {
      runs.back().Units += static_cast<char16_t>(unit);
      at += 1 + kDigits;
    } else {
      runs.back().Bytes += text[at++];
    }
  }
  return runs;
}
