// The conversion against the sharing and protection rules of the real Win32 file
// layer: files held open elsewhere and a read-only runtime image.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ExecutableAssembly.h"
#include "tests/engine/ConversionFixture.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/WinFileLocks.h"

namespace {
class ConversionOnWindows : public ConversionFixture {
 protected:
  ConversionOnWindows() { WriteRuntimeFile(ProgramImage(70000, 3)); }

  // The cipher cannot replace "Player.dat": its error passes through unchanged,
  // nothing is created and the key is gone.
  void ExpectCipherCannotWriteRuntimeImage() {
    try {
      Engine.Convert(HeaderOptions{}, OutputPath, Recorder());
      FAIL() << "no error";
    } catch (const EFileError& error) {
      EXPECT_EQ(Hex(error.Message()), Hex("Blowfish: Could not open output file"));
    }
    EXPECT_EQ(Progress, std::vector<int>{33});
    EXPECT_FALSE(PathExists(OutputPath));
    EXPECT_TRUE(KeyCleared());
  }
};
}  // namespace

TEST_F(ConversionOnWindows, ReadOnlyRuntimeImageStopsTheCipher) {
  WriteBytes(RuntimeImage, "old image");
  {
    ReadOnlyFile readOnly(RuntimeImage);
    ASSERT_TRUE(readOnly.IsProtected());
    ExpectCipherCannotWriteRuntimeImage();
  }
  EXPECT_EQ(ReadBytes(RuntimeImage), "old image");
}

TEST_F(ConversionOnWindows, RuntimeImageHeldOpenStopsTheCipher) {
  WriteBytes(RuntimeImage, "old image");
  {
    HeldFile other(RuntimeImage, GENERIC_READ, 0);
    ASSERT_TRUE(other.IsOpen());
    ExpectCipherCannotWriteRuntimeImage();
  }
  EXPECT_EQ(ReadBytes(RuntimeImage), "old image");
}

TEST_F(ConversionOnWindows, OutputHeldOpenIsNotReplacedAndKeepsItsContent) {
  WriteBytes(OutputPath, "executable in use");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  {
    HeldFile other(OutputPath, GENERIC_READ, 0);
    ASSERT_TRUE(other.IsOpen());
    try {
      Engine.Convert(HeaderOptions{}, OutputPath, Recorder());
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
  bool made = false;
  EXPECT_NO_THROW(made = Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  release.join();
  EXPECT_TRUE(made);
  ExpectFileBytes(OutputPath, ReadBytes(RuntimeImage) + ReadBytes(Attachment));
}

// A user protects an executable with the read-only attribute, and Windows itself does
// not replace such a file: it stays, with its attribute, and the error says why.
TEST_F(ConversionOnWindows, AReadOnlyExecutableIsNotReplaced) {
  WriteBytes(OutputPath, "protected executable");
  ASSERT_TRUE(SetFileAttributesA(OutputPath.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::vector<std::string> before = EntriesOf(Source.Path());
  try {
    Engine.Convert(HeaderOptions{}, OutputPath, Recorder());
    ADD_FAILURE() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kOutputReadOnly, OutputPath)));
  }
  const DWORD attributes = GetFileAttributesA(OutputPath.c_str());
  SetFileAttributesA(OutputPath.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(DWORD{FILE_ATTRIBUTE_READONLY}, attributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ReadBytes(OutputPath), "protected executable");
  EXPECT_EQ(EntriesOf(Source.Path()), before);
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
        ASSERT_TRUE(Engine.Convert(HeaderOptions{}, output, nullptr));
        ExpectFileBytes(output, ReadBytes(RuntimeImage) + ReadBytes(Attachment));
        EXPECT_EQ(std::vector<std::string>{name}, EntriesOf(folder + "\\"));
      } else {
        try {
          Engine.Convert(HeaderOptions{}, output, nullptr);
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
  ASSERT_TRUE(Engine.LoadSettingsFile(longName));
  char shortPath[MAX_PATH];
  ASSERT_NE(0u, GetShortPathNameA(longName.c_str(), shortPath, MAX_PATH));
  const std::string shortName = std::string(shortPath).substr(std::string(shortPath).rfind('\\') + 1);
  ASSERT_NE(shortName, "Settings of a long name.zep");
  const std::string settings = ReadBytes(longName);
  for (const std::string& name : {std::string("SETTINGS OF A LONG NAME.ZEP"), shortName})
    ExpectOutputRefused(name);
  EXPECT_EQ(ReadBytes(longName), settings);
}

TEST_F(ConversionOnWindows, RuntimeImageHeldOpenLeavesNoOutput) {
  WriteBytes(RuntimeImage, "image");
  WriteBytes(Attachment, "attachment");
  HeldFile other(RuntimeImage, GENERIC_READ, 0);
  ASSERT_TRUE(other.IsOpen());
  try {
    WriteExecutable(OutputPath, RuntimeImage, Attachment, Recorder());
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kFileOpenError, RuntimeImage)));
  }
  EXPECT_TRUE(Progress.empty());
  EXPECT_FALSE(PathExists(OutputPath));
}

// An attachment held by another program stops the assembly before anything is copied:
// the complete executable of an earlier conversion stays.
TEST_F(ConversionOnWindows, AttachmentHeldOpenKeepsTheEarlierExecutable) {
  ASSERT_TRUE(Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  const std::string earlier = ReadBytes(OutputPath);
  HeldFile other(Attachment, GENERIC_READ, 0);
  ASSERT_TRUE(other.IsOpen());
  try {
    Engine.AssembleExecutable(OutputPath, Recorder());
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kFileOpenError, Attachment)));
  }
  EXPECT_TRUE(Progress.empty());
  EXPECT_EQ(ReadBytes(OutputPath), earlier);
  EXPECT_TRUE(KeyCleared());
}
