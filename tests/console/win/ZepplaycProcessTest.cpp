// zepplayc.exe as a batch file or a build pipeline runs it: standard output and
// standard error redirected, the exit code tested, the remembered options read and
// never written, nothing left in the temporary folder, and runs beside each other and
// beside the window's files that do not disturb each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "common/Format.h"
#include "common/Texts.h"
#include "tests/support/ProcessDriver.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

namespace {
// The runtime image that Zepcom.dat enciphers.
std::string RuntimeImage() { return ReadBytes(ProgramFolder() + "demo_player.exe"); }

// A warning or error as the console writes it: one line, after the program's name.
std::string ErrorLine(std::string text) {
  const auto lineBreak = [](char c) { return c == '\r' || c == '\n'; };
  text.erase(std::remove_if(text.begin(), text.end(), lineBreak), text.end());
  return Texts::Console::kLinePrefix + text + "\r\n";
}

// The folders of console runs in the temporary folder.
std::vector<std::string> WorkFoldersLeft() {
  std::vector<std::string> left;
  for (const std::string& name : EntriesOf(SystemTempFolder()))
    if (name.compare(0, 8, "zepplayc") == 0) left.push_back(name);
  return left;
}

class ZepplaycProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteOptionsKey();
    WriteBytes(SettingsPath(), SettingsFileBytes({"a", "b", "c", "d", "e"}));
  }
  void TearDown() override {
    DeleteOptionsKey();
    EXPECT_EQ(std::vector<std::string>{}, WorkFoldersLeft());
  }

  std::string SettingsPath() const { return folder_ / "macro.zep"; }
  std::string ExecutablePath() const { return folder_ / "macro.exe"; }
  static std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

  // The executable is the runtime image followed by the settings file whose header
  // carries options (columns 1, 57, 70, 71).
  static void ExpectExecutable(const std::string& path, const std::string& settings,
                               const std::string& options) {
    const std::string image = RuntimeImage(), executable = ReadBytes(path);
    ASSERT_EQ(image.size() + settings.size(), executable.size()) << path;
    EXPECT_EQ(image, executable.substr(0, image.size()));
    const std::string attachment = executable.substr(image.size());
    EXPECT_EQ(options, std::string() + attachment[0] + attachment[56] + attachment[69] + attachment[70]);
    EXPECT_EQ(settings.substr(settings.find('\n')), attachment.substr(attachment.find('\n')));
  }

  TempFolder folder_;
};

TEST_F(ZepplaycProcess, MakesTheExecutableWithTheRememberedOptionsAndWritesItsPath) {
  PlantText("rad1", "0");
  PlantText("rad2", "1");
  PlantText("Douji", "0");
  const ConsoleOutcome run = ConsoleRun(Quoted(SettingsPath())).Finish();
  EXPECT_EQ(0, run.ExitCode);
  EXPECT_EQ(ExecutablePath() + "\r\n", run.Output);
  EXPECT_EQ("", run.Error);
  ExpectExecutable(ExecutablePath(), ReadBytes(SettingsPath()), "1-01");
  EXPECT_EQ(3u, FormValues().size());  // read, never written
}

TEST_F(ZepplaycProcess, MakesTheExecutableWhereMinusOSaysWithTheSwitchesApplied) {
  ASSERT_TRUE(MakeFolder(folder_ / "out"));
  const std::string output = folder_ / "out\\made.exe";
  const ConsoleOutcome run =
      ConsoleRun("--tray --no-exit-on-key -o " + Quoted(output) + " " + Quoted(SettingsPath())).Finish();
  EXPECT_EQ(0, run.ExitCode);
  EXPECT_EQ(output + "\r\n", run.Output);
  ExpectExecutable(output, ReadBytes(SettingsPath()), "Z-11");
  EXPECT_FALSE(PathExists(ExecutablePath()));
  EXPECT_FALSE(OptionsKeyExists());  // no key was created
}

TEST_F(ZepplaycProcess, EachWarningOrErrorIsOneLineOfStandardError) {
  WriteBytes(folder_ / "short.zep", SettingsFileBytes({"a"}));
  ASSERT_TRUE(MakeFolder(folder_ / "taken.exe"));
  const struct {
    std::string Arguments;
    int ExitCode;
    std::string Line;
  } cases[] = {
      {Quoted(folder_ / "none.zep"), 1,
       ErrorLine(FormatText(Texts::Console::kFileMissing, folder_ / "none.zep") + "。")},
      {Quoted(folder_ / "short.zep"), 1,
       ErrorLine(FormatText(Texts::Console::kNotSettingsFile, folder_ / "short.zep") + "。")},
      {"-o " + Quoted(folder_ / "taken.exe") + " " + Quoted(SettingsPath()), 2,
       ErrorLine(FormatText(Texts::kFileCreateError, folder_ / "taken.exe") + "。")},
      {"--no-tray --no-autoplay " + Quoted(SettingsPath()), 4,
       ErrorLine(FormatText(Texts::Console::kFlagNeedsTray, "--no-autoplay"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Arguments);
    const ConsoleOutcome run = ConsoleRun(c.Arguments).Finish();
    EXPECT_EQ(c.ExitCode, run.ExitCode);
    EXPECT_EQ(Hex(c.Line), Hex(run.Error));
    EXPECT_EQ("", run.Output);
  }
  EXPECT_EQ((std::vector<std::string>{"macro.zep", "short.zep", "taken.exe"}), EntriesOf(folder_.Path()));
}

// Two runs at once, while the window's intermediate files of an earlier run lie in the
// temporary folder: each makes its own executable, and the window's files stay.
TEST_F(ZepplaycProcess, RunsBesideAnotherCopyAndBesideTheWindowsFiles) {
  const std::string player = SystemTempFolder() + "Player.dat";
  const std::string attachment = SystemTempFolder() + "Attach.zep";
  WriteBytes(player, "the window's runtime image");
  WriteBytes(attachment, "the window's attachment");
  // Long enough for the two runs to overlap.
  std::vector<std::string> first(20000, "first"), second(30000, "second");
  WriteBytes(folder_ / "first.zep", SettingsFileBytes(first));
  WriteBytes(folder_ / "second.zep", SettingsFileBytes(second));

  ConsoleRun runFirst(Quoted(folder_ / "first.zep")), runSecond(Quoted(folder_ / "second.zep"));
  EXPECT_EQ(0, runFirst.Finish().ExitCode);
  EXPECT_EQ(0, runSecond.Finish().ExitCode);
  ExpectExecutable(folder_ / "first.exe", ReadBytes(folder_ / "first.zep"), "1)11");
  ExpectExecutable(folder_ / "second.exe", ReadBytes(folder_ / "second.zep"), "1)11");
  EXPECT_EQ("the window's runtime image", ReadBytes(player));
  EXPECT_EQ("the window's attachment", ReadBytes(attachment));
  std::remove(player.c_str());
  std::remove(attachment.c_str());
}

// Both programs run from any folder, also one whose name holds a double-byte character
// with "\" as its second byte (表 is 95 5C): they find Zepcom.dat beside themselves and
// write the executable beside the settings file.
TEST_F(ZepplaycProcess, BothProgramsRunFromAFolderWhoseNameEndsInA5CByte) {
  const std::string programs = folder_ / "\x95\x5C\\";  // 表
  ASSERT_TRUE(MakeFolder(programs));
  for (const char* file : {"zepplay.exe", "zepplayc.exe", "Zepcom.dat"})
    ASSERT_TRUE(CopyFileA((ProgramFolder() + file).c_str(), (programs + file).c_str(), FALSE));
  const std::string settings = programs + "\x95\x5C.zep", executable = programs + "\x95\x5C.exe";
  WriteBytes(settings, ReadBytes(SettingsPath()));

  ZepplayRun window("-s " + Quoted(settings), programs + "zepplay.exe");
  EXPECT_EQ(0, window.WaitForExit());
  ExpectExecutable(executable, ReadBytes(settings), "1)11");
  ASSERT_EQ(0, std::remove(executable.c_str()));

  const ConsoleOutcome run = ConsoleRun(Quoted(settings), programs + "zepplayc.exe").Finish();
  EXPECT_EQ(0, run.ExitCode);
  EXPECT_EQ(executable + "\r\n", run.Output);
  ExpectExecutable(executable, ReadBytes(settings), "1)11");
}

// On the console the line shows as its characters, whatever the console's code page:
// here Western European, which has none of them.
TEST_F(ZepplaycProcess, TheConsoleShowsTheCharactersWhateverItsCodePage) {
  const TestConsole console(1252);
  ASSERT_TRUE(console.IsReady());
  ZepplayRun run("無い.zep", ProgramFolder() + "zepplayc.exe", console.Screen(), console.Screen());
  EXPECT_EQ(1, run.WaitForExit());
  EXPECT_EQ(L"zepplayc: ファイル 無い.zep が見つかりません。", console.Line(0));
}

// A console set to UTF-8 (as PowerShell sets it for its own reading) receives the line
// in UTF-8 when standard error is redirected; without a console it comes in cp932, as
// in the tests above.
TEST_F(ZepplaycProcess, ARedirectedLineFollowsTheConsolesCodePage) {
  ConsoleOutcome run;
  {
    const TestConsole console(65001);
    ASSERT_TRUE(console.IsReady());
    run = ConsoleRun("無い.zep").Finish();
  }
  EXPECT_EQ(1, run.ExitCode);
  EXPECT_EQ(Hex(u8"zepplayc: ファイル 無い.zep が見つかりません。\r\n"), Hex(run.Error));
}

// A Zepcom.dat that is cut short (a multiple of 8 still), that holds random bytes, or
// that is no enciphered file at all: both programs refuse it with exit code 2 before
// anything is written, and an older executable stays as it was.
TEST_F(ZepplaycProcess, ADamagedRuntimeFileMakesNothingAndKeepsTheOlderExecutable) {
  const std::string programs = folder_ / "programs\\";
  ASSERT_TRUE(MakeFolder(programs));
  for (const char* file : {"zepplay.exe", "zepplayc.exe"})
    ASSERT_TRUE(CopyFileA((ProgramFolder() + file).c_str(), (programs + file).c_str(), FALSE));
  const std::string runtime = ReadBytes(ProgramFolder() + "Zepcom.dat");
  WriteBytes(ExecutablePath(), "a good older executable");
  const std::vector<std::string> before = EntriesOf(folder_.Path());
  const std::string damaged[] = {runtime.substr(0, 1000), RandomBytes(205832, 8), runtime.substr(0, 1001)};
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(bytes.size());
    WriteBytes(programs + "Zepcom.dat", bytes);
    const ConsoleOutcome run = ConsoleRun(Quoted(SettingsPath()), programs + "zepplayc.exe").Finish();
    EXPECT_EQ(2, run.ExitCode);
    EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kRuntimeDamaged, programs + "Zepcom.dat") + "。")),
              Hex(run.Error));
    EXPECT_EQ("", run.Output);
    EXPECT_EQ("a good older executable", ReadBytes(ExecutablePath()));
    EXPECT_EQ(before, EntriesOf(folder_.Path()));
  }
  WriteBytes(programs + "Zepcom.dat", damaged[0]);
  ZepplayRun window("-s " + Quoted(SettingsPath()), programs + "zepplay.exe");
  HWND box = WaitForBox(window.Id(), Texts::kSilentRunCaption);
  ASSERT_TRUE(box);
  const std::vector<std::string> texts = TextsOf(box);
  const std::string report = FormatText(Texts::kRuntimeDamaged, programs + "Zepcom.dat") + ".";
  EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), report));
  ClickOk(box);
  EXPECT_EQ(2, window.WaitForExit());
  EXPECT_EQ("a good older executable", ReadBytes(ExecutablePath()));
  EXPECT_EQ(before, EntriesOf(folder_.Path()));
}

// A read-only executable is kept, with its attribute; in a folder so deep that the
// executable's path is 250 characters long, the executable is made.
TEST_F(ZepplaycProcess, AReadOnlyExecutableStaysAndADeepFolderWorks) {
  WriteBytes(ExecutablePath(), "protected");
  ASSERT_TRUE(SetFileAttributesA(ExecutablePath().c_str(), FILE_ATTRIBUTE_READONLY));
  ConsoleOutcome run = ConsoleRun(Quoted(SettingsPath())).Finish();
  const DWORD attributes = GetFileAttributesA(ExecutablePath().c_str());
  SetFileAttributesA(ExecutablePath().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(2, run.ExitCode);
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::kOutputReadOnly, ExecutablePath()) + "。")), Hex(run.Error));
  EXPECT_EQ(DWORD{FILE_ATTRIBUTE_READONLY}, attributes & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ("protected", ReadBytes(ExecutablePath()));

  char full[MAX_PATH];
  const size_t length = GetFullPathNameA(folder_.Path().c_str(), MAX_PATH, full, nullptr);
  const std::string deep = folder_ / std::string(250 - length - 6, 'd');
  ASSERT_TRUE(MakeFolder(deep));
  WriteBytes(deep + "\\a.zep", ReadBytes(SettingsPath()));
  run = ConsoleRun(Quoted(deep + "\\a.zep")).Finish();
  EXPECT_EQ(0, run.ExitCode) << run.Error;
  EXPECT_EQ(250u, run.Output.size() - 2);
  ExpectExecutable(deep + "\\a.exe", ReadBytes(SettingsPath()), "1)11");
}

// Names with characters that the code page lacks reach the program in UTF-16: it says
// so, instead of "the file does not exist" for a file that exists.
TEST_F(ZepplaycProcess, ANameWithCharactersOutsideTheCodePageIsNamedAsSuch) {
  for (const std::wstring& name : {std::wstring(L"\U0002000B.zep"), std::wstring(L"\u00E9\u20AC.zep")}) {
    const std::wstring path = Widen(folder_.Path()) + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const std::string settings = ReadBytes(SettingsPath());
    DWORD written = 0;
    WriteFile(file, settings.data(), static_cast<DWORD>(settings.size()), &written, nullptr);
    CloseHandle(file);
    // As the program sees it: the folder, then "?" for each character it cannot take.
    char shown[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, shown, MAX_PATH, "?", nullptr);
    const ConsoleOutcome run = ConsoleRun(L"\"" + path + L"\"").Finish();
    EXPECT_EQ(2, run.ExitCode);
    EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kForeignCharacters, shown) + "。")), Hex(run.Error));
    EXPECT_EQ("", run.Output);
    DeleteFileW(path.c_str());
  }
}

// A pattern matches names by what they are, not as the code page's look-alikes (ä.zep as
// a.zep); one it cannot spell is refused naming it: whole on a console, "?" in a pipe.
TEST_F(ZepplaycProcess, APatternMatchesNamesOutsideTheCodePageByTheirRealNames) {
  const std::wstring foreign = Widen(folder_.Path()) + L"\u00E4.zep";
  WriteBytes(folder_ / "a.zep", ReadBytes(SettingsPath()));
  HANDLE file = CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  CloseHandle(file);
  const CurrentFolder inFolder(folder_.Path());
  const ConsoleOutcome run = ConsoleRun("?.zep").Finish();
  EXPECT_EQ(2, run.ExitCode);
  EXPECT_EQ("a.exe\r\n", run.Output);
  EXPECT_EQ(Hex(ErrorLine(FormatText(Texts::Console::kForeignCharacters, "?.zep") + "。")), Hex(run.Error));
  {
    const TestConsole console(932);
    ASSERT_TRUE(console.IsReady());
    ZepplayRun shown(L"?.zep \u20AC.zep", ProgramFolder() + "zepplayc.exe", console.Screen(),
                     console.Screen());
    EXPECT_EQ(2, shown.WaitForExit());
    std::wstring lines;
    for (int row = 0; row < 8; ++row) lines += L"\n" + console.Line(row);
    EXPECT_NE(std::wstring::npos, lines.find(L"\nzepplayc: \u00E4.zep には")) << Narrow(lines, CP_ACP);
    EXPECT_NE(std::wstring::npos, lines.find(L"\nzepplayc: \u20AC.zep には")) << Narrow(lines, CP_ACP);
  }
  DeleteFileW(foreign.c_str());
}

// A kill at any moment of an update, from the start of the process to its end: the
// executable is the older one or the new one, whole, and nothing else is left beside it
// or in the temporary folder.
TEST_F(ZepplaycProcess, AKillAtAnyMomentLeavesOneWholeExecutableAndNothingElse) {
  WriteBytes(SettingsPath(), SettingsFileBytes(std::vector<std::string>(300000,
                                                                        "step,\x83}\x83"
                                                                        "E\x83X,340,0")));
  ASSERT_EQ(0, ConsoleRun(Quoted(SettingsPath())).Finish().ExitCode);
  const std::string older = ReadBytes(ExecutablePath());
  const std::string update = "--update --tray " + Quoted(ExecutablePath());
  const DWORD started = GetTickCount();
  ASSERT_EQ(0, ConsoleRun(update).Finish().ExitCode);
  const DWORD duration = GetTickCount() - started;
  const std::string newer = ReadBytes(ExecutablePath());
  ASSERT_NE(Hex(older), Hex(newer));
  const std::vector<std::string> entries = EntriesOf(folder_.Path());
  std::mt19937 random(GetTickCount());
  for (int round = 0; round < 8; ++round) {
    WriteBytes(ExecutablePath(), older);
    // Without a console: Wine may leave the console host of a process it ends while that
    // starts, and the host keeps the test's own output open.
    ConsoleRun run(update, "", DETACHED_PROCESS);
    const DWORD delay = static_cast<DWORD>(random() % (duration + 1));
    SCOPED_TRACE(FormatText("killed after %lu of %lu ms", static_cast<unsigned long>(delay),
                            static_cast<unsigned long>(duration)));
    Sleep(delay);
    run.Kill();
    const std::string left = ReadBytes(ExecutablePath());
    EXPECT_TRUE(left == older || left == newer);
    EXPECT_TRUE(WaitFor([&] { return EntriesOf(folder_.Path()) == entries; }));
  }
}

// The folder an earlier version's run left in the temporary folder, with the runtime
// in the clear, goes; one that holds anything else stays.
TEST_F(ZepplaycProcess, RemovesTheWorkFoldersThatEarlierVersionsLeft) {
  // Wine and Windows give processes ids that are multiples of 4: these run nowhere.
  const std::string left = SystemTempFolder() + "zepplayc99999-0",
                    kept = SystemTempFolder() + "zepplayc99997-1";
  ASSERT_TRUE(MakeFolder(left));
  ASSERT_TRUE(MakeFolder(kept));
  WriteBytes(left + "\\Player.dat", RuntimeImage());
  WriteBytes(left + "\\Attach.zep", "attachment");
  WriteBytes(kept + "\\notes.txt", "someone's notes");
  EXPECT_EQ(0, ConsoleRun(Quoted(SettingsPath())).Finish().ExitCode);
  EXPECT_FALSE(PathExists(left));
  EXPECT_EQ("someone's notes", ReadBytes(kept + "\\notes.txt"));
  std::remove((kept + "\\notes.txt").c_str());
  RemoveDirectoryA(kept.c_str());
}

}  // namespace
