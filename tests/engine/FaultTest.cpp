// What a full disk, a failing close and exhausted memory do to a conversion: the error
// of the program's own, never a bare system failure, and no user file lost.
#include "cipher/BlowfishErrors.h"
#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/HeaderLine.h"
#include "tests/engine/ConversionFixture.h"
#include "tests/engine/FaultInjection.h"
#include "tests/support/ExpectError.h"
#include "tests/support/ProgramImage.h"

namespace {
class ConversionFaults : public ConversionFixture {};
}  // namespace

// The executable is on the disk and in its place before its file is closed, so only a
// write can fail it.
TEST_F(ConversionFaults, AFailingWriteKeepsTheOlderExecutable) {
  WriteRuntimeFile(ProgramImage(100000, 4));
  WriteBytes(OutputPath, "older executable");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  {
    FailingFileCalls failing(FailingFileCalls::Write, Source.Path());
    ExpectError<EWriteError>([&] { Engine.Convert(HeaderOptions{}, OutputPath, nullptr); },
                             Texts::kStreamWriteError);
  }
  EXPECT_EQ(ReadBytes(OutputPath), "older executable");
  EXPECT_EQ(EntriesOf(Source.Path()), before);
}

// Whichever file a full disk stops, the error keeps its path and the system's code
// beside the message the window shows, so that the console program can name both.
TEST_F(ConversionFaults, AFullDiskIsReportedWithTheFileItStopped) {
  WriteRuntimeFile(ProgramImage(100000, 4));
  {
    FailingFileCalls failing(FailingFileCalls::Write, "Attach.zep");
    try {
      Engine.Convert(HeaderOptions{}, OutputPath, nullptr);
      ADD_FAILURE() << "no error";
    } catch (const EWriteError& error) {
      EXPECT_EQ(Attachment, error.Path());
      EXPECT_EQ(112u, error.SystemError());
    }
  }
  {
    FailingFileCalls failing(FailingFileCalls::Write, "Player.dat");
    try {
      Engine.Convert(HeaderOptions{}, OutputPath, nullptr);
      ADD_FAILURE() << "no error";
    } catch (const EInOutError& error) {
      EXPECT_EQ(RuntimeImage, error.Path());
      EXPECT_EQ(112u, error.ErrorCode());
    }
  }
  FailingFileCalls failing(FailingFileCalls::Write, Source.Path());
  try {
    Engine.Convert(HeaderOptions{}, OutputPath, nullptr);
    ADD_FAILURE() << "no error";
  } catch (const EWriteError& error) {
    EXPECT_EQ(Hex(Texts::kStreamWriteError), Hex(error.Message()));
    EXPECT_EQ(OutputPath, error.Path());
    EXPECT_EQ(112u, error.SystemError());
  }
}

TEST_F(ConversionFaults, AFailedCloseOfTheAttachmentIsAWriteError) {
  FailingFileCalls failing(FailingFileCalls::Close, "Attach.zep");
  ExpectError<EWriteError>([&] { Engine.RewriteHeaderLine(HeaderOptions{}); }, Texts::kStreamWriteError);
}

TEST_F(ConversionFaults, NoMemoryForTheAttachmentTextIsTheLineInsertError) {
  WriteBytes(SettingsPath, SettingsFileBytes({std::string(1 << 20, 'x'), "2", "3", "4", "5"}));
  ASSERT_TRUE(Engine.LoadSettingsFile(SettingsPath));
  FailingAllocation failing(1 << 19, 0);
  ExpectError<EListError>([&] { Engine.RewriteHeaderLine(HeaderOptions{}); }, Texts::kListInsertError);
  EXPECT_TRUE(failing.Happened());
  EXPECT_FALSE(PathExists(Attachment));
}

TEST(HeaderLineMemory, NoMemoryForTheNewLineIsTheLineInsertError) {
  const std::string header = FreshHeader() + std::string(1 << 20, ' ');
  FailingAllocation failing(1 << 19, 1);  // the long rest is cut, the new line is not joined
  ExpectError<EListError>([&] { RewriteHeader(header, HeaderOptions{}); }, Texts::kListInsertError);
  EXPECT_TRUE(failing.Happened());
}

TEST(HeaderLineMemory, NoMemoryForCuttingFallsBackOnAFreshHeader) {
  const std::string header = FreshHeader().substr(0, 71) + std::string(1 << 20, ' ');
  FailingAllocation failing(1 << 19, 0);
  std::string expected = FreshHeader();
  expected[69] = expected[70] = '1';
  expected[0] = '1';
  EXPECT_EQ(Hex(RewriteHeader(header, HeaderOptions{})), Hex(expected));
}
