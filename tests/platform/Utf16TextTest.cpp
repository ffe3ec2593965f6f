// Text between cp932 and UTF-16, both ways, for the characters where code pages and
// their converters differ, and for what cp932 lacks.
#include <gtest/gtest.h>

#include "platform/Utf16Text.h"

TEST(Utf16Text, Cp932AndUtf16BothWays) {
  const struct {
    std::string Cp932;
    std::u16string Utf16;
  } pairs[] = {
      {"A\x5C~", u"A\\~"},                    // the backslash is no yen sign
      {"\x82\xA0\xB1", u"\u3042\uFF71"},      // hiragana and half-width katakana
      {"\x81\x60\x87\x40", u"\uFF5E\u2460"},  // the full-width tilde, a circled 1
  };
  for (const auto& pair : pairs) {
    EXPECT_EQ(Utf16FromCp932(pair.Cp932), pair.Utf16);
    EXPECT_EQ(Cp932FromUtf16(pair.Utf16), pair.Cp932);
  }
  EXPECT_EQ(Cp932FromUtf16(u"\u00E9!\u20AC"), "?!?");
}
