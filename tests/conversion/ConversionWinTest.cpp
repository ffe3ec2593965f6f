// The conversion against the sharing and protection rules of the real Win32 file
// layer: executables held open elsewhere, folders where nothing can be made, paths at
// the longest and names spelt otherwise.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/WinFileLocks.h"

namespace {
class ConversionOnWindows : public ConversionFixture {
 protected:
  ConversionOnWindows() { WriteRuntimeFile(ProgramImage(70000, 3)); }
};
}  // namespace

TEST_F(ConversionOnWindows, OutputHeldOpenIsNotReplacedAndKeepsItsContent) {
  WriteBytes(OutputPath, "executable in use");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  {
    HeldFile other(OutputPath, GENERIC_READ, 0);
    ASSERT_TRUE(other.IsOpen());
    try {
      Convert();
      FAIL() << "no error";
    } catch (const EFCreateError& error) {
      EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kFileCreateError, OutputPath)));
    }
  }
  EXPECT_EQ(ReadBytes(OutputPath), "executable in use");
  EXPECT_EQ(EntriesOf(Source.Path()), before);
}

// A scanner that holds the old executable for a moment only delays the replacement.
TEST_F(ConversionOnWindows, OutputHeldForAMomentIsReplacedAfterwards) {
  WriteBytes(OutputPath, "executable being scanned");
  auto held = std::make_unique<HeldFile>(OutputPath, GENERIC_READ, 0);
  ASSERT_TRUE(held->IsOpen());
  std::thread release([&held] {
    Sleep(300);
    held.reset();
  });
  MakeOutcome made = MakeOutcome::RuntimeMissing;
  EXPECT_NO_THROW(made = Convert());
  release.join();
  EXPECT_EQ(MakeOutcome::Made, made);
  ExpectFileBytes(OutputPath, ProgramImage(70000, 3) + SettingsPart());
}

// An executable with the bytes already is left alone, also where nothing can be written:
// held open by a program that lets others read it, or in a read-only folder.
TEST_F(ConversionOnWindows, AnExecutableWithTheBytesIsLeftAloneWhereNothingCanBeWritten) {
  ASSERT_EQ(MakeOutcome::Made, Convert());
  {
    HeldFile other(OutputPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(other.IsOpen());
    EXPECT_EQ(MakeOutcome::Unchanged, Convert());
  }
  ReadOnlyFolder folder(Source.Path());
  ASSERT_TRUE(folder.IsProtected());
  EXPECT_EQ(MakeOutcome::Unchanged, Convert());
  WriteRuntimeFile(ProgramImage(70008, 3));
  EXPECT_THROW(Convert(), EFCreateError);
}

// In a folder so deep that the executable's path comes near the longest path Windows
// takes, the executable is still made, whatever the length of its name; one character
// more is refused as too long, before anything is written.
TEST_F(ConversionOnWindows, AnOutputPathUpToTheLongestWorksAndALongerOneIsTooLong) {
  char full[MAX_PATH];
  ASSERT_GT(GetFullPathNameA(Source.Path().c_str(), MAX_PATH, full, nullptr), 0u);
  const std::string source = full;
  constexpr size_t kLongest = 259;
  for (const std::string name : {"a.exe", "a", "sixteen-chars.ex"}) {
    for (size_t length : {kLongest - 9, kLongest, kLongest + 1}) {
      SCOPED_TRACE(name + " " + std::to_string(length));
      // A folder of its own in the source folder makes up the length.
      const std::string folder = source + std::string(length - source.size() - name.size() - 1, 'f');
      ASSERT_TRUE(MakeFolder(folder));
      const std::string output = folder + "\\" + name;
      ASSERT_EQ(length, output.size());
      if (length <= kLongest) {
        ASSERT_EQ(MakeOutcome::Made, Convert(output));
        ExpectFileBytes(output, ProgramImage(70000, 3) + SettingsPart());
        EXPECT_EQ(std::vector<std::string>{name}, EntriesOf(folder + "\\"));
      } else {
        try {
          Convert(output);
          ADD_FAILURE() << "no error";
        } catch (const EFCreateError& error) {
          EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kOutputPathTooLong, output.c_str(), 259)));
        }
        EXPECT_EQ(std::vector<std::string>{}, EntriesOf(folder + "\\"));
      }
      std::remove(output.c_str());
      RemoveDirectoryA(folder.c_str());
    }
  }
}

// The settings file is refused as the output however its name is spelt: in other
// letter case, or by its short name.
TEST_F(ConversionOnWindows, TheSettingsFileSpeltOtherwiseIsRefusedAsOutput) {
  const std::string longName = Source / "Settings of a long name.zep";
  WriteBytes(longName, ReadBytes(SettingsPath));
  ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, longName));
  char shortPath[MAX_PATH];
  ASSERT_NE(0u, GetShortPathNameA(longName.c_str(), shortPath, MAX_PATH));
  const std::string shortName = std::string(shortPath).substr(std::string(shortPath).rfind('\\') + 1);
  ASSERT_NE(shortName, "Settings of a long name.zep");
  const std::string settings = ReadBytes(longName);
  for (const std::string& name : {std::string("SETTINGS OF A LONG NAME.ZEP"), shortName})
    ExpectOutputRefused(name);
  EXPECT_EQ(ReadBytes(longName), settings);
}
