// DecryptFile against the Windows file system's own refusals: read-only files and
// files held open by another handle without sharing.
// <windows.h> after the component's header: calls to DecryptFile then go through
// the system's DecryptFileA name and must still reach the component.
#include "tests/cipher/CipherTestSupport.h"

#include <windows.h>

namespace {
const char kOutputNotOpened[] = "Blowfish: Could not open output file";

// A handle to path opened with the given sharing, closed at the end of the scope.
class HeldOpen {
 public:
  HeldOpen(const std::string& path, DWORD share)
      : FHandle(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
    EXPECT_NE(FHandle, INVALID_HANDLE_VALUE) << GetLastError();
  }
  ~HeldOpen() { CloseHandle(FHandle); }

 private:
  HANDLE FHandle;
};

class BlowfishWine : public ::testing::Test {
 protected:
  void SetUp() override {
    FBlowfish.SetKey("Harbor Lights");
    FInput = FFolder.Path("Zepcom.dat");
    FOutput = FFolder.Path("Player.dat");
    WriteBytes(FInput, FBlowfish.EncipherPaddedECB("player"));
    WriteBytes(FOutput, "old image");
  }

  ScratchFolder FFolder;
  TBlowfishProbe FBlowfish;
  std::string FInput;
  std::string FOutput;
};
}  // namespace

// Wine keeps the read-only attribute as the Unix write permission, which the
// superuser passes by; there the file system itself lets the write through.
bool ReadOnlyIsEnforced(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return true;
  CloseHandle(handle);
  return false;
}

TEST_F(BlowfishWine, ReadOnlyOutputIsNotOpened) {
  ASSERT_TRUE(SetFileAttributesA(FOutput.c_str(), FILE_ATTRIBUTE_READONLY));
  if (!ReadOnlyIsEnforced(FOutput)) {
    SetFileAttributesA(FOutput.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "read-only files are writable here (Wine run by the superuser)";
  }
  ExpectError<EFileError>([&] { FBlowfish.DecryptFile(FInput, FOutput); }, kOutputNotOpened);
  SetFileAttributesA(FOutput.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadBytes(FOutput), "old image");
}

TEST_F(BlowfishWine, OutputHeldWithoutSharingIsNotOpened) {
  {
    HeldOpen held(FOutput, 0);
    ExpectError<EFileError>([&] { FBlowfish.DecryptFile(FInput, FOutput); }, kOutputNotOpened);
  }
  EXPECT_EQ(ReadBytes(FOutput), "old image");
  // Once the other handle is gone the input is free again too.
  HeldOpen exclusive(FInput, 0);
}

TEST_F(BlowfishWine, InputHeldWithoutSharingIsAnIOError) {
  {
    HeldOpen held(FInput, 0);
    ExpectError<EInOutError>([&] { FBlowfish.DecryptFile(FInput, FOutput); },
                             FromHex("49 2F 4F 20 83 47 83 89 81 5B 20 28 33 32 29"));
  }
  EXPECT_EQ(ReadBytes(FOutput), "old image");  // no output was created
}

TEST_F(BlowfishWine, InputSharedForReadingStillDeciphers) {
  HeldOpen reader(FInput, FILE_SHARE_READ);
  FBlowfish.DecryptFile(FInput, FOutput);
  EXPECT_EQ(ReadBytes(FOutput), "player");
}
