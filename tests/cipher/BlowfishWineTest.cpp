// DecryptFile against the Windows file system's own refusals: read-only files and
// files held open by another handle without sharing.
// <windows.h> after the component's header: calls to DecryptFile then go through
// the system's DecryptFileA name and must still reach the component.
#include "tests/cipher/CipherTestSupport.h"

#include <windows.h>

#include "tests/support/WinFileLocks.h"

namespace {
const char kOutputNotOpened[] = "Blowfish: Could not open output file";

class BlowfishWine : public ::testing::Test {
 protected:
  void SetUp() override {
    FBlowfish.SetKey("Harbor Lights");
    FInput = FFolder / "Zepcom.dat";
    FOutput = FFolder / "Player.dat";
    WriteBytes(FInput, FBlowfish.EncipherPaddedECB("player"));
    WriteBytes(FOutput, "old image");
  }

  TTempFolder FFolder;
  TBlowfishProbe FBlowfish;
  std::string FInput;
  std::string FOutput;
};
}  // namespace

TEST_F(BlowfishWine, ReadOnlyOutputIsNotOpened) {
  {
    TReadOnlyFile readOnly(FOutput);
    ASSERT_TRUE(readOnly.IsProtected());
    ExpectError<EFileError>([&] { FBlowfish.DecryptFile(FInput, FOutput); }, kOutputNotOpened);
  }
  EXPECT_EQ(ReadBytes(FOutput), "old image");
}

TEST_F(BlowfishWine, OutputHeldWithoutSharingIsNotOpened) {
  {
    THeldFile held(FOutput, GENERIC_READ, 0);
    ASSERT_TRUE(held.IsOpen());
    ExpectError<EFileError>([&] { FBlowfish.DecryptFile(FInput, FOutput); }, kOutputNotOpened);
  }
  EXPECT_EQ(ReadBytes(FOutput), "old image");
  // Once the other handle is gone the input is free again too.
  EXPECT_TRUE(THeldFile(FInput, GENERIC_READ, 0).IsOpen());
}

TEST_F(BlowfishWine, InputHeldWithoutSharingIsAnIOError) {
  {
    THeldFile held(FInput, GENERIC_READ, 0);
    ASSERT_TRUE(held.IsOpen());
    ExpectError<EInOutError>([&] { FBlowfish.DecryptFile(FInput, FOutput); },
                             FromHex("49 2F 4F 20 83 47 83 89 81 5B 20 28 33 32 29"));
  }
  EXPECT_EQ(ReadBytes(FOutput), "old image");  // no output was created
}

TEST_F(BlowfishWine, InputSharedForReadingStillDeciphers) {
  THeldFile reader(FInput, GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(reader.IsOpen());
  FBlowfish.DecryptFile(FInput, FOutput);
  EXPECT_EQ(ReadBytes(FOutput), "player");
}
