// What every command of the console program writes goes through the one guarded output:
// the files the program keeps are refused however the path spells them, "/" separates
// folders, and a target that holds the bytes already is left alone and counts as made.
#include <filesystem>

#include "common/Format.h"
#include "common/Texts.h"
#include "tests/console/ConsoleProgramFixture.h"

namespace {
class Outputs : public ConsoleProgram {
 protected:
  void SetUp() override {
    ConsoleProgram::SetUp();
    WriteBytes("prog\\zepplay.exe", "window program");
    WriteBytes("prog\\zepplayc.exe", "console program");
    ASSERT_EQ(0, Run({"--tray", kSettingsPath})) << Streams.Error;
  }
};

struct Protected {
  const char* Path;
  const char* Text;  // the console's words for it
};

// Each command that writes, into each file it must keep, by several spellings of it.
TEST_F(Outputs, EveryCommandRefusesEveryKeptFile) {
  const Protected kept[] = {{"prog\\Zepcom.dat", Texts::Console::kOutputIsRuntimeFile},
                            {"prog\\zepplay.exe", Texts::Console::kOutputIsProgram},
                            {"prog\\zepplayc.exe", Texts::Console::kOutputIsProgram},
                            {kSettingsPath, Texts::Console::kOutputIsSettingsFile},
                            {kExecutablePath, Texts::Console::kOutputIsExecutableRead}};
  const std::vector<std::string> prefixes = {"", "./", "data/../"};
  for (const Protected& file : kept) {
    const bool isSettings = file.Path == std::string(kSettingsPath);
    const bool isExecutable = file.Path == std::string(kExecutablePath);
    const std::string bytes = ReadBytes(file.Path);
    for (const std::string& prefix : prefixes) {
      const std::string target = prefix + file.Path;
      std::vector<std::vector<std::string>> commands;
      if (!isExecutable) commands.push_back({"--tray", "-o", target, kSettingsPath});
      if (!isSettings) commands.push_back({"--extract", "--force", "-o", target, kExecutablePath});
      for (const auto& command : commands) {
        SCOPED_TRACE(command[0] + " " + target);
        EXPECT_EQ(2, Run(command));
        EXPECT_EQ(Hex(ErrorLine(FormatText(file.Text, target) + "。")), Hex(Streams.Error));
        EXPECT_EQ(Hex(bytes), Hex(ReadBytes(file.Path)));
      }
    }
  }
  // An executable that Zephyr Player made, under the program's name, is not updated.
  WriteBytes("prog\\zepplay.exe", ReadBytes(kExecutablePath));
  EXPECT_EQ(2, Run({"--update", "--no-tray", "prog\\zepplay.exe"}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kOutputIsProgram, "prog\\zepplay.exe") + "。")),
            Hex(Streams.Error));
  EXPECT_EQ(Hex(ReadBytes(kExecutablePath)), Hex(ReadBytes("prog\\zepplay.exe")));
}

// A name that Windows would make into another file is refused as one that cannot be
// created, and nothing is written.
TEST_F(Outputs, ANameWindowsWouldChangeIsRefused) {
  const std::vector<std::string> before = EntriesOf("data\\");
  EXPECT_EQ(2, Run({"-o", "data\\a:b.exe", kSettingsPath}));
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kFileCreateError, "data\\a:b.exe") + "。")), Hex(Streams.Error));
  EXPECT_EQ(before, EntriesOf("data\\"));
}

// Scripts pass "/": the executable goes into the folder it names, under the name after
// it, and so does an extracted settings file.
TEST_F(Outputs, ASlashSeparatesFolders) {
  ASSERT_TRUE(MakeFolder("dir.v2"));
  WriteSettings("dir.v2/macro");
  WriteBytes("dir.exe", "an unrelated file");
  EXPECT_EQ(0, Run({"--tray", "dir.v2/macro"}));
  EXPECT_EQ("dir.v2/macro.exe\r\n", Streams.Output);
  EXPECT_EQ(0, Run({"--extract", "-o", "dir.v2/player.zep", "dir.v2/macro.exe"}));
  EXPECT_EQ(0, Run({"--extract", "dir.v2/macro.exe"}));
  EXPECT_EQ("an unrelated file", ReadBytes("dir.exe"));
  EXPECT_EQ(std::vector<std::string>({"macro", "macro.exe", "macro.zep", "player.zep"}),
            EntriesOf("dir.v2/"));
}

// A target with the bytes already is left as it is and counts as made, also when the
// user made it read-only; each command says so.
TEST_F(Outputs, AnIdenticalReadOnlyTargetIsMadeAlready) {
  ASSERT_EQ(0, Run({"--extract", "-o", "data\\back.zep", kExecutablePath}));
  const std::pair<std::vector<std::string>, std::string> commands[] = {
      {{"--tray", kSettingsPath}, FormatText(Texts::Console::kSameExecutableThere, kExecutablePath)},
      {{"--update", kExecutablePath}, FormatText(Texts::Console::kAlreadyUpToDate, kExecutablePath)},
      {{"--extract", "-o", "data\\back.zep", kExecutablePath},
       FormatText(Texts::Console::kSameFileThere, "data\\back.zep")}};
  SetReadOnly(kExecutablePath, true);
  SetReadOnly("data\\back.zep", true);
  for (const auto& [arguments, notice] : commands) {
    SCOPED_TRACE(arguments[0]);
    EXPECT_EQ(0, Run(arguments));
    EXPECT_EQ(Hex(ErrorLine(notice + "。")), Hex(Streams.Error));
  }
  SetReadOnly(kExecutablePath, false);
  SetReadOnly("data\\back.zep", false);
}
}  // namespace
