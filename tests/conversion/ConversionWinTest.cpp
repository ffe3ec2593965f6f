// The conversion against the sharing and protection rules of the real Win32 file
// layer: files held open elsewhere and a read-only runtime image.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ExecutableAssembly.h"
#include "tests/conversion/ConversionFixture.h"

namespace {
// A handle to an existing file, opened by "another program" that shares it with
// nobody, for the length of a test.
class TExclusiveHolder {
 public:
  explicit TExclusiveHolder(const std::string& path, DWORD access = GENERIC_READ)
      : FHandle(CreateFileA(path.c_str(), access, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~TExclusiveHolder() {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE FHandle;
};

// Opening the file for writing, as the cipher does, to see whether it is protected.
class TWritableProbe : public TExclusiveHolder {
 public:
  explicit TWritableProbe(const std::string& path) : TExclusiveHolder(path, GENERIC_WRITE) {}
};

class ConversionOnWindows : public ConversionFixture {
 protected:
  ConversionOnWindows() { WriteRuntimeFile(PatternBytes(70000)); }

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
  ASSERT_TRUE(SetFileAttributesA(RuntimeImage.c_str(), FILE_ATTRIBUTE_READONLY));
  if (TWritableProbe(RuntimeImage).IsOpen())
    GTEST_SKIP() << "read-only files are writable here (Wine run by root)";
  ExpectCipherCannotWriteRuntimeImage();
  EXPECT_EQ(ReadBytes(RuntimeImage), "old image");
}

TEST_F(ConversionOnWindows, RuntimeImageHeldOpenStopsTheCipher) {
  WriteBytes(RuntimeImage, "old image");
  {
    TExclusiveHolder other(RuntimeImage);
    ASSERT_TRUE(other.IsOpen());
    ExpectCipherCannotWriteRuntimeImage();
  }
  EXPECT_EQ(ReadBytes(RuntimeImage), "old image");
}

TEST_F(ConversionOnWindows, OutputHeldOpenIsNotCreatedAndKeepsItsContent) {
  WriteBytes(OutputPath, "executable in use");
  {
    TExclusiveHolder other(OutputPath);
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
  TExclusiveHolder other(RuntimeImage);
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
  TExclusiveHolder other(Attachment);
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
