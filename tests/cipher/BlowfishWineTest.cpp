// DecipherFile against the Windows file system's own refusals: read-only files and
// files held open by another handle without sharing.
// <windows.h> after the component's header: calls to DecipherFile then go through
// the system's DecryptFileA name and must still reach the component.
#include "tests/cipher/CipherTestSupport.h"

#include <windows.h>

#include "tests/support/WinFileLocks.h"

namespace {
const char kOutputNotOpened[] = "Blowfish: Could not open output file";

class BlowfishWine : public ::testing::Test {
 protected:
  void SetUp() override {
    BlowfishEncoder encoder;
    encoder.SetKey("Harbor Lights");
    blowfish_.SetKey("Harbor Lights");
    input_ = folder_ / "Zepcom.dat";
    output_ = folder_ / "Player.dat";
    WriteBytes(input_, encoder.EncipherPaddedECB("player"));
    WriteBytes(output_, "old image");
  }

  TempFolder folder_;
  Blowfish blowfish_;
  std::string input_;
  std::string output_;
};
}  // namespace

TEST_F(BlowfishWine, ReadOnlyOutputIsNotOpened) {
  {
    ReadOnlyFile readOnly(output_);
    ASSERT_TRUE(readOnly.IsProtected());
    ExpectError<EFileError>([&] { blowfish_.DecipherFile(input_, output_); }, kOutputNotOpened);
  }
  EXPECT_EQ(ReadBytes(output_), "old image");
}

TEST_F(BlowfishWine, OutputHeldWithoutSharingIsNotOpened) {
  {
    HeldFile held(output_, GENERIC_READ, 0);
    ASSERT_TRUE(held.IsOpen());
    ExpectError<EFileError>([&] { blowfish_.DecipherFile(input_, output_); }, kOutputNotOpened);
  }
  EXPECT_EQ(ReadBytes(output_), "old image");
  // Once the other handle is gone the input is free again too.
  EXPECT_TRUE(HeldFile(input_, GENERIC_READ, 0).IsOpen());
}

TEST_F(BlowfishWine, InputHeldWithoutSharingIsAnIOError) {
  {
    HeldFile held(input_, GENERIC_READ, 0);
    ASSERT_TRUE(held.IsOpen());
    ExpectError<EInOutError>([&] { blowfish_.DecipherFile(input_, output_); },
                             FromHex("49 2F 4F 20 83 47 83 89 81 5B 20 28 33 32 29"));
  }
  EXPECT_EQ(ReadBytes(output_), "old image");  // no output was created
}

TEST_F(BlowfishWine, InputSharedForReadingStillDeciphers) {
  HeldFile reader(input_, GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(reader.IsOpen());
  blowfish_.DecipherFile(input_, output_);
  EXPECT_EQ(ReadBytes(output_), "player");
}
