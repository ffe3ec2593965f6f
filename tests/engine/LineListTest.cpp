#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Exception.h"
#include "engine/LineList.h"

namespace {
std::vector<std::string> Split(const std::string& data) {
  LineList lines;
  lines.AddText(data.data(), data.size());
  std::vector<std::string> result;
  for (int i = 0; i < lines.Count(); ++i) result.push_back(lines.Get(i));
  return result;
}

using Lines = std::vector<std::string>;
}  // namespace

TEST(LineSplitting, EveryTerminatorEndsOneLine) {
  EXPECT_EQ(Split("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Split("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Split("a\rb\r"), (Lines{"a", "b"}));
  // LF CR is two terminators: the CR ends an empty line.
  EXPECT_EQ(Split("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split("a\r\nlast"), (Lines{"a", "last"}));
  EXPECT_EQ(Split("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(Split("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

TEST(LineSplitting, FirstNulEndsTheData) {
  EXPECT_EQ(Split(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
  EXPECT_EQ(Split(std::string("\0a\r\n", 4)), Lines{});
  EXPECT_EQ(Split(""), Lines{});
}

TEST(LineSplitting, BytesAreKeptAsTheyAre) {
  const std::string sjis = "\x95\x5C\t \x81\x40 ";
  EXPECT_EQ(Split(sjis + "\r\n"), Lines{sjis});
  const std::string longLine(10000, 'x');
  EXPECT_EQ(Split(longLine + "\r\nshort"), (Lines{longLine, "short"}));
}

TEST(LineList, IndexErrorsNameTheIndex) {
  LineList lines;
  try {
    lines.Get(0);
    FAIL() << "no error";
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(),
              "\x83\x8A\x83\x58\x83\x67\x82\xCC\x83\x43\x83\x93\x83\x66\x83\x62\x83\x4E\x83\x58"
              "\x82\xAA\x94\xCD\x88\xCD\x82\xF0\x92\xB4\x82\xA6\x82\xC4\x82\xA2\x82\xDC\x82\xB7"
              " (0)");
  }
  lines.Add("x");
  EXPECT_THROW(lines.Get(1), EListError);
  EXPECT_THROW(lines.Delete(-1), EListError);
  EXPECT_THROW(lines.Insert(2, "y"), EListError);
}

TEST(LineList, TextEndsEveryLineWithCrLf) {
  LineList lines;
  lines.Add("a");
  lines.Add("");
  lines.Add("b");
  EXPECT_EQ(lines.Text(), "a\r\n\r\nb\r\n");
}
