#include "wizard/ErrorReportText.h"

#include <gtest/gtest.h>

TEST(ErrorReportText, PeriodAfterALastByteThatSortsAfterThePeriod) {
  // "ファイル C:\x.exe を作成できません": ends in a double-byte character.
  const std::string createError =
      "\x83\x74\x83\x40\x83\x43\x83\x8B C:\\x.exe \x82\xF0\x8D\xEC\x90\xAC"
      "\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";
  EXPECT_EQ(ErrorReportText(createError), createError + ".");
  EXPECT_EQ(ErrorReportText("I/O error 5"), "I/O error 5.");
  EXPECT_EQ(ErrorReportText("Blowfish: Key not set"), "Blowfish: Key not set.");
  EXPECT_EQ(ErrorReportText("a/"), "a/.");  // "/" is 2F, after "."
}

TEST(ErrorReportText, NoPeriodAfterAPeriodOrALowerByte) {
  EXPECT_EQ(ErrorReportText("I/O error (5)"), "I/O error (5)");
  EXPECT_EQ(ErrorReportText("Done."), "Done.");
  EXPECT_EQ(ErrorReportText("Stop!"), "Stop!");
  EXPECT_EQ(ErrorReportText("a-"), "a-");  // "-" is 2D, before "."
  EXPECT_EQ(ErrorReportText(""), "");
}
