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

// A short line keeps its bytes and is completed with blanks up to column 71, so that its
// options stand in their columns and a second rewrite changes nothing.
TEST(HeaderLine, ShortLinesAreCompletedUpToTheOptionColumns) {
  for (size_t length : {0u, 1u, 15u, 56u, 57u, 58u, 69u, 70u, 71u, 72u, 100u}) {
    SCOPED_TRACE(length);
    const std::string header = FreshHeader().substr(0, length);
    const std::string rewritten = RewriteHeader(header, kWorkedExample);
    std::string expected = header + std::string(length < 71 ? 71 - length : 0, ' ');
    expected[0] = '1';
    expected[56] = '-';
    expected[69] = '1';
    expected[70] = '0';
    EXPECT_EQ(Hex(expected), Hex(rewritten));
    EXPECT_EQ(Hex(rewritten), Hex(RewriteHeader(rewritten, kWorkedExample)));
    EXPECT_TRUE(kWorkedExample == OptionsInHeader(rewritten));
  }
}

TEST(HeaderLine, ClampedSubstringNeverFails) {
  EXPECT_EQ(ClampedSubstring("abc", 2, 5), "bc");
  EXPECT_EQ(ClampedSubstring("abc", 4, 1), "");
  EXPECT_EQ(ClampedSubstring("abc", 1, -3), "");
  EXPECT_EQ(ClampedSubstring("", 1, 1), "");
}
