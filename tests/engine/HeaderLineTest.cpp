#include <gtest/gtest.h>

#include "common/Exception.h"
#include "engine/ConversionEngine.h"
#include "engine/HeaderLine.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

namespace {
const HeaderOptions kAllOn{true, true, true, true};
// Tray icon, play on start, stay after the end, exit on the control key.
const HeaderOptions kWorkedExample{false, true, false, true};

class AttachmentFile : public ::testing::Test {
 protected:
  AttachmentFile() { Engine.SetWorkFolder(Work.Path()); }

  std::string Convert(const std::string& settings, const HeaderOptions& options) {
    WriteBytes(Source / "macro.zep", settings);
    EXPECT_TRUE(Engine.LoadSettingsFile(Source / "macro.zep"));
    Engine.RewriteHeaderLine(options);
    return ReadBytes(Work / "Attach.zep");
  }

  TempFolder Source, Work;
  WarningRecorder Warnings;
  ConversionEngine Engine{Warnings};
};
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
  const struct {
    bool HeaderOptions::*option;
    size_t column;
    char off;
  } cases[] = {{&HeaderOptions::ShowNothing, 57, '-'},
               {&HeaderOptions::PlayOnStart, 70, '0'},
               {&HeaderOptions::ExitAtEnd, 71, '0'},
               {&HeaderOptions::ExitOnControlKey, 1, 'Z'}};
  for (const auto& c : cases) {
    HeaderOptions options = kAllOn;
    options.*c.option = false;
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

TEST_F(AttachmentFile, IsTheLineListWithCrLfAfterEveryLine) {
  const std::vector<std::string> body(5, std::string(10, 'x'));
  std::string attachment = Convert(SettingsFileBytes(body), kAllOn);
  EXPECT_EQ(attachment.size(), 242u);
  EXPECT_EQ(Hex(attachment),
            Hex(RewriteHeader(FreshHeader(), kAllOn) + "\r\n" + SettingsFileBytes(body).substr(182)));

  std::string lfOnly = Convert(SettingsFileBytes({"a", "", "c", "d", "e"}, "\n"), kAllOn);
  EXPECT_EQ(Hex(lfOnly), Hex(RewriteHeader(FreshHeader(), kAllOn) + "\r\na\r\n\r\nc\r\nd\r\ne\r\n"));
}

TEST_F(AttachmentFile, SecondRewriteOfALongHeaderChangesNothing) {
  std::string first = Convert(SettingsFileBytes({"a", "b", "c", "d", "e"}), kWorkedExample);
  Engine.RewriteHeaderLine(kWorkedExample);
  EXPECT_EQ(Hex(ReadBytes(Work / "Attach.zep")), Hex(first));
}

TEST_F(AttachmentFile, EmptyLineListIsAnIndexError) {
  EXPECT_THROW(Engine.RewriteHeaderLine(kAllOn), EListError);
  EXPECT_FALSE(PathExists(Work / "Attach.zep"));
}

TEST_F(AttachmentFile, UnwritableWorkFolderIsACreationError) {
  WriteBytes(Source / "macro.zep", SettingsFileBytes({"a", "b", "c", "d", "e"}));
  ASSERT_TRUE(Engine.LoadSettingsFile(Source / "macro.zep"));
  Engine.SetWorkFolder(Work / "missing" + kPathSeparator);
  try {
    Engine.RewriteHeaderLine(kAllOn);
    FAIL() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(error.Message()),
              Hex("\x83t\x83@\x83"
                  "C\x83\x8B " +
                  Work.Path() + "missing" + kPathSeparator +
                  "Attach.zep \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1"));
  }
  // The line list has been rewritten all the same.
  EXPECT_EQ(Engine.Lines().Get(0), RewriteHeader(FreshHeader(), kAllOn));
}
