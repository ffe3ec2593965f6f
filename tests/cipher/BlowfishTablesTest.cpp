// The starting tables against pi computed here, the published ECB vectors and the key
// schedule's use of the key bytes.
#include <vector>

#include "tests/cipher/CipherTestSupport.h"

namespace {
// Fixed-point numbers: word 0 is the integer part, then 32-bit fraction words, most
// significant first.
using Fixed = std::vector<uint32_t>;

void Divide(Fixed& value, uint32_t divisor) {
  uint64_t remainder = 0;
  for (uint32_t& word : value) {
    uint64_t current = remainder << 32 | word;
    word = static_cast<uint32_t>(current / divisor);
    remainder = current % divisor;
  }
}

void AddOrSubtract(Fixed& value, const Fixed& other, bool subtract) {
  int64_t carry = 0;
  for (size_t i = value.size(); i-- > 0;) {
    int64_t sum = int64_t{value[i]} + (subtract ? -int64_t{other[i]} : int64_t{other[i]}) + carry;
    value[i] = static_cast<uint32_t>(sum);
    carry = sum >> 32;
  }
}

bool IsZero(const Fixed& value) {
  for (uint32_t word : value)
    if (word != 0) return false;
  return true;
}

// factor * arctan(1/x) by its series, with words fraction words.
Fixed ScaledArctanInverse(uint32_t factor, uint32_t x, size_t words) {
  Fixed power(words + 1, 0);
  power[0] = factor;
  Divide(power, x);
  Fixed sum = power;
  for (uint32_t k = 1; !IsZero(power); ++k) {
    Divide(power, x * x);
    Fixed term = power;
    Divide(term, 2 * k + 1);
    AddOrSubtract(sum, term, k % 2 == 1);
  }
  return sum;
}

// The fractional hexadecimal digits of pi as 32-bit words (Machin's formula
// pi = 16 arctan(1/5) - 4 arctan(1/239)), two guard words beyond those returned.
std::vector<uint32_t> PiFractionWords(size_t count) {
  Fixed pi = ScaledArctanInverse(16, 5, count + 2);
  AddOrSubtract(pi, ScaledArctanInverse(4, 239, count + 2), true);
  EXPECT_EQ(pi[0], 3u);
  return std::vector<uint32_t>(pi.begin() + 1, pi.begin() + 1 + static_cast<ptrdiff_t>(count));
}

struct Vector {
  const char* key;
  const char* plain;
  const char* cipher;
};

// The published Blowfish ECB test vectors (8-byte keys).
const Vector kPublishedVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};
}  // namespace

TEST(BlowfishTables, AreTheFractionalHexDigitsOfPi) {
  std::vector<uint32_t> pi = PiFractionWords(kBlowfishPWords + kBlowfishSBoxes * kBlowfishSBoxWords);
  for (size_t i = 0; i < kBlowfishPWords; ++i) EXPECT_EQ(kBlowfishInitialP[i], pi[i]) << "P[" << i << "]";
  for (size_t box = 0; box < kBlowfishSBoxes; ++box)
    for (size_t i = 0; i < kBlowfishSBoxWords; ++i)
      EXPECT_EQ(kBlowfishInitialS[box][i], pi[kBlowfishPWords + box * kBlowfishSBoxWords + i])
          << "S-box " << box + 1 << " [" << i << "]";
}

TEST(BlowfishTables, PublishedVectorsBothWays) {
  // Forward through the encoder's block; backward through DecipherString, the vector's
  // block followed by an enciphered block of padding.
  ASSERT_EQ(std::size(kPublishedVectors), 34u);
  for (size_t row = 0; row < std::size(kPublishedVectors); ++row) {
    const Vector& vector = kPublishedVectors[row];
    SCOPED_TRACE("vector row " + std::to_string(row) + " key " + vector.key);
    BlowfishEncoder encoder;
    encoder.SetKey(FromHex(vector.key));
    std::string block = FromHex(vector.plain);
    encoder.EncipherBlock(reinterpret_cast<uint8_t*>(&block[0]));
    EXPECT_EQ(Hex(block), Hex(FromHex(vector.cipher)));

    Blowfish blowfish;
    blowfish.SetKey(FromHex(vector.key));
    blowfish.SetStringForm(RawBytes);
    std::string output;
    blowfish.DecipherString(FromHex(vector.cipher) + encoder.EncipherPaddedECB(""), output);
    EXPECT_EQ(Hex(output), Hex(FromHex(vector.plain)));
  }
}

TEST(BlowfishTables, KeyBytesAreUsedCyclicallyAcrossWords) {
  // The schedule reads the key as an endless cycle, each word continuing where the
  // last stopped, so a key and the same key repeated give the same tables: what one
  // enciphers, the other deciphers.
  const std::string payload = RandomBytes(100, 5);
  auto decipheredUnder = [&](const std::string& enciphering, const std::string& deciphering) {
    BlowfishEncoder encoder;
    encoder.SetKey(enciphering);
    Blowfish blowfish;
    blowfish.SetKey(deciphering);
    blowfish.SetStringForm(RawBytes);
    std::string output;
    blowfish.DecipherString(encoder.EncipherPaddedECB(payload), output);
    return Hex(output);
  };
  EXPECT_EQ(decipheredUnder("\xE7", std::string(56, '\xE7')), Hex(payload));
  const std::string five("\x01\x82\x03\x84\xF5");
  EXPECT_EQ(decipheredUnder(five, five + five), Hex(payload));
  EXPECT_NE(decipheredUnder(five, five + "\x01"), Hex(payload));
}
