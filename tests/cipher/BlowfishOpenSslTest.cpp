// Differential tests against OpenSSL's Blowfish on random keys, IVs and data.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <random>

#include "tests/cipher/CipherTestSupport.h"

namespace {
// Enciphers plain (whole blocks) with OpenSSL; iv is the 8-byte register.
std::string OpenSslEncipher(const std::string& key, CipherMode mode, std::string iv,
                            const std::string& plain) {
  BF_KEY schedule;
  BF_set_key(&schedule, static_cast<int>(key.size()), reinterpret_cast<const uint8_t*>(key.data()));
  std::string out(plain.size(), '\0');
  const auto* in = reinterpret_cast<const uint8_t*>(plain.data());
  auto* result = reinterpret_cast<uint8_t*>(&out[0]);
  auto* reg = reinterpret_cast<uint8_t*>(&iv[0]);
  int offset = 0;
  switch (mode) {
    case ECB:
      for (size_t i = 0; i < plain.size(); i += 8) BF_ecb_encrypt(in + i, result + i, &schedule, BF_ENCRYPT);
      break;
    case CBC:
      BF_cbc_encrypt(in, result, static_cast<long>(plain.size()), &schedule, reg, BF_ENCRYPT);
      break;
    case CFB:
      BF_cfb64_encrypt(in, result, static_cast<long>(plain.size()), &schedule, reg, &offset, BF_ENCRYPT);
      break;
    case OFB:
      BF_ofb64_encrypt(in, result, static_cast<long>(plain.size()), &schedule, reg, &offset);
      break;
  }
  return out;
}

class BlowfishOpenSsl : public ::testing::Test {
 protected:
  std::mt19937 random_{20261208};
  std::string RandomString(size_t count) { return RandomBytes(count, random_()); }
};
}  // namespace

TEST_F(BlowfishOpenSsl, EveryKeyLengthAndModeWithFoldedIVs) {
  for (size_t keyLength = 1; keyLength <= 56; ++keyLength) {
    const std::string key = RandomString(keyLength);
    for (CipherMode mode : {ECB, CBC, CFB, OFB}) {
      for (size_t ivLength : {0u, 8u, 13u}) {
        SCOPED_TRACE("key length " + std::to_string(keyLength) + " mode " + std::to_string(mode) +
                     " IV length " + std::to_string(ivLength));
        const std::string ivPhrase = RandomString(ivLength);
        Blowfish blowfish;
        blowfish.SetIV(ivPhrase);
        blowfish.SetKey(key);
        blowfish.SetMode(mode);
        blowfish.SetStringForm(RawBytes);
        const std::string payload = RandomString(random_() % 100);
        std::string output;
        blowfish.DecipherString(OpenSslEncipher(key, mode, FoldedIV(ivPhrase), WithPadding(payload)), output);
        ASSERT_EQ(Hex(output), Hex(payload));
      }
    }
  }
}

TEST_F(BlowfishOpenSsl, FilesOfSeveralSizes) {
  TempFolder folder;
  for (CipherMode mode : {ECB, CBC, CFB, OFB}) {
    for (size_t size : {8u, 4096u, 4104u, 5u * 1024 * 1024 + 24}) {
      SCOPED_TRACE("mode " + std::to_string(mode) + " size " + std::to_string(size));
      const std::string key = RandomString(1 + random_() % 56);
      const std::string ivPhrase = RandomString(10);
      Blowfish blowfish;
      blowfish.SetIV(ivPhrase);
      blowfish.SetKey(key);
      blowfish.SetMode(mode);
      const std::string plain = WithPadding(RandomString(size - 1 - random_() % 8));
      ASSERT_EQ(plain.size(), size);
      WriteBytes((folder / "in"), OpenSslEncipher(key, mode, FoldedIV(ivPhrase), plain));
      blowfish.DecipherFile((folder / "in"), (folder / "out"));
      EXPECT_TRUE(ReadBytes((folder / "out")) == plain.substr(0, size - plain.back()));
    }
  }
}
