// zepplay.exe as a user starts it: the silent run, the single-instance hand-over, the
// remembered options in the registry and the clean-up of the close step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/Format.h"
#include "common/Texts.h"
#include "tests/support/ProcessDriver.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"
#include "resources/ResourceIds.h"
#include "wizard/win/ControlIds.h"
#include "platform/SystemHandles.h"
#include "wizard/win/WinHandles.h"

namespace {
// The texts the tests look for; the unit tests pin their bytes.
const std::string kMissingWarning = Texts::kSettingsFileMissing;
const std::string kMainCaption = Texts::Window::kCaption;

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class ZepplayProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveWhatTheProgramKeeps();
    WriteBytes(SettingsPath(), SettingsFileBytes({"a", "b", "c", "d", "e"}));
  }
  void TearDown() override { RemoveWhatTheProgramKeeps(); }
  // The options key and the intermediate files (a test may leave a folder in their place).
  static void RemoveWhatTheProgramKeeps() {
    DeleteOptionsKey();
    RemoveDirectoryA(Player().c_str());
    std::remove(Player().c_str());
    std::remove(Attachment().c_str());
  }

  std::string SettingsPath() const { return folder_ / "macro.zep"; }
  std::string ExecutablePath() const { return folder_ / "macro.exe"; }
  static std::string Player() { return SystemTempFolder() + "Player.dat"; }
  static std::string Attachment() { return SystemTempFolder() + "Attach.zep"; }
  std::string SilentArguments() const { return "-s \"" + SettingsPath() + "\""; }

  // Closes the main window as its close box does and expects a normal end.
  static void CloseMainWindow(ZepplayRun& process, HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, process.WaitForExit());
  }
  // Waits for the process to end while making sure that it shows no window meanwhile.
  static int ExitWithoutWindows(ZepplayRun& process) {
    bool shown = false;
    WaitFor([&] {
      shown = shown || !WindowsOf(process.Id()).empty();
      return process.HasEnded();
    });
    EXPECT_FALSE(shown);
    return process.WaitForExit();
  }
  // Puts another window in front, then starts the wizard a second time: it must end
  // without a window of its own and bring the box forward instead.
  static void ExpectAWizardStartBringsForward(HWND box) {
    const WindowHandle other(CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                             200, 100, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.Get());
    ASSERT_EQ(other.Get(), GetForegroundWindow());
    ZepplayRun wizard;
    EXPECT_EQ(0, ExitWithoutWindows(wizard));
    EXPECT_EQ(box, GetForegroundWindow());
  }
  static std::string ValueText(const std::string& name) {
    for (const RegistryValue& value : FormValues())
      if (value.Name == name) return value.Bytes.substr(0, value.Bytes.find('\0'));
    return "(missing)";
  }

  TempFolder folder_;
};

TEST_F(ZepplayProcess, SilentRunMakesTheExecutableWithTheRememberedOptions) {
  PlantText("rad1", "0");
  PlantText("rad2", "1");
  PlantText("Douji", "0");
  ZepplayRun process(SilentArguments());
  EXPECT_EQ(0, ExitWithoutWindows(process));

  // The runtime image (the demo player that Zepcom.dat enciphers) followed by the
  // settings file with the options written in.
  const std::string image = ReadBytes(ProgramFolder() + "demo_player.exe");
  const std::string executable = ReadBytes(ExecutablePath());
  ASSERT_GT(executable.size(), image.size());
  EXPECT_EQ(image, executable.substr(0, image.size()));
  const std::string attachment = executable.substr(image.size());
  EXPECT_EQ("1-01", std::string() + attachment[0] + attachment[56] + attachment[69] + attachment[70]);
  // Nothing was written back: the three planted values are all there is.
  EXPECT_EQ(3u, FormValues().size());
}

TEST_F(ZepplayProcess, SilentRunWarnsOnceAboutAMissingFileAndFails) {
  for (const std::string& arguments : {"-s \"" + (folder_ / "none.zep") + "\"", std::string("-s")}) {
    SCOPED_TRACE(arguments);
    ZepplayRun process(arguments);
    HWND box = WaitForBox(process.Id(), Texts::kWarningCaption);
    ASSERT_TRUE(box);
    EXPECT_TRUE(Contains(TextsOf(box), kMissingWarning));
    ClickOk(box);
    EXPECT_EQ(1, process.WaitForExit());
  }
}

TEST_F(ZepplayProcess, AnUpperCaseSwitchOpensTheWindow) {
  ZepplayRun process("-S \"" + SettingsPath() + "\"");
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  EXPECT_EQ(kMainCaption, TextOf(window));
  EXPECT_EQ("", TextOf(ControlOf(window, ControlId::kSettingsPathEdit)));
  CloseMainWindow(process, window);
  EXPECT_FALSE(PathExists(ExecutablePath()));
}

// The path as the only argument, as Explorer's wizard verb and a drop onto the icon
// give it: the wizard opens with it filled in and converts nothing yet.
TEST_F(ZepplayProcess, APathAsTheOnlyArgumentOpensTheWizardWithIt) {
  ZepplayRun process("\"" + SettingsPath() + "\"");
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  EXPECT_EQ(SettingsPath(), TextOf(ControlOf(window, ControlId::kSettingsPathEdit)));
  CloseMainWindow(process, window);
  EXPECT_FALSE(PathExists(ExecutablePath()));
}

TEST_F(ZepplayProcess, FirstStartIsCentredWithRad1AndCloseWritesSevenTexts) {
  ZepplayRun process;
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2, frame.left);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, frame.top);
  EXPECT_TRUE(IsChecked(ControlOf(window, ControlId::kShowNothingRadio)));
  for (int flag : {ControlId::kPlayOnStartCheck, ControlId::kExitAtEndCheck, ControlId::kExitOnKeyCheck}) {
    EXPECT_TRUE(IsChecked(ControlOf(window, flag)));
    EXPECT_FALSE(IsWindowEnabled(ControlOf(window, flag)));
  }
  EXPECT_TRUE(OptionsKeyExists());
  EXPECT_TRUE(FormValues().empty());

  SetWindowPos(window, nullptr, -4, 273, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CloseMainWindow(process, window);
  const std::pair<std::string, std::string> expected[] = {{"Left", "-4"},   {"Top", "273"}, {"rad1", "1"},
                                                          {"rad2", "0"},    {"Douji", "1"}, {"EndClose", "1"},
                                                          {"HotClose", "1"}};
  std::vector<RegistryValue> values = FormValues();
  ASSERT_EQ(7u, values.size());
  for (const auto& [name, text] : expected) {
    auto found = std::find_if(values.begin(), values.end(),
                              [&](const RegistryValue& value) { return value.Name == name; });
    ASSERT_NE(values.end(), found) << name;
    EXPECT_EQ(DWORD{REG_SZ}, found->Type) << name;
    EXPECT_EQ(std::string(text.c_str(), text.size() + 1), found->Bytes) << name;
  }
}

struct StoredCase {
  const char* Name;
  std::vector<std::pair<std::string, std::string>> Stored;
  int Left;             // INT32_MIN: centred
  const char* Shown;    // the five option controls checked, then the three flags enabled
  const char* Written;  // the five options written back
};

class StoredOptions : public ZepplayProcess, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredOptions, AreShownAndWrittenBack) {
  for (const auto& [name, text] : GetParam().Stored) PlantText(name, text);
  ZepplayRun process;
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  RECT frame;
  GetWindowRect(window, &frame);
  const int centred = GetSystemMetrics(SM_CXSCREEN) / 2 - (frame.right - frame.left) / 2;
  EXPECT_EQ(GetParam().Left == INT32_MIN ? centred : GetParam().Left, frame.left);
  std::string shown;
  for (int id : {ControlId::kShowNothingRadio, ControlId::kTrayIconRadio, ControlId::kPlayOnStartCheck,
                 ControlId::kExitAtEndCheck, ControlId::kExitOnKeyCheck})
    shown += IsChecked(ControlOf(window, id)) ? '1' : '0';
  shown += ' ';
  for (int id : {ControlId::kPlayOnStartCheck, ControlId::kExitAtEndCheck, ControlId::kExitOnKeyCheck})
    shown += IsWindowEnabled(ControlOf(window, id)) ? '1' : '0';
  EXPECT_EQ(GetParam().Shown, shown);

  CloseMainWindow(process, window);
  std::string written;
  for (const char* name : {"rad1", "rad2", "Douji", "EndClose", "HotClose"}) written += ValueText(name);
  EXPECT_EQ(GetParam().Written, written);
}

INSTANTIATE_TEST_SUITE_P(
    Form, StoredOptions,
    ::testing::Values(
        StoredCase{"Tray",
                   {{"rad1", "0"}, {"rad2", "1"}, {"Douji", "0"}, {"Left", "abc"}},
                   INT32_MIN,
                   "01011 111",
                   "01011"},
        StoredCase{
            "Rad1Forced", {{"rad1", "1"}, {"Douji", "0"}, {"Left", ""}}, INT32_MIN, "10111 000", "10111"},
        StoredCase{
            "BothSelected", {{"rad1", "1"}, {"rad2", "1"}, {"Left", "12 "}}, INT32_MIN, "01111 111", "01111"},
        StoredCase{"NeitherSelected",
                   {{"rad1", "0"}, {"rad2", "0"}, {"EndClose", "0"}, {"Left", "$10"}},
                   16,
                   "00101 111",
                   "00101"},
        StoredCase{"TwoIsTrue",
                   {{"rad1", "0"}, {"rad2", "1"}, {"Douji", "2"}, {"Left", "-4"}},
                   0,  // the frame's edge that stood off the screen comes onto it
                   "01111 111",
                   "01111"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A position off every monitor (one that was unplugged, or any stored number) is
// brought onto the nearest one; one whole on the screen stays as stored (see StoredOptions).
TEST_F(ZepplayProcess, APositionOffEveryMonitorIsBroughtOnScreen) {
  PlantText("Left", "-5000");
  PlantText("Top", "90000");
  ZepplayRun process;
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  RECT frame, work;
  GetWindowRect(window, &frame);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.left, frame.left);
  EXPECT_EQ(work.bottom - (frame.bottom - frame.top), frame.top);
  CloseMainWindow(process, window);
}

// A silent run waits for nobody: a remembered value of a type other than text, whichever
// value and type, is reported, and once the box is closed the run ends with the error
// code, without showing the window, converting or writing to the registry.
TEST_F(ZepplayProcess, AValueOfTheWrongTypeEndsTheSilentRunAfterItsReport) {
  const struct {
    const char* Name;
    DWORD Type;
    std::string Bytes;
  } planted[] = {{"Top", REG_DWORD, std::string("\x07\0\0\0", 4)},
                 {"rad1", REG_DWORD, std::string("\x01\0\0\0", 4)},
                 {"Douji", REG_DWORD, std::string("\xFF\xFF\xFF\xFF", 4)},
                 {"rad2", REG_BINARY, std::string("\x01", 1)},
                 {"HotClose", REG_MULTI_SZ, std::string("1\0\0", 3)}};
  for (const auto& value : planted) {
    SCOPED_TRACE(value.Name);
    DeleteOptionsKey();
    PlantText("Left", "40");
    PlantValue(value.Name, value.Type, value.Bytes);
    const std::vector<RegistryValue> before = FormValues();
    ZepplayRun process(SilentArguments());
    HWND box = WaitForBox(process.Id(), Texts::kApplicationTitle);
    ASSERT_TRUE(box);
    EXPECT_TRUE(Contains(TextsOf(box), FormatText(Texts::kRegistryWrongType, value.Name) + "."));
    ClickOk(box);
    bool windowShown = false;
    WaitFor([&] {
      windowShown = windowShown || MainWindowOf(process.Id()) != nullptr;
      return process.HasEnded();
    });
    EXPECT_FALSE(windowShown);
    EXPECT_EQ(2, process.WaitForExit());
    EXPECT_FALSE(PathExists(ExecutablePath()));
    const std::vector<RegistryValue> after = FormValues();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(before[i].Name, after[i].Name);
      EXPECT_EQ(before[i].Type, after[i].Type);
      EXPECT_EQ(Hex(before[i].Bytes), Hex(after[i].Bytes));
    }
  }
}

// The runtime goes straight into the executable: nothing appears in the temporary
// folder during the conversion, and the close removes what an earlier version left.
TEST_F(ZepplayProcess, TheWizardConvertsWithoutTemporaryFilesAndTheCloseRemovesOldOnes) {
  WriteBytes(Player(), "runtime an earlier version left");
  std::vector<std::string> temporary = EntriesOf(SystemTempFolder());
  ZepplayRun process;
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  SendMessageA(ControlOf(window, ControlId::kSettingsPathEdit), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(SettingsPath().c_str()));
  HWND next = ControlOf(window, ControlId::kNextButton);
  HWND pages[] = {ControlOf(window, ControlId::kOptionsPage), ControlOf(window, ControlId::kNamePage),
                  ControlOf(window, ControlId::kDonePage)};
  for (HWND page : pages) {
    Click(next);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(page) != FALSE; }));
  }
  EXPECT_EQ(ExecutablePath(), TextOf(ControlOf(window, ControlId::kResultPath)));
  const std::string runtime = ReadBytes(ProgramFolder() + "demo_player.exe");
  EXPECT_EQ(Hex(runtime), Hex(ReadBytes(ExecutablePath()).substr(0, runtime.size())));
  EXPECT_EQ(temporary, EntriesOf(SystemTempFolder()));

  CloseMainWindow(process, window);
  EXPECT_FALSE(PathExists(Player()));
  EXPECT_FALSE(PathExists(Attachment()));
}

TEST_F(ZepplayProcess, TheCloseLeavesAFolderNamedLikeTheRuntimeImage) {
  ASSERT_TRUE(MakeFolder(Player()));
  WriteBytes(Attachment(), "attachment");
  ZepplayRun process;
  HWND window = WaitForMainWindow(process.Id());
  ASSERT_TRUE(window);
  CloseMainWindow(process, window);
  EXPECT_TRUE(PathExists(Player()));
  EXPECT_FALSE(PathExists(Attachment()));
}

// A silent run ended at any moment, as a user's kill or a shutdown ends it, leaves the
// older executable or the new one whole, and nothing in the temporary folder or beside.
TEST_F(ZepplayProcess, ASilentRunKilledAtAnyMomentLeavesOneWholeExecutable) {
  WriteBytes(SettingsPath(), SettingsFileBytes(std::vector<std::string>(300000, "step,340,0")));
  const std::string older = "older executable";
  WriteBytes(ExecutablePath(), older);
  const DWORD started = GetTickCount();
  {
    ZepplayRun process(SilentArguments());
    ASSERT_EQ(0, process.WaitForExit());
  }
  const DWORD duration = GetTickCount() - started;
  const std::string newer = ReadBytes(ExecutablePath());
  const std::vector<std::string> beside = EntriesOf(folder_.Path()),
                                 temporary = EntriesOf(SystemTempFolder());
  std::mt19937 random(GetTickCount());
  for (int round = 0; round < 8; ++round) {
    WriteBytes(ExecutablePath(), older);
    ZepplayRun process(SilentArguments());
    const DWORD delay = static_cast<DWORD>(random() % (duration + 1));
    SCOPED_TRACE(FormatText("killed after %lu of %lu ms", static_cast<unsigned long>(delay),
                            static_cast<unsigned long>(duration)));
    Sleep(delay);
    process.Kill();
    const std::string left = ReadBytes(ExecutablePath());
    EXPECT_TRUE(left == older || left == newer);
    WaitFor([&] { return EntriesOf(folder_.Path()) == beside; });
    EXPECT_EQ(beside, EntriesOf(folder_.Path()));  // names what was left, if anything
    EXPECT_EQ(temporary, EntriesOf(SystemTempFolder()));
  }
}

TEST_F(ZepplayProcess, ASilentRunLeavesNoIntermediateFilesWhateverTheOutcome) {
  {
    ZepplayRun process(SilentArguments());
    EXPECT_EQ(0, process.WaitForExit());
  }
  EXPECT_FALSE(PathExists(Player()));
  EXPECT_FALSE(PathExists(Attachment()));

  // The output cannot be created: the error is reported and the run ends after it.
  std::remove(ExecutablePath().c_str());
  ASSERT_TRUE(MakeFolder(ExecutablePath()));
  ZepplayRun process(SilentArguments());
  HWND box = WaitForBox(process.Id(), Texts::kSilentRunCaption);
  ASSERT_TRUE(box);
  EXPECT_TRUE(Contains(TextsOf(box), FormatText(Texts::kFileCreateError, ExecutablePath()) + "."));
  ClickOk(box);
  EXPECT_EQ(2, process.WaitForExit());
  EXPECT_FALSE(PathExists(Player()));
  EXPECT_FALSE(PathExists(Attachment()));
  EXPECT_TRUE(FormValues().empty());
}

TEST_F(ZepplayProcess, ASecondStartHandsOverAndConvertsNothing) {
  ZepplayRun first;
  HWND window = WaitForMainWindow(first.Id());
  ASSERT_TRUE(window);

  {
    // Behind a window of another program, the first instance comes to the foreground.
    const WindowHandle other(CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                             200, 100, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.Get());
    ASSERT_EQ(other.Get(), GetForegroundWindow());
    // It converts nothing and says so.
    ZepplayRun second(SilentArguments());
    EXPECT_EQ(3, ExitWithoutWindows(second));
    // Wine hands the foreground over a moment after it is asked.
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window; }));
  }

  // Minimised, it is restored.
  HWND owner = GetWindow(window, GW_OWNER);
  HWND program = owner ? owner : window;
  PostMessageA(program, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(program) != FALSE; }));
  {
    ZepplayRun second;
    EXPECT_EQ(0, ExitWithoutWindows(second));
  }
  EXPECT_TRUE(WaitFor([&] { return !IsIconic(program); }));
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(window) != FALSE; }));
  EXPECT_FALSE(PathExists(ExecutablePath()));
  CloseMainWindow(first, window);

  // With the first instance gone, a start runs by itself again.
  ZepplayRun third(SilentArguments());
  EXPECT_EQ(0, third.WaitForExit());
  EXPECT_TRUE(PathExists(ExecutablePath()));
}

// Explorer starts one silent run per chosen settings file, all at the same moment: they
// convert one after the other, and every file gets its executable.
TEST_F(ZepplayProcess, TenSilentRunsStartedTogetherAllConvert) {
  constexpr int kRuns = 10;
  std::vector<std::unique_ptr<ZepplayRun>> runs;
  for (int run = 0; run < kRuns; ++run) {
    const std::string settings = folder_ / ("macro" + std::to_string(run) + ".zep");
    WriteBytes(settings, SettingsFileBytes({"a", "b", "c", "d", "line of run " + std::to_string(run)}));
    runs.push_back(std::make_unique<ZepplayRun>("-s \"" + settings + "\""));
  }
  for (int run = 0; run < kRuns; ++run) {
    SCOPED_TRACE(run);
    EXPECT_EQ(0, runs[run]->WaitForExit());
    const std::string executable = ReadBytes(folder_ / ("macro" + std::to_string(run) + ".exe"));
    const std::string ownLine = "line of run " + std::to_string(run) + "\r\n";
    EXPECT_EQ(ownLine, executable.substr(executable.size() - std::min(executable.size(), ownLine.size())));
  }
}

// A silent run waits while the one before it shows a box, and converts once it is closed.
TEST_F(ZepplayProcess, ASilentRunWaitsForTheSilentRunBeforeIt) {
  ZepplayRun first("-s \"" + (folder_ / "none.zep") + "\"");
  HWND box = WaitForBox(first.Id(), Texts::kWarningCaption);
  ASSERT_TRUE(box);
  ZepplayRun second(SilentArguments());
  Sleep(3000);
  EXPECT_FALSE(second.HasEnded());
  EXPECT_FALSE(PathExists(ExecutablePath()));
  ClickOk(box);
  EXPECT_EQ(1, first.WaitForExit());
  EXPECT_EQ(0, second.WaitForExit());
  EXPECT_TRUE(PathExists(ExecutablePath()));
}

// A silent run that does not get its turn within 2 minutes (here the test holds it, as
// a run stuck behind a box would) says which file it did not convert and ends with 3; a
// start of the wizard that waited as long for the silent runs says so too.
TEST_F(ZepplayProcess, ASilentRunGivesUpAfterTwoMinutesAndSaysSo) {
  KernelObject turn(CreateMutexA(nullptr, TRUE, "ZephyrPlayerSilentRun"));
  ASSERT_TRUE(turn);
  const DWORD start = GetTickCount();
  ZepplayRun process(SilentArguments());
  ZepplayRun wizard;
  HWND box = nullptr;
  while (!box && !process.HasEnded() && GetTickCount() - start < 150000) {
    box = BoxOf(process.Id(), Texts::kWarningCaption);
    Sleep(200);
  }
  ASSERT_TRUE(box);
  EXPECT_GE(GetTickCount() - start, 119000u);
  EXPECT_TRUE(Contains(TextsOf(box), FormatText(Texts::kSilentRunNotTurn, SettingsPath())));
  ClickOk(box);
  EXPECT_EQ(3, process.WaitForExit());
  EXPECT_FALSE(PathExists(ExecutablePath()));
  HWND wizardBox = WaitForBox(wizard.Id(), Texts::kWarningCaption);
  ASSERT_TRUE(wizardBox);
  EXPECT_TRUE(Contains(TextsOf(wizardBox), Texts::kWizardNotTurn));
  ClickOk(wizardBox);
  EXPECT_EQ(3, wizard.WaitForExit());
  ReleaseMutex(turn.Get());
}

// A settings file named like an executable proposes its own name as the output: it is
// refused with the create error, and the file is kept.
TEST_F(ZepplayProcess, ASilentRunNeverWritesOverTheSettingsFile) {
  const std::string settings = folder_ / "macro.EXE";
  WriteBytes(settings, ReadBytes(SettingsPath()));
  ZepplayRun process("-s \"" + settings + "\"");
  HWND box = WaitForBox(process.Id(), Texts::kSilentRunCaption);
  ASSERT_TRUE(box);
  EXPECT_TRUE(Contains(TextsOf(box), FormatText(Texts::kFileCreateError, folder_ / "macro.exe") + "."));
  ClickOk(box);
  EXPECT_EQ(2, process.WaitForExit());
  EXPECT_EQ(ReadBytes(SettingsPath()), ReadBytes(settings));
}

// A second start while the first shows a box brings the box forward, so that Enter and
// Esc reach it, rather than the disabled main window behind it.
TEST_F(ZepplayProcess, ASecondStartBringsABoxOfTheFirstForward) {
  ZepplayRun first;
  HWND window = WaitForMainWindow(first.Id());
  ASSERT_TRUE(window);
  SendMessageA(ControlOf(window, ControlId::kSettingsPathEdit), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>((folder_ / "none.zep").c_str()));
  Click(ControlOf(window, ControlId::kNextButton));
  HWND box = WaitForBox(first.Id(), Texts::kWarningCaption);
  ASSERT_TRUE(box);
  ExpectAWizardStartBringsForward(box);
  ClickOk(box);
  CloseMainWindow(first, window);
}

// A start of the wizard while a silent run shows its box brings the box forward; while
// silent runs show nothing (here the test holds the turn as a converting run would, and
// one run waits for it), the wizard opens once they have ended, and they all convert.
TEST_F(ZepplayProcess, AWizardStartWhileSilentRunsLastShowsTheirBoxOrOpensAfterThem) {
  {
    ZepplayRun silent("-s \"" + (folder_ / "none.zep") + "\"");
    HWND box = WaitForBox(silent.Id(), Texts::kWarningCaption);
    ASSERT_TRUE(box);
    ExpectAWizardStartBringsForward(box);
    ClickOk(box);
    EXPECT_EQ(1, silent.WaitForExit());
  }
  KernelObject turn(CreateMutexA(nullptr, TRUE, "ZephyrPlayerSilentRun"));
  ZepplayRun waiting(SilentArguments());
  ZepplayRun wizard;
  Sleep(2000);
  EXPECT_FALSE(wizard.HasEnded());
  EXPECT_TRUE(WindowsOf(wizard.Id()).empty());
  ReleaseMutex(turn.Get());
  turn.Reset();
  EXPECT_EQ(0, waiting.WaitForExit());
  HWND window = WaitForMainWindow(wizard.Id());
  ASSERT_TRUE(window);
  CloseMainWindow(wizard, window);
}

// Explorer's wizard verb on a second file while the wizard is on its first page: the
// wizard takes the new path as a dropped file, and converts nothing.
TEST_F(ZepplayProcess, TheWizardVerbOnASecondFileHandsItsPathToTheWizard) {
  ZepplayRun first("\"" + SettingsPath() + "\"");
  HWND window = WaitForMainWindow(first.Id());
  ASSERT_TRUE(window);
  const std::string other = folder_ / "other.zep";
  ZepplayRun second("\"" + other + "\"");
  EXPECT_EQ(0, ExitWithoutWindows(second));
  EXPECT_EQ(other, TextOf(ControlOf(window, ControlId::kSettingsPathEdit)));
  CloseMainWindow(first, window);
  EXPECT_FALSE(PathExists(ExecutablePath()));
}

// A program whose side picture cannot be loaded does not crash: the reason is shown and
// the process ends with the error code.
TEST_F(ZepplayProcess, AStartThatFailsShowsTheReasonAndEndsWithTheErrorCode) {
  const std::string broken = folder_ / "broken.exe";
  ASSERT_TRUE(CopyFileA((ProgramFolder() + "zepplay.exe").c_str(), broken.c_str(), FALSE));
  ASSERT_TRUE(SpoilBitmapResource(broken, IDB_SIDEPICTURE));
  ZepplayRun process("", broken);
  HWND box = WaitForBox(process.Id(), Texts::kApplicationTitle);
  ASSERT_TRUE(box);
  // "リソース 101 を読み込めません (エラー n)", n being the system's error code.
  const std::string reason = FormatText(Texts::kResourceNotLoaded, IDB_SIDEPICTURE, 0ul);
  const std::string before = reason.substr(0, reason.size() - 2);
  const std::vector<std::string> texts = TextsOf(box);
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::string& text) {
    return text.compare(0, before.size(), before) == 0 && text.back() == ')';
  }));
  ClickOk(box);
  EXPECT_EQ(2, process.WaitForExit());
}

}  // namespace
