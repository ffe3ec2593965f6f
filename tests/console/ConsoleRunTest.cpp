// The console program's run over a fake options store and recorded streams: which
// options the executable gets from the remembered ones and the switches, which command
// lines are refused, where an interruption stops it, and how each failure is told.
#include <functional>

#include "cipher/BlowfishErrors.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"
#include "console/ConsoleMessages.h"
#include "console/ConsoleRun.h"
#include "platform/ForeignCharacters.h"
#include "tests/console/ConsoleProgramFixture.h"

namespace {
using Stored = std::vector<std::pair<std::string, std::string>>;

struct OptionsCase {
  const char* Name;
  Stored Remembered;
  std::vector<std::string> Switches;
  const char* Columns;  // 1, 57, 70, 71 of the executable's header; "" when refused
};

class ConsoleOptions : public ConsoleProgram, public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(ConsoleOptions, FollowTheWindowsRule) {
  for (const auto& [name, text] : GetParam().Remembered) Store.StoreText(name, text);
  std::vector<std::string> arguments = GetParam().Switches;
  arguments.push_back(kSettingsPath);
  const std::string expected = GetParam().Columns;
  EXPECT_EQ(expected.empty() ? 4 : 0, Run(arguments)) << Streams.Error;
  if (expected.empty())
    EXPECT_FALSE(PathExists(kExecutablePath));
  else
    EXPECT_EQ(expected, ExecutableColumns());
  EXPECT_TRUE(Store.Writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ConsoleOptions,
    ::testing::Values(
        OptionsCase{"NothingRemembered", {}, {}, "1)11"},
        OptionsCase{"RememberedTray", {{"rad1", "0"}, {"rad2", "1"}, {"Douji", "0"}}, {}, "1-01"},
        // The flags as the window shows them: forced on while rad1 was remembered.
        OptionsCase{"TrayKeepsTheShownFlags", {{"Douji", "0"}}, {"--tray"}, "1-11"},
        OptionsCase{"NoTrayForcesTheFlags",
                    {{"rad1", "0"}, {"rad2", "1"}, {"Douji", "0"}, {"HotClose", "0"}},
                    {"--no-tray"},
                    "1)11"},
        OptionsCase{"TrayFreesTheFlags", {}, {"--no-exit-on-key", "--tray", "--no-autoplay"}, "Z-01"},
        OptionsCase{"TheLastOfASwitchWins",
                    {{"rad2", "1"}},
                    {"--no-exit-at-end", "--exit-at-end", "--tray", "--no-tray"},
                    "1)11"},
        OptionsCase{"ALockedFlagMayBeSwitchedOn", {}, {"--autoplay"}, "1)11"},
        OptionsCase{"NoTrayWithAFlagOff", {{"rad2", "1"}}, {"--no-tray", "--no-exit-at-end"}, ""},
        OptionsCase{"RememberedNothingWithAFlagOff", {}, {"--no-autoplay"}, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ConsoleProgram, RefusesACommandLineItCannotFollow) {
  // Each line is one sentence, ending with "。" once.
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, Texts::Console::kNoSettingsFile + std::string("。")},
      {{"-o", "a.exe", kSettingsPath, kSettingsPath},
       FormatText(Texts::Console::kOutputWithManyFiles, 2) + "。"},
      {{"--inspect", "--update", kExecutablePath},
       FormatText(Texts::Console::kNotTogether, "--inspect", "--update") + "。"},
      {{"--extract", "--tray", kExecutablePath},
       FormatText(Texts::Console::kNotTogether, "--tray", "--extract") + "。"},
      {{"--json", kExecutablePath},
       FormatText(Texts::Console::kOptionNeedsCommand, "--json", "--inspect") + "。"},
      {{"-s", kSettingsPath}, FormatText(Texts::Console::kUnknownOption, "-s") + "。"},
      {{kSettingsPath, "-o"}, FormatText(Texts::Console::kNoOutputPath, "-o")},
      {{"--no-autoplay", kSettingsPath}, FormatText(Texts::Console::kFlagNeedsTray, "--no-autoplay")}};
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(message);
    EXPECT_EQ(4, Run(arguments));
    EXPECT_EQ(Hex(ErrorLine(message)), Hex(Streams.Error));
    EXPECT_EQ("", Streams.Output);
  }
  EXPECT_FALSE(PathExists(kExecutablePath));
  // Help wins over everything else.
  EXPECT_EQ(0, Run({"--bogus", "--help"}));
  EXPECT_EQ(Texts::Console::kHelp, Streams.Output);
}

// Every step is a chance to stop: before the file, before loading, before making, and at
// each progress step until the executable takes its place. Stopped, the run made
// nothing, says so, and leaves no file behind.
TEST_F(ConsoleProgram, AnInterruptionStopsBeforeTheNextStep) {
  const std::vector<std::string> Entries = EntriesOf(".");
  for (int askedAt = 1;; ++askedAt) {
    SCOPED_TRACE(askedAt);
    int asked = 0;
    const int exitCode = Run({kSettingsPath}, [&] { return ++asked >= askedAt; });
    if (exitCode == 0) {
      EXPECT_EQ(7, askedAt);  // three steps and three progress reports
      break;
    }
    EXPECT_EQ(2, exitCode);
    EXPECT_EQ(Hex(ErrorLine(std::string(Texts::Console::kInterrupted) + "。")), Hex(Streams.Error));
    EXPECT_FALSE(PathExists(kExecutablePath));
    EXPECT_EQ(Entries, EntriesOf("."));
    ASSERT_LT(askedAt, 7);
  }
}

// The runtime file deciphers into no program, or is no enciphered file at all: the line
// says that Zepcom.dat is damaged, in Japanese, and nothing is made.
TEST_F(ConsoleProgram, ADamagedRuntimeFileIsNamed) {
  const std::string expected = ErrorLine(FormatText(Texts::kRuntimeDamaged, "prog\\Zepcom.dat") + "。");
  for (const std::string& runtimeFile : {std::string(1001, 'x'), std::string(1000, 'x')}) {
    SCOPED_TRACE(runtimeFile.size());
    WriteBytes("prog\\Zepcom.dat", runtimeFile);
    EXPECT_EQ(2, Run({kSettingsPath}));
    EXPECT_EQ(Hex(expected), Hex(Streams.Error));
    EXPECT_FALSE(PathExists(kExecutablePath));
  }
}

// An output the conversion never writes over: the line says what it is.
TEST_F(ConsoleProgram, ARefusedOutputSaysWhyItIsRefused) {
  WriteBytes("prog\\zepplayc.exe", "the console program");
  const std::pair<std::string, const char*> cases[] = {
      {kSettingsPath, Texts::Console::kOutputIsSettingsFile},
      {"prog\\Zepcom.dat", Texts::Console::kOutputIsRuntimeFile},
      {"prog\\zepplayc.exe", Texts::Console::kOutputIsProgram}};
  for (const auto& [output, text] : cases) {
    SCOPED_TRACE(output);
    EXPECT_EQ(2, Run({"-o", output, kSettingsPath}));
    EXPECT_EQ(Hex(ErrorLine(FormatText(text, output) + "。")), Hex(Streams.Error));
  }
  EXPECT_EQ("the console program", ReadBytes("prog\\zepplayc.exe"));
}

// A path that no file call takes is named as such, not as a file that does not exist.
TEST_F(ConsoleProgram, APathThatNoFileCallTakesIsNamed) {
  const std::string foreign = "data\\" + EscapedUnits(u"\U0002000B") + ".zep";  // 𠀋.zep
  EXPECT_EQ(2, Run({foreign}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kForeignCharacters, foreign) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(2, Run({"-o", foreign, kSettingsPath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kForeignCharacters, foreign) + "。")),
            Hex(Streams.Error));
  const std::string tooLong = "data\\" + std::string(300, 'a') + ".zep";
  EXPECT_EQ(2, Run({tooLong}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kPathTooLong, tooLong.c_str(), 259) + "。")),
            Hex(Streams.Error));
  EXPECT_FALSE(PathExists(kExecutablePath));
}

// A header line too short for the option columns, completed with blanks, and a NUL byte
// that ends what is read: converted, each with a warning naming the file, and the run
// succeeds.
TEST_F(ConsoleProgram, WhatAPlayerMayNotExpectIsConvertedWithAWarning) {
  const std::string header = FreshHeader().substr(0, 40);
  WriteBytes(kSettingsPath, header + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
  EXPECT_EQ(0, Run({kSettingsPath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kShortHeader, kSettingsPath, 40) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(std::string(kExecutablePath) + "\r\n", Streams.Output);

  WriteBytes(kSettingsPath, SettingsFileBytes({"1", "2", "3", "4", std::string("5 and\0 more", 11), "6"}));
  EXPECT_EQ(0, Run({kSettingsPath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kTextAfterNul, kSettingsPath, 6) + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(std::string(kExecutablePath) + "\r\n", Streams.Output);
  const std::string executable = ReadBytes(kExecutablePath);
  EXPECT_EQ("5 and\r\n", executable.substr(executable.size() - 7));
}

// Each file in turn, a pattern's in the order of their names: the failures are told one
// line each and the exit code is the worst of them.
TEST_F(ConsoleProgram, ManyFilesGoOnAfterAFailureAndEndWithTheWorstCode) {
  WriteSettings("data\\second.zep");
  WriteBytes("data\\bad.zep", "no settings file");
  const std::string tooLong = "data\\" + std::string(300, 'a') + ".zep";
  EXPECT_EQ(2, Run({"data\\*.zep", "data\\x*.zep", tooLong}));
  EXPECT_EQ("data\\macro.exe\r\ndata\\second.exe\r\n", Streams.Output);
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kNotSettingsFile, "data\\bad.zep") + "。") +
                ErrorLine(FormatText(Texts::Console::kNothingMatches, "data\\x*.zep") + "。") +
                ErrorLine(FormatText(Texts::Console::kPathTooLong, tooLong.c_str(), 259) + "。")),
            Hex(Streams.Error));
  EXPECT_FALSE(PathExists("data\\bad.exe"));
}

// Each reason an error carries has the console's own words, naming its file; an error
// that names no file is told with the file worked on.
TEST(ConsoleMessages, EveryErrorIsToldWithAFile) {
  const std::string path = "out\\a.exe";
  const std::pair<ErrorReason, const char*> reasons[] = {
      {ErrorReason::OutputIsSettingsFile, Texts::Console::kOutputIsSettingsFile},
      {ErrorReason::OutputIsRuntimeFile, Texts::Console::kOutputIsRuntimeFile},
      {ErrorReason::OutputIsProgram, Texts::Console::kOutputIsProgram},
      {ErrorReason::OutputIsExecutableRead, Texts::Console::kOutputIsExecutableRead},
      {ErrorReason::DiskFull, Texts::Console::kDiskFull},
      {ErrorReason::NotWritten, Texts::Console::kNotWritten},
      {ErrorReason::RuntimeDamaged, Texts::kRuntimeDamaged}};
  for (const auto& [reason, text] : reasons)
    EXPECT_EQ(Hex(FormatText(text, path)), Hex(ConsoleErrorText(EWriteError("message", reason, path), "in")));
  EXPECT_EQ("message", ConsoleErrorText(EFCreateError("message", ErrorReason::Unspecified, path), "in"));
  EXPECT_EQ("in: message", ConsoleErrorText(EReadError("message"), "in"));
}

}  // namespace
