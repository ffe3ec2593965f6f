// The conversion against the sharing and protection rules of the real Win32 file
// layer: files held open elsewhere and a read-only runtime image.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ExecutableAssembly.h"
#include "tests/engine/ConversionFixture.h"
#include "tests/support/WinFileLocks.h"

namespace {
class ConversionOnWindows : public ConversionFixture {
 protected:
  ConversionOnWindows() { WriteRuntimeFile(RandomBytes(70000, 3)); }

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

namespace {
DWORD WINAPI ReleaseLater(void* heldFile) {
  Sleep(300);
  delete static_cast<HeldFile*>(heldFile);
  return 0;
}
}  // namespace

// A scanner that holds the old executable for a moment only delays the replacement.
TEST_F(ConversionOnWindows, OutputHeldForAMomentIsReplacedAfterwards) {
  WriteBytes(OutputPath, "executable being scanned");
  auto* held = new HeldFile(OutputPath, GENERIC_READ, 0);
  ASSERT_TRUE(held->IsOpen());
  HANDLE release = CreateThread(nullptr, 0, ReleaseLater, held, 0, nullptr);
  ASSERT_TRUE(release);
  EXPECT_TRUE(Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  WaitForSingleObject(release, INFINITE);
  CloseHandle(release);
  ExpectFileBytes(OutputPath, ReadBytes(RuntimeImage) + ReadBytes(Attachment));
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
