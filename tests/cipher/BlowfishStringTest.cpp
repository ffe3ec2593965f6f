// DecipherString: the text form, the padding rule for strings and malformed input.
#include "tests/cipher/CipherTestSupport.h"

using namespace std::string_literals;

namespace {
const char kTooShort[] = "Blowfish: Input not valid - too short";
const char kNotWholeBlocks[] = "Blowfish: Input not valid - length is not a multiple of 8";
const char kInvalidCharacter[] = "Blowfish: Error converting from Base64 - invalid character";

class BlowfishString : public ::testing::Test {
 protected:
  void SetUp() override {
    encoder_.SetKey("string key");
    blowfish_.SetKey("string key");
  }

  // The plaintext bytes enciphered in ECB, without padding of its own.
  std::string EncipherBlocks(const std::string& plain) {
    std::string iv(8, '\0');
    return Encipher(encoder_, ECB, iv, plain);
  }
  std::string Decrypt(const std::string& input) {
    std::string output = "stale";
    blowfish_.DecipherString(input, output);
    return output;
  }

  BlowfishEncoder encoder_;
  Blowfish blowfish_;
};
}  // namespace

TEST_F(BlowfishString, TextFormDecoding) {
  // Each text deciphers as the bytes it stands for: four characters carry three bytes,
  // most significant bit first, and the bits of an incomplete last byte are dropped.
  struct Case {
    const char* text;
    const char* bytesHex;
  };
  const Case cases[] = {
      // Every character's value in order.
      {"+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
       "00 10 83 10 51 87 20 92 8B 30 D3 8F 41 14 93 51 55 97 61 96 9B 71 D7 9F "
       "82 18 A3 92 59 A7 A2 9A AB B2 DB AF C3 1C B3 D3 5D B7 E3 9E BB F3 DF BF"},
      // A last group of three characters carries two bytes, of two characters one.
      {"SeedColumnz", "7A AA A9 3B 4C 7A CB 3F"},
      {"TwoBellsAtTheHarbor+-z", "7F CD 0D AB 1C 78 33 97 ED A9 39 B7 9F 4D C0 07"},
      // A lone last character carries none.
      {"FormFormFormFormFormFormFormFormz",
       "47 4D F2 47 4D F2 47 4D F2 47 4D F2 47 4D F2 47 4D F2 47 4D F2 47 4D F2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    blowfish_.SetStringForm(RawBytes);
    const std::string expected = Decrypt(FromHex(c.bytesHex));
    blowfish_.SetStringForm(TextForm);
    EXPECT_EQ(Hex(Decrypt(c.text)), Hex(expected));
  }
  std::string output = "stale";
  for (const char* bad : {"=", "abc=", "ab/c", "a b", "\x82\xA0", "Form=Form=Form"}) {
    SCOPED_TRACE(bad);
    ExpectError<EConvertError>([&] { blowfish_.DecipherString(bad, output); }, kInvalidCharacter);
    EXPECT_EQ(output, "");
  }
}

TEST_F(BlowfishString, ShortOrBrokenInputIsRejectedWithEmptyOutput) {
  EXPECT_EQ(Decrypt(""), "");
  std::string output = "stale";
  ExpectError<EInputError>([&] { blowfish_.DecipherString("Form", output); }, kTooShort);
  EXPECT_EQ(output, "");
  ExpectError<EInputError>([&] { blowfish_.DecipherString("abc", output); }, kTooShort);
  ExpectError<EInputError>([&] { blowfish_.DecipherString(EncodeTextForm(std::string(12, 'x')), output); },
                           kNotWholeBlocks);
  blowfish_.SetStringForm(RawBytes);
  ExpectError<EInputError>([&] { blowfish_.DecipherString("seven!!", output); }, kTooShort);
  ExpectError<EInputError>([&] { blowfish_.DecipherString(std::string(17, 'x'), output); }, kNotWholeBlocks);
}

TEST_F(BlowfishString, PaddingRule) {
  blowfish_.SetStringForm(RawBytes);
  const std::string text = "sixteen bytes ..";
  for (int last : {1, 5, 8}) {
    SCOPED_TRACE(last);
    std::string plain = text.substr(0, 15) + static_cast<char>(last);
    EXPECT_EQ(Hex(Decrypt(EncipherBlocks(plain))), Hex(plain.substr(0, 16 - last)));
  }
  // A count of 0 or above 8 is no padding; the last byte alone goes.
  for (int last : {0, 9, 16, 255}) {
    SCOPED_TRACE(last);
    std::string plain = text.substr(0, 15) + static_cast<char>(last);
    EXPECT_EQ(Hex(Decrypt(EncipherBlocks(plain))), Hex(text.substr(0, 15)));
  }
  EXPECT_EQ(Decrypt(EncipherBlocks(std::string(8, '\x08'))), "");
}

TEST_F(BlowfishString, OutputMayBeTheInputString) {
  const std::string payload = "ファイルの末尾\x00\xFF"s;
  const std::string cipher = EncipherBlocks(WithPadding(payload));
  for (StringMode form : {TextForm, RawBytes}) {
    SCOPED_TRACE("form " + std::to_string(form));
    blowfish_.SetStringForm(form);
    std::string same = form == TextForm ? EncodeTextForm(cipher) : cipher;
    blowfish_.DecipherString(same, same);
    EXPECT_EQ(Hex(same), Hex(payload));
  }
}
