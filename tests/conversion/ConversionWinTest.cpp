// The conversion against the sharing and protection rules of the real Win32 file
// layer: files held open elsewhere and a read-only runtime image.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ExecutableAssembly.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/support/WinFileLocks.h"

namespace {
class ConversionOnWindows : public ConversionFixture {
 protected:
  ConversionOnWindows() { WriteRuntimeFile(RandomBytes(70000, 3)); }

  // The cipher cannot replace "Player.dat": its error passes through unchanged,
  // nothing is created and the key is gone.
  void ExpectCipherCannotWriteRuntimeImage() {
    try {
      Engine.Convert(THeaderOptions{}, kExeName, Recorder());
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
    TReadOnlyFile readOnly(RuntimeImage);
    ASSERT_TRUE(readOnly.IsProtected());
    ExpectCipherCannotWriteRuntimeImage();
  }
  EXPECT_EQ(ReadBytes(RuntimeImage), "old image");
}

TEST_F(ConversionOnWindows, RuntimeImageHeldOpenStopsTheCipher) {
  WriteBytes(RuntimeImage, "old image");
  {
    THeldFile other(RuntimeImage, GENERIC_READ, 0);
    ASSERT_TRUE(other.IsOpen());
    ExpectCipherCannotWriteRuntimeImage();
  }
  EXPECT_EQ(ReadBytes(RuntimeImage), "old image");
}

TEST_F(ConversionOnWindows, OutputHeldOpenIsNotCreatedAndKeepsItsContent) {
  WriteBytes(OutputPath, "executable in use");
  {
    THeldFile other(OutputPath, GENERIC_READ, 0);
    ASSERT_TRUE(other.IsOpen());
    try {
      Engine.Convert(THeaderOptions{}, kExeName, Recorder());
      FAIL() << "no error";
    } catch (const EFCreateError& error) {
      EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::FileCreateError, OutputPath)));
    }
  }
  EXPECT_EQ(Progress, std::vector<int>{33});
  EXPECT_EQ(ReadBytes(OutputPath), "executable in use");
}

TEST_F(ConversionOnWindows, RuntimeImageHeldOpenLeavesNoOutput) {
  WriteBytes(RuntimeImage, "image");
  WriteBytes(Attachment, "attachment");
  THeldFile other(RuntimeImage, GENERIC_READ, 0);
  ASSERT_TRUE(other.IsOpen());
  try {
    WriteExecutable(OutputPath, RuntimeImage, Attachment, Recorder());
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::FileOpenError, RuntimeImage)));
  }
  EXPECT_TRUE(Progress.empty());
  EXPECT_FALSE(PathExists(OutputPath));
}

// The runtime image is already in the output when the attachment turns out to be held:
// the half-written executable, which replaced a complete one, is deleted.
TEST_F(ConversionOnWindows, AttachmentHeldOpenLeavesNoOutput) {
  ASSERT_TRUE(Engine.Convert(THeaderOptions{}, kExeName, nullptr));
  THeldFile other(Attachment, GENERIC_READ, 0);
  ASSERT_TRUE(other.IsOpen());
  try {
    Engine.AssembleExecutable(kExeName, Recorder());
    FAIL() << "no error";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::FileOpenError, Attachment)));
  }
  EXPECT_EQ(Progress, std::vector<int>{66});
  EXPECT_FALSE(PathExists(OutputPath));
  EXPECT_TRUE(KeyCleared());
}
