// The conversion sequence on real files: the generated executable is the runtime image
// followed by the attachment file, whatever their sizes; expected failures create
// nothing and leave the cipher without a key.
#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ConversionErrors.h"
#include "engine/ExecutableAssembly.h"
#include "tests/engine/ConversionFixture.h"
#include "tests/support/ProgramImage.h"

namespace {
class Conversion : public ConversionFixture {};

class ConversionOfImageSize : public ConversionFixture, public ::testing::WithParamInterface<size_t> {};

// Headers only, exactly one copy buffer, one byte more, and several MiB in many chunks.
INSTANTIATE_TEST_SUITE_P(Sizes, ConversionOfImageSize,
                         ::testing::Values(kProgramHeadersSize, kCopyBufferSize, kCopyBufferSize + 1,
                                           3 * 1024 * 1024 + 5));
}  // namespace

TEST_P(ConversionOfImageSize, ExecutableIsRuntimeImageFollowedByAttachment) {
  const std::string image = ProgramImage(GetParam(), 1);
  WriteRuntimeFile(image);
  ASSERT_TRUE(Engine.Convert(HeaderOptions{}, OutputPath, Recorder()));
  EXPECT_EQ(Progress, (std::vector<int>{33, 66, 100}));
  ExpectFileBytes(RuntimeImage, image);
  ExpectFileBytes(OutputPath, image + ReadBytes(Attachment));
  EXPECT_TRUE(KeyCleared());
}

// Straight into the executable, as the console program converts: the same bytes as
// through the work folder, which stays empty.
TEST_P(ConversionOfImageSize, TheDirectConversionMakesTheSameBytesWithoutWorkFiles) {
  WriteRuntimeFile(ProgramImage(GetParam(), 1));
  ASSERT_EQ(DirectConversion::Made, Engine.ConvertDirectly(HeaderOptions{}, OutputPath, Recorder(), false));
  EXPECT_EQ(Progress, (std::vector<int>{33, 66, 100}));
  EXPECT_TRUE(EntriesOf(Work.Path()).empty());
  EXPECT_TRUE(KeyCleared());
  const std::string direct = ReadBytes(OutputPath);
  ASSERT_TRUE(Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  ExpectFileBytes(OutputPath, direct);
}

// A later conversion with a smaller runtime replaces the earlier executable whole.
TEST_F(Conversion, ExistingLongerOutputIsReplacedCompletely) {
  WriteRuntimeFile(ProgramImage(5 * 1024 * 1024, 2));
  ASSERT_TRUE(Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  const std::string tiny = ProgramImage(kProgramHeadersSize);
  WriteRuntimeFile(tiny);
  ASSERT_TRUE(Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  ExpectFileBytes(OutputPath, tiny + ReadBytes(Attachment));
}

TEST_F(Conversion, MissingRuntimeFileCreatesNothing) {
  EXPECT_FALSE(Engine.Convert(HeaderOptions{}, OutputPath, nullptr));
  EXPECT_FALSE(PathExists(RuntimeImage));

  WriteBytes(RuntimeImage, "image of an earlier run");
  EXPECT_FALSE(Engine.Convert(HeaderOptions{}, OutputPath, Recorder()));
  EXPECT_EQ(Progress, std::vector<int>{33});
  EXPECT_EQ(ReadBytes(RuntimeImage), "image of an earlier run");
  EXPECT_FALSE(PathExists(OutputPath));
  EXPECT_TRUE(KeyCleared());
}

TEST_F(Conversion, MissingAttachmentCreatesNothing) {
  WriteRuntimeFile(ProgramImage(kProgramHeadersSize));
  EXPECT_FALSE(Engine.AssembleExecutable(OutputPath, Recorder()));
  EXPECT_TRUE(Progress.empty());
  EXPECT_FALSE(PathExists(OutputPath));
}

TEST_F(Conversion, CipherErrorPassesThroughAndClearsTheKey) {
  WriteBytes(RuntimeFile, "12345");  // not whole 8-byte blocks
  EXPECT_THROW(Engine.Convert(HeaderOptions{}, OutputPath, Recorder()), EFileError);
  EXPECT_EQ(Progress, std::vector<int>{33});
  EXPECT_FALSE(PathExists(OutputPath));
  EXPECT_TRUE(KeyCleared());
}

// A runtime file that deciphers into no program (cut short, or made from no program at
// all) would give an executable that Windows refuses to start: nothing is written, the
// older executable stays, and the error names the runtime file.
TEST_F(Conversion, ARuntimeThatIsNoProgramIsRefusedBeforeAnythingIsWritten) {
  const std::string images[] = {ProgramImage(0x2000, 5).substr(0, 1000), RandomBytes(0x2000, 6), ""};
  WriteBytes(OutputPath, "older executable");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  for (const std::string& image : images) {
    SCOPED_TRACE(image.size());
    Progress.clear();
    WriteRuntimeFile(image);
    try {
      Engine.Convert(HeaderOptions{}, OutputPath, Recorder());
      ADD_FAILURE() << "no error";
    } catch (const ERuntimeDamaged& error) {
      EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kRuntimeDamaged, RuntimeFile)));
      EXPECT_EQ(RuntimeFile, error.RuntimeFile());
    }
    EXPECT_EQ(Progress, std::vector<int>{33});
    EXPECT_EQ(ReadBytes(OutputPath), "older executable");
    EXPECT_EQ(EntriesOf(Source.Path()), before);
    EXPECT_TRUE(KeyCleared());
  }
}

TEST_F(Conversion, EmptyExecutableNameCannotBeCreated) {
  WriteRuntimeFile(ProgramImage(kProgramHeadersSize));
  try {
    Engine.Convert(HeaderOptions{}, Engine.SourceFolder(), Recorder());
    FAIL() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kFileCreateError, Engine.SourceFolder())));
  }
  EXPECT_EQ(Progress, std::vector<int>{33});
}

// A part that cannot be opened: the error names it, nothing is copied and an older
// executable stays as it was.
TEST_F(Conversion, UnopenablePartKeepsTheOlderExecutable) {
  WriteBytes(RuntimeImage, "image");
  const std::string noImage = Work / "none.dat", noAttachment = Work / "none.zep";
  const struct {
    std::string Image, Attachment, Absent;
    std::vector<int> Progress;
  } cases[] = {{noImage, Attachment, noImage, {}}, {RuntimeImage, noAttachment, noAttachment, {}}};
  WriteBytes(OutputPath, "older executable");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  for (const auto& c : cases) {
    Progress.clear();
    try {
      WriteExecutable(OutputPath, c.Image, c.Attachment, Recorder());
      FAIL() << "no error for " << c.Absent;
    } catch (const EFOpenError& error) {
      EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kFileOpenError, c.Absent)));
    }
    EXPECT_EQ(Progress, c.Progress);
    EXPECT_EQ(ReadBytes(OutputPath), "older executable") << c.Absent;
    EXPECT_EQ(EntriesOf(Source.Path()), before) << c.Absent;
  }
}

// Whatever spelling the executable's name takes, it never replaces the settings file,
// the runtime file, the program itself or the other program beside it; nothing is
// written.
TEST_F(Conversion, AnOutputThatIsAnInputOrTheProgramIsRefused) {
  WriteRuntimeFile(ProgramImage(kProgramHeadersSize));
  WriteBytes(Program / "zepplay.exe", "program");
  WriteBytes(Program / "zepplayc.exe", "console program");
  const std::string up = std::string("..") + kPathSeparator;
  const std::string& program = Program.Path();
  const std::string programFolder = program.substr(program.rfind(kPathSeparator, program.size() - 2) + 1);
  const std::string names[] = {std::string(".") + kPathSeparator + "Macro.zep",
                               up + programFolder + "Zepcom.dat", up + programFolder + "zepplay.exe",
                               up + programFolder + "zepplayc.exe"};
  const std::string settings = ReadBytes(SettingsPath), runtime = ReadBytes(RuntimeFile);
  for (const std::string& name : names) ExpectOutputRefused(name);
  EXPECT_EQ(ReadBytes(SettingsPath), settings);
  EXPECT_EQ(ReadBytes(RuntimeFile), runtime);
  EXPECT_EQ(ReadBytes(Program / "zepplay.exe"), "program");
  EXPECT_EQ(ReadBytes(Program / "zepplayc.exe"), "console program");
}

// Windows starts no program file of 4 GB or more: parts that reach that size together
// are refused before anything is written.
TEST_F(Conversion, ExecutableOf4GBIsRefusedBeforeAnythingIsWritten) {
  WriteSparseFile(RuntimeImage, kLargestExecutableSize - 10);
  WriteBytes(Attachment, std::string(11, 'a'));
  WriteBytes(OutputPath, "older executable");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  try {
    WriteExecutable(OutputPath, RuntimeImage, Attachment, Recorder());
    FAIL() << "no error";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kExecutableTooLarge, OutputPath)));
  }
  EXPECT_TRUE(Progress.empty());
  EXPECT_EQ(ReadBytes(OutputPath), "older executable");
  EXPECT_EQ(EntriesOf(Source.Path()), before);
}
