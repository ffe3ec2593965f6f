#include "tests/cipher/CipherTestSupport.h"

#include <cstring>

std::string FromHex(const std::string& hex) {
  std::string bytes;
  std::string digits;
  for (char c : hex) {
    if (c == ' ') continue;
    digits += c;
    if (digits.size() == 2) {
      bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
      digits.clear();
    }
  }
  return bytes;
}

std::string FoldedIV(const std::string& phrase) {
  std::string iv(8, '\0');
  for (size_t k = 0; k < phrase.size(); ++k) iv[k % 8] ^= phrase[k];
  return iv;
}

std::string Encipher(BlowfishEncoder& encoder, CipherMode mode, std::string& iv, std::string plain) {
  auto* data = reinterpret_cast<uint8_t*>(&plain[0]);
  auto* reg = reinterpret_cast<uint8_t*>(&iv[0]);
  for (size_t offset = 0; offset < plain.size(); offset += 8) {
    uint8_t* block = data + offset;
    if (mode == ECB) {
      encoder.EncipherBlock(block);
      continue;
    }
    if (mode == CBC) {
      for (int i = 0; i < 8; ++i) block[i] ^= reg[i];
      encoder.EncipherBlock(block);
      std::memcpy(reg, block, 8);
      continue;
    }
    encoder.EncipherBlock(reg);  // CFB and OFB: the key stream is the enciphered register
    for (int i = 0; i < 8; ++i) block[i] ^= reg[i];
    if (mode == CFB) std::memcpy(reg, block, 8);
  }
  return plain;
}

std::string EncodeTextForm(const std::string& data) {
  static const char kAlphabet[] = "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  std::string text;
  uint32_t bits = 0;
  int held = 0;
  for (unsigned char byte : data) {
    bits = bits << 8 | byte;
    held += 8;
    while (held >= 6) {
      held -= 6;
      text += kAlphabet[(bits >> held) & 63];
    }
  }
  if (held > 0) text += kAlphabet[(bits << (6 - held)) & 63];
  return text;
}
