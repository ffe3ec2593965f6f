// Sharing rules of the real Win32 file layer: the settings file is read while nobody
// writes it.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/Exception.h"
#include "engine/SettingsFile.h"
#include "platform/File.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WinFileLocks.h"

namespace {
class Sharing : public ::testing::Test {
 protected:
  Sharing() { WriteBytes(SettingsPath, SettingsFileBytes({"a", "b", "c", "d", "e"})); }
  TempFolder Source;
  std::string SettingsPath = Source / "表.zep";
  SettingsFile Settings;
};
}  // namespace

TEST(Cp932, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }

TEST_F(Sharing, SettingsFileHeldForWritingCannotBeOpened) {
  HeldFile writer(SettingsPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(writer.IsOpen());
  try {
    ReadSettingsFile(SettingsPath, Settings);
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex("\x83t\x83@\x83"
                                        "C\x83\x8B " +
                                        SettingsPath + " \x82\xCD\x8AJ\x82\xAF\x82\xDC\x82\xB9\x82\xF1"));
  }
  EXPECT_EQ(Settings.Lines.Count(), 0);
  EXPECT_EQ(Settings.Folder, "");
}

TEST_F(Sharing, SettingsFileHeldForReadingLoads) {
  HeldFile reader(SettingsPath, GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(reader.IsOpen());
  EXPECT_TRUE(ReadSettingsFile(SettingsPath, Settings));
  EXPECT_EQ(Settings.Folder, Source.Path());
  // While it is being read, nobody may open it for writing.
  platform::File file;
  ASSERT_TRUE(file.OpenRead(SettingsPath, platform::Share::Read));
  EXPECT_FALSE(HeldFile(SettingsPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).IsOpen());
}

TEST(FileLayer, ErrorCodesAndFolders) {
  TempFolder folder;
  platform::File file;
  EXPECT_FALSE(file.OpenRead(folder / "none", platform::Share::Read));
  EXPECT_EQ(file.Error(), static_cast<platform::SystemError>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(platform::FileExists(folder.Path()));
  ASSERT_TRUE(MakeFolder(folder / "sub"));
  EXPECT_FALSE(platform::FileExists(folder / "sub"));
  EXPECT_FALSE(platform::RemoveFile(folder / "sub"));
  EXPECT_TRUE(PathExists(folder / "sub"));
}
