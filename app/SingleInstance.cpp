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
  HWND owner =
      reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetWindowLongA(window, GWL_HWNDPARENT)));
  HWND program = owner ? owner : window;
  if (IsIconic(program)) SendMessageA(program, WM_SYSCOMMAND, SC_RESTORE, -1);
  HWND popup = GetLastActivePopup(program);
  const bool busy = popup != program && popup != window && IsWindowVisible(popup) && IsWindowEnabled(popup);
  SetForegroundWindow(busy ? popup : window);
}

bool HandOver(HANDLE mutex) {
  ActivateRunningInstance();
  CloseHandle(mutex);
  return true;
}
}  // namespace

bool HandOverToRunningInstance() {
  if (HANDLE existing = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kMutexName)) return HandOver(existing);
  // The handle stays open for the life of the process and is never owned: only the
  // name matters. A name created in the same instant by another start counts as that
  // start being first.
  HANDLE created = CreateMutexA(nullptr, FALSE, kMutexName);
  if (created && GetLastError() == ERROR_ALREADY_EXISTS) return HandOver(created);
  return false;
}
