// Key and IV set-up and the state they leave: no key, keyed, keyed with IV.
#include "tests/cipher/CipherTestSupport.h"

namespace {
const char kKeyLength[] = "Blowfish: Key must be between 1 and 56 bytes";
const char kKeyNotSet[] = "Blowfish: Key not set";
const char kIVNotSet[] = "Blowfish: IV not set";

// One enciphered block of "8 bytes!" plus a block of padding, under key "key".
std::string SampleCipherText(CipherMode mode, const std::string& ivPhrase) {
  BlowfishProbe encoder;
  encoder.SetKey("key");
  encoder.SetIV(ivPhrase);
  std::string iv = encoder.IV();
  return Encipher(encoder, mode, iv, WithPadding("8 bytes!"));
}
}  // namespace

TEST(BlowfishKey, NewInstanceHasNoKeyAndDefaults) {
  BlowfishProbe blowfish;
  EXPECT_EQ(blowfish.Mode(), ECB);
  EXPECT_EQ(blowfish.StringForm(), TextForm);
  EXPECT_FALSE(blowfish.keySet_);
  EXPECT_FALSE(blowfish.ivSet_);
  EXPECT_EQ(blowfish.IV(), std::string(8, '\0'));
  std::string output;
  ExpectError<EKeyError>([&] { blowfish.DecipherString("anything", output); }, kKeyNotSet);
}

TEST(BlowfishKey, LengthLimitsKeepThePreviousState) {
  BlowfishProbe blowfish;
  blowfish.SetKey(std::string(56, '\xFF'));
  EXPECT_TRUE(blowfish.keySet_);
  blowfish.SetMode(ECB);
  blowfish.SetStringForm(RawBytes);
  std::string before;
  blowfish.DecipherString(FromHex("0011223344556677"), before);

  ExpectError<EKeyError>([&] { blowfish.SetKey(std::string(57, 'k')); }, kKeyLength);
  ExpectError<EKeyError>([&] { blowfish.SetKey(""); }, kKeyLength);
  EXPECT_TRUE(blowfish.keySet_);
  std::string after;
  blowfish.DecipherString(FromHex("0011223344556677"), after);
  EXPECT_EQ(after, before);

  BlowfishProbe unkeyed;
  ExpectError<EKeyError>([&] { unkeyed.SetKey(std::string(57, 'k')); }, kKeyLength);
  EXPECT_FALSE(unkeyed.keySet_);
}

TEST(BlowfishKey, IVPhraseFoldsIntoEightBytes) {
  BlowfishProbe blowfish;
  blowfish.SetIV("");
  EXPECT_TRUE(blowfish.ivSet_);
  EXPECT_EQ(blowfish.IV(), std::string(8, '\0'));
  blowfish.SetIV("abc");
  EXPECT_EQ(blowfish.IV(), std::string("abc\0\0\0\0\0", 8));
  blowfish.SetIV("\x01\x02\x03\x04\x05\x06\x07\x08\xF0\x0F");
  EXPECT_EQ(blowfish.IV(), FromHex("F1 0D 03 04 05 06 07 08"));
  blowfish.SetIV(std::string(17, '\x81'));  // three passes over position 0
  EXPECT_EQ(blowfish.IV(), FromHex("81 00 00 00 00 00 00 00"));
  EXPECT_FALSE(blowfish.keySet_);
}

TEST(BlowfishKey, KeyAndIVMayComeInEitherOrder) {
  std::string cipherText = SampleCipherText(CBC, "Seed Column");
  BlowfishProbe ivFirst;
  ivFirst.SetIV("Seed Column");
  ivFirst.SetKey("key");
  BlowfishProbe keyFirst;
  keyFirst.SetKey("key");
  keyFirst.SetIV("Seed Column");
  EXPECT_EQ(ivFirst.IV(), keyFirst.IV());
  for (BlowfishProbe* blowfish : {&ivFirst, &keyFirst}) {
    blowfish->SetMode(CBC);
    blowfish->SetStringForm(RawBytes);
    std::string output;
    blowfish->DecipherString(cipherText, output);
    EXPECT_EQ(output, "8 bytes!");
  }
}

TEST(BlowfishKey, ClearKeyForgetsKeyAndIV) {
  BlowfishProbe blowfish;
  blowfish.SetIV("register");
  blowfish.SetKey("key");
  blowfish.SetMode(CBC);
  blowfish.ClearKey();
  EXPECT_FALSE(blowfish.keySet_);
  EXPECT_FALSE(blowfish.ivSet_);
  EXPECT_EQ(blowfish.IV(), "register");  // the bytes stay; only the flag is cleared
  EXPECT_EQ(blowfish.Block(), std::string(8, '\0'));
  std::string output;
  ExpectError<EKeyError>([&] { blowfish.DecipherString("", output); }, kKeyNotSet);
  ExpectError<EKeyError>([&] { blowfish.DecipherFile("no-input", "no-output"); }, kKeyNotSet);
  blowfish.SetMode(ECB);
  ExpectError<EKeyError>([&] { blowfish.DecipherBuffer(8); }, kKeyNotSet);

  blowfish.SetKey("key");
  blowfish.SetMode(CBC);
  ExpectError<EKeyError>([&] { blowfish.DecipherString("", output); }, kIVNotSet);
}

TEST(BlowfishKey, ChainingModesNeedAnIVButECBDoesNot) {
  BlowfishProbe blowfish;
  blowfish.SetKey("key");
  blowfish.SetStringForm(RawBytes);
  std::string output;
  for (CipherMode mode : {CBC, CFB, OFB}) {
    blowfish.SetMode(mode);
    ExpectError<EKeyError>([&] { blowfish.DecipherString(SampleCipherText(mode, ""), output); },
                           kIVNotSet);
    ExpectError<EKeyError>([&] { blowfish.DecipherFile("no-input", "no-output"); }, kIVNotSet);
    EXPECT_FALSE(PathExists("no-output"));
  }
  blowfish.SetMode(ECB);
  blowfish.DecipherString(SampleCipherText(ECB, ""), output);
  EXPECT_EQ(output, "8 bytes!");
}
