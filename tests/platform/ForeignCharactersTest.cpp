#include "platform/ForeignCharacters.h"

#include <gtest/gtest.h>

// Escapes come back as their code units between the bytes around them; a mark without
// its four digits is an ordinary byte.
TEST(ForeignCharacters, EscapesComeBackBetweenTheBytesAroundThem) {
  const std::vector<TextRun> runs = TextRuns("\x95\\" + EscapedUnits(u"\u00E4\U0002000B") + ".exe");
  ASSERT_EQ(3u, runs.size());
  EXPECT_EQ(u"\u00E4\U0002000B", runs[1].Units);
  EXPECT_EQ("\x95\\.exe", runs[0].Bytes + runs[2].Bytes);
  const std::string plain = std::string("\x01") + "12G4\x01" + "123";
  EXPECT_FALSE(HoldsForeignCharacters(plain));
  EXPECT_EQ(plain, TextRuns(plain).at(0).Bytes);
}
