// The two text rules of the start-up: integers stored as text, and the command line.
#include <gtest/gtest.h>

#include "conversion/CommandLine.h"
#include "conversion/IntegerText.h"

// clang-format off
namespace {

TEST(IntegerText, ReadsWhatFitsAndRefusesTheRest) {
  const std::pair<const char*, int32_t> good[] = {
      {"0", 0},       {"273", 273},        {"-4", -4},         {"+8", 8},
      {"  12", 12},   {"\t5", 5},          {"007", 7},         {"$10", 16},
      {"$ff", 255},   {"0x1F", 31},        {"0X10", 16},       {"-$10", -16},
      {"-0x10", -16}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},           {"-$80000000", INT32_MIN}};
  for (const auto& [text, expected] : good) {
    int32_t value = -99;
    EXPECT_TRUE(ReadIntegerText(text, value)) << text;
    EXPECT_EQ(expected, value) << text;
  }
  const char* bad[] = {"",   " ",  "abc", "12 ", "1a",         "--1",         "+-1",
                       "$",  "0x", "-",   "$g",  "2147483648", "-2147483649", "$80000000",
                       "$FFFFFFFF", "1.5", "0x-1", "99999999999999999999"};
  for (const char* text : bad) {
    int32_t value = -99;
    EXPECT_FALSE(ReadIntegerText(text, value)) << text;
    EXPECT_EQ(-99, value) << text;
  }
}

TEST(CommandLine, QuotesGroupAndBlanksSplit) {
  using Args = std::vector<std::string>;
  EXPECT_EQ((Args{"zepplay.exe", "-s", "C:\\a b\\x.zep"}),
            SplitCommandLine("zepplay.exe -s \"C:\\a b\\x.zep\""));
  EXPECT_EQ((Args{"C:\\Program Files\\zepplay.exe", "-s"}),
            SplitCommandLine("\"C:\\Program Files\\zepplay.exe\"\t-s  "));
  // Every byte up to the space is a blank; trail bytes of double-byte characters are not.
  EXPECT_EQ((Args{"a", "b", "\x95\x5C\x8E\xA6"}), SplitCommandLine("a\x01" "b\r\n\x95\x5C\x8E\xA6"));
  EXPECT_EQ((Args{"ab cd"}), SplitCommandLine("a\"b c\"d"));
  EXPECT_EQ((Args{"open end"}), SplitCommandLine("\"open end"));
  // Empty quotes in front of an argument count as blanks.
  EXPECT_EQ((Args{"p", "-s", "x.zep"}), SplitCommandLine("p \"\" -s \"\"x.zep"));
  EXPECT_EQ(Args{}, SplitCommandLine("   "));
}

}  // namespace
// clang-format on
