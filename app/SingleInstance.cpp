#include "app/SingleInstance.h"

#include <windows.h>

#include "wizard/win/MainWindow.h"
#include "wizard/win/StartPathMessage.h"

namespace {
constexpr char kMutexName[] = "ZephyrPlayerMutex";

// The window that stands for the program: the main window's owner, or the main window
// itself.
HWND ProgramWindow(HWND mainWindow) {
  HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(mainWindow, GWLP_HWNDPARENT));
  return owner ? owner : mainWindow;
}

// Brings the running instance forward: the window that stands for the program is
// restored when minimised, and the window the user works in comes to the front: a box
// or dialog the instance is showing, else its main window.
void ActivateRunningInstance(HWND mainWindow) {
  HWND program = ProgramWindow(mainWindow);
  if (IsIconic(program)) SendMessageA(program, WM_SYSCOMMAND, SC_RESTORE, -1);
  HWND popup = GetLastActivePopup(program);
  const bool busy =
      popup != program && popup != mainWindow && IsWindowVisible(popup) && IsWindowEnabled(popup);
  SetForegroundWindow(busy ? popup : mainWindow);
}

struct BoxSearch {
  DWORD ProcessId;
  HWND Program;
  HWND Found;
};

BOOL CALLBACK FindShownBox(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<BoxSearch*>(data);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search->ProcessId || window == search->Program || !IsWindowVisible(window)) return TRUE;
  search->Found = window;
  return FALSE;
}

// A box that the process of the hidden main window shows, or nullptr: with the main
// window hidden, every other window it shows is one.
HWND ShownBoxOf(HWND mainWindow) {
  BoxSearch search{0, ProgramWindow(mainWindow), nullptr};
  GetWindowThreadProcessId(mainWindow, &search.ProcessId);
  EnumWindows(FindShownBox, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// Creates the named mutex, or opens it when the name exists already; alreadyExists
// tells which, from the same call.
KernelObject CreateNamedMutex(const char* name, bool& alreadyExists) {
  KernelObject mutex(CreateMutexA(nullptr, FALSE, name));
  alreadyExists = mutex && GetLastError() == ERROR_ALREADY_EXISTS;
  return mutex;
}
}  // namespace

SingleInstance::SingleInstance() { mutex_ = CreateNamedMutex(kMutexName, anotherRuns_); }

bool SingleInstance::HandOverToRunningInstance() const {
  HWND mainWindow = FindWindowA(MainWindow::kClassName, nullptr);
  if (anotherRuns_ && mainWindow) ActivateRunningInstance(mainWindow);
  return anotherRuns_;
}

bool BringRunningInstanceForward(const std::string& startPath) {
  HWND mainWindow = FindWindowA(MainWindow::kClassName, nullptr);
  if (!mainWindow) return false;
  // The wizard shows its main window, or has it hidden with the program minimised.
  if (IsWindowVisible(mainWindow) || IsIconic(ProgramWindow(mainWindow))) {
    if (!startPath.empty()) SendStartPath(mainWindow, startPath);
    ActivateRunningInstance(mainWindow);
    return true;
  }
  HWND box = ShownBoxOf(mainWindow);
  if (box) SetForegroundWindow(box);
  return box != nullptr;
}
