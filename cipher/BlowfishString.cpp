// Blowfish::DecipherString and the 64-character text form it accepts.
#include "cipher/Blowfish.h"
#include "common/Texts.h"

namespace {
// The value of one character of the text form ("+", "-", "0"-"9", "A"-"Z",
// "a"-"z" in this order), or -1 for any other character.
int TextFormValue(char c) {
  if (c == '+') return 0;
  if (c == '-') return 1;
  if (c >= '0' && c <= '9') return 2 + (c - '0');
  if (c >= 'A' && c <= 'Z') return 12 + (c - 'A');
  if (c >= 'a' && c <= 'z') return 38 + (c - 'a');
  return -1;
}
}  // namespace

std::string Blowfish::DecodeTextForm(const std::string& text) {
  // Four characters carry three bytes, most significant bit first; the bits of an
  // incomplete last byte are dropped.
  std::string bytes;
  bytes.reserve(text.size() * 3 / 4);
  unsigned pending = 0;
  for (size_t k = 0; k < text.size(); ++k) {
    int value = TextFormValue(text[k]);
    if (value < 0) throw EConvertError(Texts::kBlowfishInvalidBase64);
    unsigned v = static_cast<unsigned>(value);
    switch (k % 4) {
      case 0:
        pending = (v << 2) & 0xFF;
        break;
      case 1:
        bytes += static_cast<char>(pending | v >> 4);
        pending = (v << 4) & 0xFF;
        break;
      case 2:
        bytes += static_cast<char>(pending | v >> 2);
        pending = (v << 6) & 0xFF;
        break;
      case 3:
        bytes += static_cast<char>(pending | v);
        pending = 0;
        break;
    }
  }
  return bytes;
}

void Blowfish::DecipherString(const std::string& input, std::string& output) {
  CheckKeyAndIV();
  std::string text = input;  // taken first: output may be the input string itself
  output.clear();
  if (text.empty()) return;
  if (stringMode_ == TextForm) text = DecodeTextForm(text);
  if (text.size() < kBlowfishBlockSize) throw EInputError(Texts::kBlowfishInputTooShort);
  if (text.size() % kBlowfishBlockSize != 0) throw EInputError(Texts::kBlowfishInputNotWholeBlocks);
  DecipherBlocks(reinterpret_cast<uint8_t*>(&text[0]), text.size());
  // Well-formed data ends in 1 to 8 padding bytes; any other count removes one byte.
  size_t padding = static_cast<uint8_t>(text.back());
  if (padding < 1 || padding > kBlowfishBlockSize) padding = 1;
  text.resize(text.size() - padding);
  output = std::move(text);
}
