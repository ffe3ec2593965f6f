// The console program's run over a fake options store and recorded streams: which
// options the executable gets from the remembered ones and the switches, which command
// lines are refused, and where an interruption stops it.
#include <functional>

#include "common/Format.h"
#include "common/Texts.h"
#include "tests/support/TestFiles.h"
#include "console/ConsoleRun.h"
#include "tests/support/ConversionScratch.h"

namespace {
using Stored = std::vector<std::pair<std::string, std::string>>;

class RecordedStreams : public IConsoleStreams {
 public:
  void Write(ConsoleStream stream, const std::string& text) override {
    (stream == ConsoleStream::Output ? Output : Error) += text;
  }
  std::string Output, Error;
};

class ConsoleProgram : public ConversionScratch {
 protected:
  void SetUp() override {
    WriteSettings(kSettingsPath);
    InstallRuntime();
  }
  int Run(std::vector<std::string> arguments, std::function<bool()> interrupted = {}) {
    Streams = RecordedStreams();
    const ConsoleRunFacts facts{"prog\\zepplayc.exe", "work\\", std::move(arguments),
                                std::move(interrupted)};
    return RunConsoleProgram(facts, Store, Streams);
  }
  static std::string ErrorLine(const std::string& text) {
    return Texts::Console::kLinePrefix + text + "\r\n";
  }
  std::string ExecutableColumns() const {
    return OptionColumns(ReadBytes(kExecutablePath).substr(std::string(kRuntimeImage).size()));
  }

  RecordedStreams Streams;
};

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
        OptionsCase{"TrayFreesTheFlags",
                    {},
                    {"--no-exit-on-key", "--tray", "--no-autoplay"},
                    "Z-01"},
        OptionsCase{"TheLastOfASwitchWins",
                    {{"rad2", "1"}},
                    {"--no-exit-at-end", "--exit-at-end", "--tray", "--no-tray"},
                    "1)11"},
        OptionsCase{"ALockedFlagMayBeSwitchedOn", {}, {"--autoplay"}, "1)11"},
        OptionsCase{"NoTrayWithAFlagOff", {{"rad2", "1"}}, {"--no-tray", "--no-exit-at-end"}, ""},
        OptionsCase{"RememberedNothingWithAFlagOff", {}, {"--no-autoplay"}, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ConsoleProgram, RefusesACommandLineItCannotFollow) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, Texts::Console::kNoSettingsFile},
      {{kSettingsPath, "other.zep"}, FormatText(Texts::Console::kSecondSettingsFile, "other.zep")},
      {{"-s", kSettingsPath}, FormatText(Texts::Console::kUnknownOption, "-s")},
      {{kSettingsPath, "-o"}, FormatText(Texts::Console::kNoOutputPath, "-o")},
      {{"--no-autoplay", kSettingsPath},
       FormatText(Texts::Console::kFlagNeedsTray, "--no-autoplay")}};
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

// Every step is a chance to stop: before loading, before making, and at each progress
// step until the executable takes its place. Stopped, the run made nothing, says so,
// and leaves no intermediate file.
TEST_F(ConsoleProgram, AnInterruptionStopsBeforeTheNextStep) {
  for (int askedAt = 1;; ++askedAt) {
    SCOPED_TRACE(askedAt);
    int asked = 0;
    const int exitCode = Run({kSettingsPath}, [&] { return ++asked >= askedAt; });
    if (exitCode == 0) {
      EXPECT_EQ(6, askedAt);  // two steps and three progress reports
      break;
    }
    EXPECT_EQ(2, exitCode);
    EXPECT_EQ(Hex(ErrorLine(std::string(Texts::Console::kInterrupted) + ".")), Hex(Streams.Error));
    EXPECT_FALSE(PathExists(kExecutablePath));
    EXPECT_FALSE(PathExists("work\\Player.dat"));
    EXPECT_FALSE(PathExists("work\\Attach.zep"));
    ASSERT_LT(askedAt, 6);
  }
}

}  // namespace
