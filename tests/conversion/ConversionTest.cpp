// The conversion on real files: the generated executable is the runtime image followed
// by the settings with their options, whatever the sizes; expected failures and errors
// leave every file as it was and nothing new behind.
#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/support/ProgramImage.h"

namespace {
class Conversion : public ConversionFixture {};

class ConversionOfImageSize : public ConversionFixture, public ::testing::WithParamInterface<size_t> {};

// Headers only, exactly one cipher buffer, one byte more, and several MiB in many chunks.
INSTANTIATE_TEST_SUITE_P(Sizes, ConversionOfImageSize,
                         ::testing::Values(kProgramHeadersSize, 4096, 4097, 3 * 1024 * 1024 + 5));
}  // namespace

TEST_P(ConversionOfImageSize, ExecutableIsRuntimeImageFollowedBySettings) {
  const std::string image = ProgramImage(GetParam(), 1);
  WriteRuntimeFile(image);
  ASSERT_EQ(MakeOutcome::Made, Convert());
  EXPECT_EQ(Progress, (std::vector<int>{33, 66, 100}));
  ExpectFileBytes(OutputPath, image + SettingsPart());
  EXPECT_EQ(std::vector<std::string>({"Macro.exe", "Macro.zep"}), EntriesOf(Source.Path()));
}

// Every line ends with CR LF, whatever ended it in the file, and a second conversion of
// what the first wrote changes nothing.
TEST_F(Conversion, SettingsPartIsEveryLineWithCrLf) {
  WriteRuntimeFile(ProgramImage(kProgramHeadersSize));
  WriteBytes(SettingsPath, SettingsFileBytes({"a", "", "c", "d", "e"}, "\n"));
  ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, SettingsPath));
  ASSERT_EQ(MakeOutcome::Made, Convert());
  const std::string executable = ReadBytes(OutputPath);
  const std::string settings = executable.substr(kProgramHeadersSize);
  EXPECT_EQ(Hex(settings.substr(180)), Hex("\r\na\r\n\r\nc\r\nd\r\ne\r\n"));
  WriteBytes(SettingsPath, settings);
  ASSERT_EQ(SettingsCheck::Accepted, LoadSettings(Settings, Warnings, SettingsPath));
  EXPECT_EQ(MakeOutcome::Unchanged, Convert());
}

// A larger executable is replaced whole: nothing of it stays behind the new bytes.
TEST_F(Conversion, ALargerExecutableIsReplacedWhole) {
  WriteRuntimeFile(ProgramImage(5 * 1024 * 1024, 2));
  ASSERT_EQ(MakeOutcome::Made, Convert());
  const std::string tiny = ProgramImage(kProgramHeadersSize);
  WriteRuntimeFile(tiny);
  ASSERT_EQ(MakeOutcome::Made, Convert());
  ExpectFileBytes(OutputPath, tiny + SettingsPart());
  EXPECT_EQ(std::vector<std::string>({"Macro.exe", "Macro.zep"}), EntriesOf(Source.Path()));
}

TEST_F(Conversion, MissingRuntimeFileCreatesNothing) {
  WriteBytes(OutputPath, "older executable");
  EXPECT_EQ(MakeOutcome::RuntimeMissing, Convert());
  EXPECT_EQ(Progress, std::vector<int>{33});
  EXPECT_EQ(ReadBytes(OutputPath), "older executable");
  EXPECT_EQ(std::vector<std::string>({"Macro.exe", "Macro.zep"}), EntriesOf(Source.Path()));
}

TEST_F(Conversion, SettingsNotAcceptedAreNeverConverted) {
  WriteRuntimeFile(ProgramImage(kProgramHeadersSize));
  WriteBytes(SettingsPath, "no settings");
  EXPECT_EQ(SettingsCheck::WrongFormat, LoadSettings(Settings, Warnings, SettingsPath));
  EXPECT_EQ(MakeOutcome::SettingsRejected, Convert());
  EXPECT_TRUE(Progress.empty());
  EXPECT_FALSE(PathExists(OutputPath));
}

// A runtime file that is no enciphered file, or deciphers into no program (cut short,
// or made from no program at all), would give an executable that Windows refuses to
// start: nothing is written, the older executable stays, and the error names the
// runtime file with its reason.
TEST_F(Conversion, ADamagedRuntimeIsRefusedBeforeTheOutputIsTouched) {
  WriteBytes(OutputPath, "older executable");
  const std::vector<std::string> before = EntriesOf(Source.Path());
  const struct {
    std::string Image;
    bool Enciphered;
  } runtimes[] = {{"12345", false},
                  {ProgramImage(0x2000, 5).substr(0, 1000), true},
                  {RandomBytes(0x2000, 6), true},
                  {"", true}};
  for (const auto& runtime : runtimes) {
    SCOPED_TRACE(runtime.Image.size());
    Progress.clear();
    if (runtime.Enciphered)
      WriteRuntimeFile(runtime.Image);
    else
      WriteBytes(RuntimeFile, runtime.Image);
    try {
      Convert();
      ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
      EXPECT_EQ(ErrorReason::RuntimeDamaged, error.Reason());
      EXPECT_EQ(RuntimeFile, error.Path());
      if (runtime.Enciphered) {
        EXPECT_EQ(Hex(error.Message()), Hex(FormatText(Texts::kRuntimeDamaged, RuntimeFile)));
      }
    }
    EXPECT_EQ(Progress, std::vector<int>{33});
    EXPECT_EQ(ReadBytes(OutputPath), "older executable");
    EXPECT_EQ(EntriesOf(Source.Path()), before);
  }
}
