#include "tests/cipher/CipherTestSupport.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

void TBlowfishProbe::PutBlock(const std::string& bytes) {
  ASSERT_EQ(bytes.size(), 8u);
  std::memcpy(FCore.FBlock, bytes.data(), 8);
}

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

std::string Encipher(TBlowfishEncoder& encoder, TCipherMode mode, std::string& iv,
                     std::string plain) {
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
  static const char kAlphabet[] =
      "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
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

std::string RandomBytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

ScratchFolder::ScratchFolder() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  // A random part keeps runs of the same test in other build folders apart.
  fs::path path = fs::temp_directory_path() /
                  (std::string("zep_cipher_") + test->test_suite_name() + "_" + test->name() +
                   "_" + std::to_string(std::random_device()()));
  fs::create_directories(path);
  FPath = path.string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(FPath, ignored);
}

std::string ScratchFolder::Path(const std::string& name) const {
  return (fs::path(FPath) / name).string();
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) { return fs::exists(path); }
