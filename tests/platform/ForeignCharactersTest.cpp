#include "platform/ForeignCharacters.h"

#include <gtest/gtest.h>

// A name's escapes come back as the code units they stand for, between the bytes around
// them; a mark without its four digits is an ordinary byte.
TEST(ForeignCharacters, EscapesComeBackBetweenTheBytesAroundThem) {
  const std::string name = "\x95\\" + EscapedUnits(u"\u00E4\U0002000B") + ".exe";
  ASSERT_TRUE(HoldsForeignCharacters(name));
  const std::vector<TextRun> runs = TextRuns(name);
  ASSERT_EQ(3u, runs.size());
  EXPECT_EQ("\x95\\", runs[0].Bytes);
  EXPECT_EQ(u"\u00E4\U0002000B", runs[1].Units);
  EXPECT_EQ(".exe", runs[2].Bytes);
  for (const std::string& plain : {std::string("a\x01"
                                               "12"),
                                   std::string("a\x01"
                                               "12G4"),
                                   std::string("\x01")}) {
    EXPECT_FALSE(HoldsForeignCharacters(plain));
    ASSERT_EQ(1u, TextRuns(plain).size());
    EXPECT_EQ(plain, TextRuns(plain)[0].Bytes);
  }
}
