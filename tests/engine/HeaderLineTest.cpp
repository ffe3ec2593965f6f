#include <gtest/gtest.h>

#include "common/Exception.h"
#include "engine/HeaderLine.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

namespace {
const ExecutableOptions kAllOn{Visibility::ShowNothing, true, true, true};
// Tray icon, play on start, stay after the end, exit on the control key.
const ExecutableOptions kWorkedExample{Visibility::TrayIcon, true, false, true};
}  // namespace

TEST(HeaderLine, WorkedExampleChangesOnlyTheOptionColumns) {
  std::string expected = FreshHeader();
  expected[0] = '1';
  expected[56] = '-';
  expected[69] = '1';
  expected[70] = '0';
  EXPECT_EQ(Hex(RewriteHeader(FreshHeader(), kWorkedExample)), Hex(expected));

  std::string allOn = FreshHeader();
  allOn[0] = '1';
  allOn[69] = '1';
  allOn[70] = '1';
  EXPECT_EQ(Hex(RewriteHeader(FreshHeader(), kAllOn)), Hex(allOn));
}

TEST(HeaderLine, EachOptionOwnsOneColumn) {
  const std::string base = RewriteHeader(FreshHeader(), kAllOn);
  using Change = void (*)(ExecutableOptions&);
  const struct {
    Change TurnOff;
    size_t column;
    char off;
  } cases[] = {{[](ExecutableOptions& o) { o.Shown = Visibility::TrayIcon; }, 57, '-'},
               {[](ExecutableOptions& o) { o.Shown = Visibility::Unchosen; }, 57, '-'},
               {[](ExecutableOptions& o) { o.PlayOnStart = false; }, 70, '0'},
               {[](ExecutableOptions& o) { o.ExitAtEnd = false; }, 71, '0'},
               {[](ExecutableOptions& o) { o.ExitOnControlKey = false; }, 1, 'Z'}};
  for (const auto& c : cases) {
    ExecutableOptions options = kAllOn;
    c.TurnOff(options);
    std::string expected = base;
    expected[c.column - 1] = c.off;
    EXPECT_EQ(Hex(RewriteHeader(base, options)), Hex(expected)) << "column " << c.column;
  }
}

TEST(HeaderLine, ShortLinesKeepTheirBytesAndGainTheOptions) {
  const std::string fifteen = FreshHeader().substr(0, 15);
  EXPECT_EQ(Hex(RewriteHeader(fifteen, kAllOn)), Hex("1" + fifteen.substr(1) + ")11"));
  EXPECT_EQ(RewriteHeader(RewriteHeader(fifteen, kAllOn), kAllOn).size(), 21u);

  const std::string header71 = FreshHeader().substr(0, 71);
  EXPECT_EQ(RewriteHeader(header71, kAllOn).size(), 71u);
  const std::string header72 = FreshHeader().substr(0, 71) + "#";
  EXPECT_EQ(RewriteHeader(header72, kAllOn).substr(71), "#");

  // 4 + min(55, L - 1) + min(12, max(0, L - 57)) + max(0, L - 71)
  for (size_t length : {0u, 1u, 2u, 56u, 57u, 58u, 69u, 70u, 100u}) {
    std::string header = FreshHeader().substr(0, length);
    size_t l = length;
    size_t expected = 4 + std::min<size_t>(55, l ? l - 1 : 0) + std::min<size_t>(12, l > 57 ? l - 57 : 0) +
                      (l > 71 ? l - 71 : 0);
    EXPECT_EQ(RewriteHeader(header, kAllOn).size(), expected) << "length " << length;
  }
}

TEST(HeaderLine, ClampedSubstringNeverFails) {
  EXPECT_EQ(ClampedSubstring("abc", 2, 5), "bc");
  EXPECT_EQ(ClampedSubstring("abc", 4, 1), "");
  EXPECT_EQ(ClampedSubstring("abc", 1, -3), "");
  EXPECT_EQ(ClampedSubstring("", 1, 1), "");
}
