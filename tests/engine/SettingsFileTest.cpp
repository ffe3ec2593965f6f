#include <gtest/gtest.h>

#include <cstdio>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ConversionEngine.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

namespace {
class SettingsFile : public ::testing::Test {
 protected:
  // Loads bytes from a file and validates them, as the wizard does on leaving page 0.
  bool LoadAndValidate(const std::string& bytes) {
    WriteBytes(Path, bytes);
    return Engine.LoadSettingsFile(Path) && Engine.ValidateSettingsFile(Path);
  }

  TempFolder Folder;
  std::string Path = Folder / "macro.zep";
  WarningRecorder Warnings;
  ConversionEngine Engine{Warnings};
};

const std::vector<std::string> kFiveBodyLines = {"a", "b", "c", "d", "e"};
}  // namespace

TEST_F(SettingsFile, NeedsSixLines) {
  EXPECT_FALSE(LoadAndValidate(SettingsFileBytes({"a", "b", "c", "d"})));
  EXPECT_EQ(Engine.Lines().Count(), 5);
  EXPECT_TRUE(LoadAndValidate(SettingsFileBytes(kFiveBodyLines)));
  EXPECT_EQ(Engine.Lines().Count(), 6);
  EXPECT_TRUE(Warnings.Warnings.empty());
}

TEST_F(SettingsFile, AnyTerminatorGivesTheSameLines) {
  for (const char* terminator : {"\r\n", "\n", "\r"}) {
    ASSERT_TRUE(LoadAndValidate(SettingsFileBytes(kFiveBodyLines, terminator))) << terminator;
    EXPECT_EQ(Engine.Lines().Count(), 6);
    EXPECT_EQ(Engine.Lines().Get(0), FreshHeader());
    EXPECT_EQ(Engine.Lines().Get(5), "e");
  }
  std::string unterminated = SettingsFileBytes(kFiveBodyLines);
  unterminated.resize(unterminated.size() - 2);
  EXPECT_TRUE(LoadAndValidate(unterminated));
  EXPECT_EQ(Engine.Lines().Count(), 6);
  EXPECT_TRUE(LoadAndValidate(SettingsFileBytes({"a", "b", "c", "d"}) + "\r\n"));
  EXPECT_EQ(Engine.Lines().Count(), 6);
  EXPECT_EQ(Engine.Lines().Get(5), "");
}

TEST_F(SettingsFile, NulCutsTheFile) {
  std::string bytes = SettingsFileBytes({"a", "b", std::string("c\0c", 3), "d", "e"});
  EXPECT_FALSE(LoadAndValidate(bytes));
  ASSERT_EQ(Engine.Lines().Count(), 4);
  EXPECT_EQ(Engine.Lines().Get(3), "c");
  EXPECT_FALSE(LoadAndValidate(""));
  EXPECT_EQ(Engine.Lines().Count(), 0);
  EXPECT_FALSE(LoadAndValidate(std::string(1, '\0') + SettingsFileBytes(kFiveBodyLines)));
  EXPECT_EQ(Engine.Lines().Count(), 0);
}

TEST_F(SettingsFile, MarkerIsComparedByteForByte) {
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

TEST_F(SettingsFile, MissingFileOrFolderShowsTheWarning) {
  EXPECT_FALSE(Engine.LoadSettingsFile(Folder / "none.zep"));
  ASSERT_TRUE(MakeFolder(Folder / "folder.zep"));
  EXPECT_FALSE(Engine.LoadSettingsFile(Folder / "folder.zep"));
  EXPECT_EQ(Warnings.Warnings, std::vector<std::string>(2, Texts::kSettingsFileMissing));
}

TEST_F(SettingsFile, SourceFolderFollowsTheLastSuccessfulLoad) {
  ASSERT_TRUE(LoadAndValidate(SettingsFileBytes(kFiveBodyLines)));
  const std::string folder = Engine.SourceFolder();
  EXPECT_FALSE(Engine.LoadSettingsFile(Folder / "none.zep"));
  EXPECT_EQ(Engine.SourceFolder(), folder);
  EXPECT_EQ(Engine.Lines().Count(), 0);
}

TEST_F(SettingsFile, ValidationNeedsTheFileStillThere) {
  WriteBytes(Path, SettingsFileBytes(kFiveBodyLines));
  ASSERT_TRUE(Engine.LoadSettingsFile(Path));
  ASSERT_EQ(std::remove(Path.c_str()), 0);
  EXPECT_FALSE(Engine.ValidateSettingsFile(Path));
}

TEST_F(SettingsFile, LongLinesAreKeptWhole) {
  const std::string longLine(100000, '\x88');
  ASSERT_TRUE(LoadAndValidate(SettingsFileBytes({"a", longLine, "c", "d", "e"})));
  EXPECT_EQ(Engine.Lines().Get(2), longLine);
  EXPECT_EQ(Engine.Lines().Get(3), "c");
}

// No executable can hold a settings file of 4 GB: it is refused before it is read.
TEST_F(SettingsFile, FileTooLargeForAnExecutableIsRefused) {
  WriteSparseFile(Path, uint64_t{1} << 32);
  try {
    Engine.LoadSettingsFile(Path);
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kSettingsFileTooLarge, Path)));
  }
}
