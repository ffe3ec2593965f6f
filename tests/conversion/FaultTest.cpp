// What a full disk and exhausted memory do to a conversion: the error of the program's
// own, never a bare system failure, and no user file lost.
#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/HeaderLine.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/conversion/FaultInjection.h"
#include "tests/support/ExpectError.h"
#include "tests/support/ProgramImage.h"

namespace {
class ConversionFaults : public ConversionFixture {};
}  // namespace

// The executable is on the disk and in its place before its file is closed, so only a
// write can fail it. A full disk keeps the file it stopped and its reason beside the
// message the window shows, so that the console program can name both.
TEST_F(ConversionFaults, AFullDiskKeepsTheOlderExecutable) {
  WriteRuntimeFile(ProgramImage(100000, 4));
  WriteBytes(OutputPath, "older executable");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  {
    FailingFileCalls failing(FailingFileCalls::Write, Source.Path());
    try {
      Convert();
      ADD_FAILURE() << "no error";
    } catch (const EWriteError& error) {
      EXPECT_EQ(Hex(Texts::kStreamWriteError), Hex(error.Message()));
      EXPECT_EQ(OutputPath, error.Path());
      EXPECT_EQ(ErrorReason::DiskFull, error.Reason());
    }
  }
  EXPECT_EQ(ReadBytes(OutputPath), "older executable");
  EXPECT_EQ(EntriesOf(Source.Path()), before);
}

TEST_F(ConversionFaults, NoMemoryForTheSettingsTextIsTheLineInsertError) {
  WriteRuntimeFile(ProgramImage(kProgramHeadersSize));
  WriteBytes(SettingsPath, SettingsFileBytes({std::string(1 << 20, 'x'), "2", "3", "4", "5"}));
  ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, SettingsPath));
  FailingAllocation failing(1 << 19, 0);
  ExpectError<EListError>([&] { Convert(); }, Texts::kListInsertError);
  EXPECT_TRUE(failing.Happened());
  EXPECT_FALSE(PathExists(OutputPath));
}

TEST(HeaderLineMemory, NoMemoryForTheNewLineIsTheLineInsertError) {
  const std::string header = FreshHeader() + std::string(1 << 20, ' ');
  FailingAllocation failing(1 << 19, 1);  // the long rest is cut, the new line is not joined
  ExpectError<EListError>([&] { RewriteHeader(header, ExecutableOptions{}); }, Texts::kListInsertError);
  EXPECT_TRUE(failing.Happened());
}

TEST(HeaderLineMemory, NoMemoryForCuttingFallsBackOnAFreshHeader) {
  const std::string header = FreshHeader().substr(0, 71) + std::string(1 << 20, ' ');
  FailingAllocation failing(1 << 19, 0);
  std::string expected = FreshHeader();
  expected[69] = expected[70] = '1';
  expected[0] = '1';
  EXPECT_EQ(Hex(RewriteHeader(header, ExecutableOptions{})), Hex(expected));
}
