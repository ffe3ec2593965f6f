#include <gtest/gtest.h>

#include <cstdio>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/Conversion.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

namespace {
class SettingsFileLoad : public ::testing::Test {
 protected:
  // Loads bytes from a file and checks them, as the wizard does on leaving page 0.
  bool LoadAndValidate(const std::string& bytes) {
    WriteBytes(Path, bytes);
    return Load(Path) == SettingsCheck::Accepted;
  }
  SettingsCheck Load(const std::string& path) { return LoadSettings(Settings, Warnings, path); }

  TempFolder Folder;
  std::string Path = Folder / "macro.zep";
  WarningRecorder Warnings;
  SettingsFile Settings;
};

const std::vector<std::string> kFiveBodyLines = {"a", "b", "c", "d", "e"};
}  // namespace

TEST_F(SettingsFileLoad, NeedsSixLines) {
  EXPECT_FALSE(LoadAndValidate(SettingsFileBytes({"a", "b", "c", "d"})));
  EXPECT_EQ(Settings.Lines.Count(), 5);
  EXPECT_TRUE(LoadAndValidate(SettingsFileBytes(kFiveBodyLines)));
  EXPECT_EQ(Settings.Lines.Count(), 6);
  EXPECT_EQ(Warnings.Warnings, std::vector<std::string>{Texts::kSettingsFileWrongFormat});
}

TEST_F(SettingsFileLoad, AnyTerminatorGivesTheSameLines) {
  for (const char* terminator : {"\r\n", "\n", "\r"}) {
    ASSERT_TRUE(LoadAndValidate(SettingsFileBytes(kFiveBodyLines, terminator))) << terminator;
    EXPECT_EQ(Settings.Lines.Count(), 6);
    EXPECT_EQ(Settings.Lines.Get(0), FreshHeader());
    EXPECT_EQ(Settings.Lines.Get(5), "e");
  }
  std::string unterminated = SettingsFileBytes(kFiveBodyLines);
  unterminated.resize(unterminated.size() - 2);
  EXPECT_TRUE(LoadAndValidate(unterminated));
  EXPECT_EQ(Settings.Lines.Count(), 6);
  EXPECT_TRUE(LoadAndValidate(SettingsFileBytes({"a", "b", "c", "d"}) + "\r\n"));
  EXPECT_EQ(Settings.Lines.Count(), 6);
  EXPECT_EQ(Settings.Lines.Get(5), "");
}

TEST_F(SettingsFileLoad, NulCutsTheFile) {
  std::string bytes = SettingsFileBytes({"a", "b", std::string("c\0c", 3), "d", "e"});
  EXPECT_FALSE(LoadAndValidate(bytes));
  ASSERT_EQ(Settings.Lines.Count(), 4);
  EXPECT_EQ(Settings.Lines.Get(3), "c");
  EXPECT_FALSE(LoadAndValidate(""));
  EXPECT_EQ(Settings.Lines.Count(), 0);
  EXPECT_FALSE(LoadAndValidate(std::string(1, '\0') + SettingsFileBytes(kFiveBodyLines)));
  EXPECT_EQ(Settings.Lines.Count(), 0);
}

TEST_F(SettingsFileLoad, MarkerIsComparedByteForByte) {
  std::string header = FreshHeader();
  std::string body;
  for (const std::string& line : kFiveBodyLines) body += line + "\r\n";

  header[0] = '1';  // byte 1 is an option column, not part of the marker
  EXPECT_TRUE(LoadAndValidate(header + "\r\n" + body));
  EXPECT_TRUE(LoadAndValidate(header.substr(0, 15) + "\r\n" + body));
  EXPECT_FALSE(LoadAndValidate(header.substr(0, 14) + "\r\n" + body));
  std::string upper = header;
  upper[1] = 'E';
  EXPECT_FALSE(LoadAndValidate(upper + "\r\n" + body));
  std::string katakana = header;
  katakana[14] = '\xC1';
  EXPECT_FALSE(LoadAndValidate(katakana + "\r\n" + body));
  EXPECT_FALSE(LoadAndValidate("x\r\n" + FreshHeader() + "\r\n" + body));
}

TEST_F(SettingsFileLoad, MissingFileOrFolderShowsTheWarning) {
  EXPECT_EQ(SettingsCheck::Missing, Load(Folder / "none.zep"));
  ASSERT_TRUE(MakeFolder(Folder / "folder.zep"));
  EXPECT_EQ(SettingsCheck::Missing, Load(Folder / "folder.zep"));
  EXPECT_EQ(Warnings.Warnings, std::vector<std::string>(2, Texts::kSettingsFileMissing));
}

TEST_F(SettingsFileLoad, SourceFolderFollowsTheLastSuccessfulLoad) {
  ASSERT_TRUE(LoadAndValidate(SettingsFileBytes(kFiveBodyLines)));
  const std::string folder = Settings.Folder;
  EXPECT_EQ(SettingsCheck::Missing, Load(Folder / "none.zep"));
  EXPECT_EQ(Settings.Folder, folder);
  EXPECT_FALSE(Settings.Accepted);
  EXPECT_EQ(Settings.Lines.Count(), 0);
}

TEST_F(SettingsFileLoad, LongLinesAreKeptWhole) {
  const std::string longLine(100000, '\x88');
  ASSERT_TRUE(LoadAndValidate(SettingsFileBytes({"a", longLine, "c", "d", "e"})));
  EXPECT_EQ(Settings.Lines.Get(2), longLine);
  EXPECT_EQ(Settings.Lines.Get(3), "c");
}

// No executable can hold a settings file of 4 GB: it is refused before it is read.
TEST_F(SettingsFileLoad, FileTooLargeForAnExecutableIsRefused) {
  WriteSparseFile(Path, uint64_t{1} << 32);
  try {
    Load(Path);
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kSettingsFileTooLarge, Path)));
  }
}
