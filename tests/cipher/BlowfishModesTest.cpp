// The four chaining modes against known cipher texts, the register each leaves for the
// next call, and ECB over every count of blocks.
#include "tests/cipher/CipherTestSupport.h"

namespace {
const char kPayload[] = "Two bells at the harbor, one light on the pier.";  // 47 bytes + 1

struct KnownText {
  CipherMode mode;
  const char* cipherHex;
};

// Enciphered elsewhere under the key phrase "Harbor Lights" and the IV phrase
// "Seed Column" (CFB and OFB over whole 64-bit blocks).
const KnownText kKnownTexts[] = {
    {ECB,
     "5986077DC6D7654D 6FA971654D5C40AC B52B2121960EC82D 5EB4AA14D7223731 "
     "97AD0E83472DE1A8 02BC354796D7D074"},
    {CBC,
     "6BD193567D537D1A 89B38897BEF5ADB8 7AB26B07F7C15B66 CA48B06BD358080D "
     "07557F7DF22FD727 D508A304EB33669C"},
    {CFB,
     "267821787F694462 12C1002B75F76D70 9AF9F099F3E44267 443FAA99D20A1AAD "
     "5216422BDFA76FC6 AD9FF28814DDDCDE"},
    {OFB,
     "267821787F694462 6A665185EE40B5EA C85ACE4C0C4E1815 BEAB5B51B254F409 "
     "A382A864BA364D9E C9BF92D20D502454"},
};

const char kKey[] = "Harbor Lights";
const char kIVPhrase[] = "Seed Column";
}  // namespace

TEST(BlowfishModes, KnownCipherTextsAndTheRegisterTheyLeave) {
  // A second string deciphers as the continuation of the first: CBC and CFB chain on
  // the last cipher block, OFB on the last key stream block. ECB leaves the register
  // as SetIV made it, which a CBC string after it shows.
  BlowfishEncoder encoder;
  encoder.SetKey(kKey);
  const std::string next = WithPadding("and the tide");
  for (const KnownText& known : kKnownTexts) {
    SCOPED_TRACE("mode " + std::to_string(known.mode));
    Blowfish blowfish;
    blowfish.SetIV(kIVPhrase);
    blowfish.SetKey(kKey);
    blowfish.SetMode(known.mode);
    blowfish.SetStringForm(RawBytes);
    std::string output;
    blowfish.DecipherString(FromHex(known.cipherHex), output);
    EXPECT_EQ(Hex(output), Hex(kPayload));

    std::string iv = FoldedIV(kIVPhrase);
    if (known.mode == ECB) {
      blowfish.SetMode(CBC);
      blowfish.DecipherString(Encipher(encoder, CBC, iv, next), output);
    } else {
      const std::string both = Encipher(encoder, known.mode, iv, WithPadding(kPayload) + next);
      blowfish.DecipherString(both.substr(48), output);
    }
    EXPECT_EQ(Hex(output), Hex("and the tide"));
  }
}

TEST(BlowfishModes, ECBDeciphersEveryCountOfBlocks) {
  // Every count of 1 to 20 blocks and some up to 512, so that the blocks deciphered
  // side by side meet every remainder.
  BlowfishEncoder encoder;
  encoder.SetKey(kKey);
  Blowfish blowfish;
  blowfish.SetKey(kKey);
  blowfish.SetStringForm(RawBytes);
  for (size_t blocks = 1; blocks <= 512; blocks += blocks < 20 ? 1 : 123) {
    SCOPED_TRACE("blocks " + std::to_string(blocks));
    const std::string payload = RandomBytes(blocks * 8 - 8, static_cast<uint32_t>(blocks));
    std::string output;
    blowfish.DecipherString(encoder.EncipherPaddedECB(payload), output);
    EXPECT_EQ(Hex(output), Hex(payload));
  }
}
