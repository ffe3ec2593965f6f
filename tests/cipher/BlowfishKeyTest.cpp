// Key and IV set-up, each seen through the next decipher call: the defaults, the key's
// length limits, the folding of the IV phrase, their order and what a missing key or IV
// makes of deciphering.
#include <new>

#include "tests/cipher/CipherTestSupport.h"

namespace {
const char kKeyLength[] = "Blowfish: Key must be between 1 and 56 bytes";
const char kKeyNotSet[] = "Blowfish: Key not set";
const char kIVNotSet[] = "Blowfish: IV not set";

// "8 bytes!" and a block of padding, enciphered under key from the register iv.
std::string SampleCipherText(CipherMode mode, const std::string& key = "key",
                             std::string iv = std::string(8, '\0')) {
  BlowfishEncoder encoder;
  encoder.SetKey(key);
  return Encipher(encoder, mode, iv, WithPadding("8 bytes!"));
}

std::string DecipherRaw(Blowfish& blowfish, const std::string& input) {
  blowfish.SetStringForm(RawBytes);
  std::string output;
  blowfish.DecipherString(input, output);
  return output;
}
}  // namespace

TEST(BlowfishKey, NewInstanceNeedsAKeyThenDeciphersECBTextForm) {
  Blowfish blowfish;
  std::string output;
  ExpectError<EKeyError>([&] { blowfish.DecipherString("anything", output); }, kKeyNotSet);
  blowfish.SetKey("key");  // ECB needs no IV
  blowfish.DecipherString(EncodeTextForm(SampleCipherText(ECB)), output);
  EXPECT_EQ(Hex(output), Hex("8 bytes!"));
}

TEST(BlowfishKey, LengthLimitsKeepThePreviousState) {
  const std::string key(56, '\xFF');
  const std::string cipherText = SampleCipherText(ECB, key);
  Blowfish blowfish;
  blowfish.SetKey(key);
  EXPECT_EQ(Hex(DecipherRaw(blowfish, cipherText)), Hex("8 bytes!"));
  ExpectError<EKeyError>([&] { blowfish.SetKey(std::string(57, 'k')); }, kKeyLength);
  ExpectError<EKeyError>([&] { blowfish.SetKey(""); }, kKeyLength);
  EXPECT_EQ(Hex(DecipherRaw(blowfish, cipherText)), Hex("8 bytes!"));

  Blowfish unkeyed;
  ExpectError<EKeyError>([&] { unkeyed.SetKey(std::string(57, 'k')); }, kKeyLength);
  ExpectError<EKeyError>([&] { DecipherRaw(unkeyed, cipherText); }, kKeyNotSet);
}

TEST(BlowfishKey, IVPhraseFoldsIntoEightBytes) {
  struct Case {
    const char* phrase;
    size_t length;
    const char* registerHex;
  };
  const Case cases[] = {
      {"", 0, "00 00 00 00 00 00 00 00"},
      {"abc", 3, "61 62 63 00 00 00 00 00"},
      {"\x01\x02\x03\x04\x05\x06\x07\x08\xF0\x0F", 10, "F1 0D 03 04 05 06 07 08"},
      {"\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81\x81", 17,
       "81 00 00 00 00 00 00 00"},  // three passes over byte 0
  };
  Blowfish blowfish;
  blowfish.SetMode(CBC);
  blowfish.SetIV("an IV alone");
  ExpectError<EKeyError>([&] { DecipherRaw(blowfish, SampleCipherText(CBC)); }, kKeyNotSet);
  blowfish.SetKey("key");
  // One instance throughout: each SetIV replaces the register the last call chained on.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.registerHex);
    blowfish.SetIV(std::string(c.phrase, c.length));
    EXPECT_EQ(Hex(DecipherRaw(blowfish, SampleCipherText(CBC, "key", FromHex(c.registerHex)))),
              Hex("8 bytes!"));
  }
}

TEST(BlowfishKey, KeyAndIVMayComeInEitherOrder) {
  const std::string cipherText = SampleCipherText(CBC, "key", FoldedIV("Seed Column"));
  Blowfish ivFirst;
  ivFirst.SetIV("Seed Column");
  ivFirst.SetKey("key");
  Blowfish keyFirst;
  keyFirst.SetKey("key");
  keyFirst.SetIV("Seed Column");
  for (Blowfish* blowfish : {&ivFirst, &keyFirst}) {
    blowfish->SetMode(CBC);
    EXPECT_EQ(Hex(DecipherRaw(*blowfish, cipherText)), Hex("8 bytes!"));
  }
}

TEST(BlowfishKey, ClearKeyForgetsKeyAndIV) {
  Blowfish blowfish;
  blowfish.SetIV("register");
  blowfish.SetKey("key");
  blowfish.ClearKey();
  std::string output;
  for (CipherMode mode : {ECB, CBC}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    blowfish.SetMode(mode);
    ExpectError<EKeyError>([&] { blowfish.DecipherString("", output); }, kKeyNotSet);
    ExpectError<EKeyError>([&] { blowfish.DecipherFile("no-input", "no-output"); }, kKeyNotSet);
  }
  blowfish.SetKey("key");
  ExpectError<EKeyError>([&] { blowfish.DecipherString("", output); }, kIVNotSet);
  blowfish.SetIV("register");
  EXPECT_EQ(Hex(DecipherRaw(blowfish, SampleCipherText(CBC, "key", "register"))), Hex("8 bytes!"));
}

// However it ends, no key schedule and no deciphered byte stay in the memory the object
// held: only its mode settings may be left there.
TEST(BlowfishKey, DestructionWipesTheKeyAndTheBuffer) {
  alignas(Blowfish) unsigned char memory[sizeof(Blowfish)];
  auto* blowfish = new (memory) Blowfish;
  blowfish->SetIV("register");
  blowfish->SetKey("key");
  EXPECT_EQ(Hex(DecipherRaw(*blowfish, SampleCipherText(ECB))), Hex("8 bytes!"));
  blowfish->~Blowfish();
  size_t nonZero = 0;
  for (unsigned char byte : memory) nonZero += byte != 0;
  EXPECT_LE(nonZero, 4u);
}

TEST(BlowfishKey, ChainingModesNeedAnIV) {
  Blowfish blowfish;
  blowfish.SetKey("key");
  for (CipherMode mode : {CBC, CFB, OFB}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    blowfish.SetMode(mode);
    ExpectError<EKeyError>([&] { DecipherRaw(blowfish, SampleCipherText(mode)); }, kIVNotSet);
    ExpectError<EKeyError>([&] { blowfish.DecipherFile("no-input", "no-output"); }, kIVNotSet);
    EXPECT_FALSE(PathExists("no-output"));
  }
}
