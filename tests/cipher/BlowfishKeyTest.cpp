// Key and IV set-up and the state they leave: no key, keyed, keyed with IV.
#include "tests/cipher/CipherTestSupport.h"

namespace {
const char kKeyLength[] = "Blowfish: Key must be between 1 and 56 bytes";
const char kKeyNotSet[] = "Blowfish: Key not set";
const char kIVNotSet[] = "Blowfish: IV not set";

// One enciphered block of "8 bytes!" plus a block of padding, under key "key".
std::string SampleCipherText(TCipherMode mode, const std::string& ivPhrase) {
  TBlowfishProbe encoder;
  encoder.SetKey("key");
  encoder.SetIV(ivPhrase);
  std::string iv = encoder.IV();
  return Encipher(encoder, mode, iv, WithPadding("8 bytes!"));
}
}  // namespace

TEST(BlowfishKey, NewInstanceHasNoKeyAndDefaults) {
  TBlowfishProbe blowfish;
  EXPECT_EQ(blowfish.CipherMode(), ECB);
  EXPECT_EQ(blowfish.StringMode(), smEncode);
  EXPECT_FALSE(blowfish.FKeySet);
  EXPECT_FALSE(blowfish.FIVSet);
  EXPECT_EQ(blowfish.IV(), std::string(8, '\0'));
  std::string output;
  ExpectError<EKeyError>([&] { blowfish.DecryptString("anything", output); }, kKeyNotSet);
}

TEST(BlowfishKey, LengthLimitsKeepThePreviousState) {
  TBlowfishProbe blowfish;
  blowfish.SetKey(std::string(56, '\xFF'));
  EXPECT_TRUE(blowfish.FKeySet);
  blowfish.SetCipherMode(ECB);
  blowfish.SetStringMode(smNormal);
  std::string before;
  blowfish.DecryptString(FromHex("0011223344556677"), before);

  ExpectError<EKeyError>([&] { blowfish.SetKey(std::string(57, 'k')); }, kKeyLength);
  ExpectError<EKeyError>([&] { blowfish.SetKey(""); }, kKeyLength);
  EXPECT_TRUE(blowfish.FKeySet);
  std::string after;
  blowfish.DecryptString(FromHex("0011223344556677"), after);
  EXPECT_EQ(after, before);

  TBlowfishProbe unkeyed;
  ExpectError<EKeyError>([&] { unkeyed.SetKey(std::string(57, 'k')); }, kKeyLength);
  EXPECT_FALSE(unkeyed.FKeySet);
}

TEST(BlowfishKey, IVPhraseFoldsIntoEightBytes) {
  TBlowfishProbe blowfish;
  blowfish.SetIV("");
  EXPECT_TRUE(blowfish.FIVSet);
  EXPECT_EQ(blowfish.IV(), std::string(8, '\0'));
  blowfish.SetIV("abc");
  EXPECT_EQ(blowfish.IV(), std::string("abc\0\0\0\0\0", 8));
  blowfish.SetIV("\x01\x02\x03\x04\x05\x06\x07\x08\xF0\x0F");
  EXPECT_EQ(blowfish.IV(), FromHex("F1 0D 03 04 05 06 07 08"));
  blowfish.SetIV(std::string(17, '\x81'));  // three passes over position 0
  EXPECT_EQ(blowfish.IV(), FromHex("81 00 00 00 00 00 00 00"));
  EXPECT_FALSE(blowfish.FKeySet);
}

TEST(BlowfishKey, KeyAndIVMayComeInEitherOrder) {
  std::string cipherText = SampleCipherText(CBC, "Seed Column");
  TBlowfishProbe ivFirst;
  ivFirst.SetIV("Seed Column");
  ivFirst.SetKey("key");
  TBlowfishProbe keyFirst;
  keyFirst.SetKey("key");
  keyFirst.SetIV("Seed Column");
  EXPECT_EQ(ivFirst.IV(), keyFirst.IV());
  for (TBlowfishProbe* blowfish : {&ivFirst, &keyFirst}) {
    blowfish->SetCipherMode(CBC);
    blowfish->SetStringMode(smNormal);
    std::string output;
    blowfish->DecryptString(cipherText, output);
    EXPECT_EQ(output, "8 bytes!");
  }
}

TEST(BlowfishKey, ClearKeyForgetsKeyAndIV) {
  TBlowfishProbe blowfish;
  blowfish.SetIV("register");
  blowfish.SetKey("key");
  blowfish.SetCipherMode(CBC);
  blowfish.ClearKey();
  EXPECT_FALSE(blowfish.FKeySet);
  EXPECT_FALSE(blowfish.FIVSet);
  EXPECT_EQ(blowfish.IV(), "register");  // the bytes stay; only the flag is cleared
  EXPECT_EQ(blowfish.Block(), std::string(8, '\0'));
  std::string output;
  ExpectError<EKeyError>([&] { blowfish.DecryptString("", output); }, kKeyNotSet);
  ExpectError<EKeyError>([&] { blowfish.DecryptFile("no-input", "no-output"); }, kKeyNotSet);
  blowfish.SetCipherMode(ECB);
  ExpectError<EKeyError>([&] { blowfish.DecryptBuffer(8); }, kKeyNotSet);

  blowfish.SetKey("key");
  blowfish.SetCipherMode(CBC);
  ExpectError<EKeyError>([&] { blowfish.DecryptString("", output); }, kIVNotSet);
}

TEST(BlowfishKey, ChainingModesNeedAnIVButECBDoesNot) {
  TBlowfishProbe blowfish;
  blowfish.SetKey("key");
  blowfish.SetStringMode(smNormal);
  std::string output;
  for (TCipherMode mode : {CBC, CFB, OFB}) {
    blowfish.SetCipherMode(mode);
    ExpectError<EKeyError>([&] { blowfish.DecryptString(SampleCipherText(mode, ""), output); },
                           kIVNotSet);
    ExpectError<EKeyError>([&] { blowfish.DecryptFile("no-input", "no-output"); }, kIVNotSet);
    EXPECT_FALSE(PathExists("no-output"));
  }
  blowfish.SetCipherMode(ECB);
  blowfish.DecryptString(SampleCipherText(ECB, ""), output);
  EXPECT_EQ(output, "8 bytes!");
}
