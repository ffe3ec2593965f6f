// DecipherString: the text form, the padding rule for strings and malformed input.
#include "tests/cipher/CipherTestSupport.h"

using namespace std::string_literals;

namespace {
const char kTooShort[] = "Blowfish: Input not valid - too short";
const char kNotWholeBlocks[] = "Blowfish: Input not valid - length is not a multiple of 8";
const char kInvalidCharacter[] = "Blowfish: Error converting from Base64 - invalid character";

class BlowfishString : public ::testing::Test {
 protected:
  void SetUp() override { blowfish_.SetKey("string key"); }

  // The plaintext bytes enciphered in ECB, without padding of its own.
  std::string EncipherBlocks(const std::string& plain) {
    std::string iv(8, '\0');
    return Encipher(blowfish_, ECB, iv, plain);
  }
  std::string Decrypt(const std::string& input) {
    std::string output = "stale";
    blowfish_.DecipherString(input, output);
    return output;
  }

  BlowfishProbe blowfish_;
};
}  // namespace

TEST_F(BlowfishString, TextFormDecoding) {
  EXPECT_EQ(BlowfishProbe::DecodeTextForm(""), "");
  EXPECT_EQ(BlowfishProbe::DecodeTextForm("Form"), FromHex("47 4D F2"));
  EXPECT_EQ(BlowfishProbe::DecodeTextForm("abc"), FromHex("9A 7A"));
  EXPECT_EQ(BlowfishProbe::DecodeTextForm("z"), "");  // a lone character carries no byte
  EXPECT_EQ(BlowfishProbe::DecodeTextForm("+-09AZaz"), FromHex("00 10 8B 32 59 BF"));
  for (const char* bad : {"=", "abc=", "ab/c", "a b", "\x82\xA0"}) {
    SCOPED_TRACE(bad);
    ExpectError<EConvertError>([&] { BlowfishProbe::DecodeTextForm(bad); }, kInvalidCharacter);
  }
  const std::string bytes = RandomBytes(61, 3);
  EXPECT_EQ(BlowfishProbe::DecodeTextForm(EncodeTextForm(bytes)), bytes);
}

TEST_F(BlowfishString, ShortOrBrokenInputIsRejectedWithEmptyOutput) {
  EXPECT_EQ(Decrypt(""), "");
  std::string output = "stale";
  ExpectError<EInputError>([&] { blowfish_.DecipherString("Form", output); }, kTooShort);
  EXPECT_EQ(output, "");
  ExpectError<EInputError>([&] { blowfish_.DecipherString("abc", output); }, kTooShort);
  output = "stale";
  ExpectError<EConvertError>([&] { blowfish_.DecipherString("Form=Form=Form", output); },
                             kInvalidCharacter);
  EXPECT_EQ(output, "");
  ExpectError<EInputError>(
      [&] { blowfish_.DecipherString(EncodeTextForm(std::string(12, 'x')), output); },
      kNotWholeBlocks);
  blowfish_.SetStringForm(RawBytes);
  ExpectError<EInputError>([&] { blowfish_.DecipherString("seven!!", output); }, kTooShort);
  ExpectError<EInputError>([&] { blowfish_.DecipherString(std::string(17, 'x'), output); },
                           kNotWholeBlocks);
}

TEST_F(BlowfishString, PaddingRule) {
  blowfish_.SetStringForm(RawBytes);
  const std::string text = "sixteen bytes ..";
  for (int last : {1, 5, 8}) {
    SCOPED_TRACE(last);
    std::string plain = text.substr(0, 15) + static_cast<char>(last);
    EXPECT_EQ(Decrypt(EncipherBlocks(plain)), plain.substr(0, 16 - last));
  }
  // A count of 0 or above 8 is no padding; the last byte alone goes.
  for (int last : {0, 9, 16, 255}) {
    SCOPED_TRACE(last);
    std::string plain = text.substr(0, 15) + static_cast<char>(last);
    EXPECT_EQ(Decrypt(EncipherBlocks(plain)), text.substr(0, 15));
  }
  EXPECT_EQ(Decrypt(EncipherBlocks(std::string(8, '\x08'))), "");
}

TEST_F(BlowfishString, TextFormAndRawBytesGiveTheSamePayload) {
  const std::string payload = "ファイルの末尾\x00\xFF"s;
  const std::string cipher = EncipherBlocks(WithPadding(payload));
  EXPECT_EQ(Decrypt(EncodeTextForm(cipher)), payload);
  blowfish_.SetStringForm(RawBytes);
  EXPECT_EQ(Decrypt(cipher), payload);
  std::string same = cipher;  // output and input may be one string
  blowfish_.DecipherString(same, same);
  EXPECT_EQ(same, payload);
}
