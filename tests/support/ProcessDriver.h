#pragma once
// Drives zepplay.exe and zepplayc.exe from outside, as a user, a script and the system
// would: starts them, finds their windows and boxes by class, caption and process,
// clicks by posted messages, catches what a console program writes, and looks at what
// they left in the registry and the temporary folder.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/WideText.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitFor.h"
#include "tests/support/WindowQueries.h"

// The folder of the program under test (zepplay.exe and Zepcom.dat lie in it).
std::string ProgramFolder();
// The temporary folder the program uses as its work folder.
std::string SystemTempFolder();

class ZepplayRun {
 public:
  // Starts zepplay.exe (or another program) with the command-line arguments after the
  // program name; with handles for standard output and standard error, it writes there.
  // creationFlags go to CreateProcess (DETACHED_PROCESS: no console at all).
  explicit ZepplayRun(const std::string& arguments = "", const std::string& program = "",
                      HANDLE output = nullptr, HANDLE error = nullptr, DWORD creationFlags = 0);
  // The same with arguments of UTF-16 characters, as the system passes them on.
  ZepplayRun(const std::wstring& arguments, const std::string& program, HANDLE output = nullptr,
             HANDLE error = nullptr, DWORD creationFlags = 0);
  // Ends the process if a failing test left it running.
  ~ZepplayRun();
  ZepplayRun(const ZepplayRun&) = delete;
  ZepplayRun& operator=(const ZepplayRun&) = delete;

  DWORD Id() const { return info_.dwProcessId; }
  // The exit code, or -1 when the process did not end within the deadline.
  int WaitForExit();
  bool HasEnded() const;
  // Ends the process at once, as the system ends a killed one, and waits for the end.
  void Kill();

 private:
  PROCESS_INFORMATION info_ = {};
};

// What a console program wrote to its standard streams, and how it ended.
struct ConsoleOutcome {
  int ExitCode;  // -1 when it did not end within the deadline
  std::string Output;
  std::string Error;
};

// zepplayc.exe (or another console program) started with its standard output and
// standard error going into files of their own.
class ConsoleRun {
 public:
  explicit ConsoleRun(const std::string& arguments, const std::string& program = "", DWORD creationFlags = 0);
  explicit ConsoleRun(const std::wstring& arguments, const std::string& program = "",
                      DWORD creationFlags = 0);
  ~ConsoleRun();
  ConsoleRun(const ConsoleRun&) = delete;
  ConsoleRun& operator=(const ConsoleRun&) = delete;
  // Waits for the end and reads what was written.
  ConsoleOutcome Finish();
  // Ends the process at once, as the system ends a killed one.
  void Kill() { process_.Kill(); }

 private:
  TempFolder streams_;
  HANDLE output_, error_;
  ZepplayRun process_;
};

// A console of the test's own with the given output code page, shared by the console
// programs the test starts meanwhile. The test process leaves its console for it and
// has none afterwards.
class TestConsole {
 public:
  explicit TestConsole(UINT codePage);
  ~TestConsole();
  TestConsole(const TestConsole&) = delete;
  TestConsole& operator=(const TestConsole&) = delete;

  bool IsReady() const { return ready_; }
  // The screen buffer, as a handle a started program inherits.
  HANDLE Screen() const { return screen_; }
  // The characters of a row of the screen, without the blanks after them.
  std::wstring Line(int row) const;

 private:
  bool ready_;
  HANDLE screen_;
};

// The visible main window ("TfrmZepplay") of the process, or nullptr.
HWND MainWindowOf(DWORD processId);
HWND WaitForMainWindow(DWORD processId);
// The visible dialog box (#32770) of the process with that caption, or nullptr.
HWND BoxOf(DWORD processId, const std::string& caption);
HWND WaitForBox(DWORD processId, const std::string& caption);
// Every visible top-level window of the process.
std::vector<HWND> WindowsOf(DWORD processId);
// The texts of the box's static controls.
std::vector<std::string> TextsOf(HWND box);
// Dismisses a box by a posted click on its OK button.
void ClickOk(HWND box);
// A control of the main window, wherever it lies among its descendants.
HWND ControlOf(HWND mainWindow, int id);
bool IsChecked(HWND button);
// Presses a button by a posted click, as a modal box it opens would block a sent one.
void Click(HWND button);

// Replaces a bitmap among the resources of a copy of a program with bytes that are no
// picture.
bool SpoilBitmapResource(const std::string& program, int id);

// The options key HKCU\Software\Fernwick\Zepplay and its "Form" section.
void DeleteOptionsKey();
bool OptionsKeyExists();
void PlantValue(const std::string& name, DWORD type, const std::string& bytes);
void PlantText(const std::string& name, const std::string& text);
// Every value of "Form" as name, type and raw bytes, in registry order.
struct RegistryValue {
  std::string Name;
  DWORD Type;
  std::string Bytes;
};
std::vector<RegistryValue> FormValues();
