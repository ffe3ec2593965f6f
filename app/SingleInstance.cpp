#include "app/SingleInstance.h"

#include <windows.h>

#include "wizard/win/MainWindow.h"

namespace {
constexpr char kMutexName[] = "ZephyrPlayerMutex";

// Brings the running instance forward: the window that stands for the program (the
// main window's owner, or the main window itself) is restored when minimised, and the
// window the user works in comes to the front: a box or dialog the instance is showing,
// else its main window.
void ActivateRunningInstance() {
  HWND window = FindWindowA(MainWindow::kClassName, nullptr);
  if (!window) return;
  HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
  HWND program = owner ? owner : window;
  if (IsIconic(program)) SendMessageA(program, WM_SYSCOMMAND, SC_RESTORE, -1);
  HWND popup = GetLastActivePopup(program);
  const bool busy = popup != program && popup != window && IsWindowVisible(popup) && IsWindowEnabled(popup);
  SetForegroundWindow(busy ? popup : window);
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
  if (anotherRuns_) ActivateRunningInstance();
  return anotherRuns_;
}
