#include "app/SingleInstance.h"

#include <windows.h>

#include "wizard/win/MainWindow.h"

namespace {
constexpr char kMutexName[] = "ZephyrPlayerMutex";

// Brings the running instance's main window forward; the window that stands for the
// program (its owner, or the window itself) is restored when minimised.
void ActivateRunningInstance() {
  HWND window = FindWindowA(TfrmZepplay::ClassName, nullptr);
  if (!window) return;
  SetForegroundWindow(window);
  HWND owner =
      reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetWindowLongA(window, GWL_HWNDPARENT)));
  HWND target = owner ? owner : window;
  if (IsIconic(target)) SendMessageA(target, WM_SYSCOMMAND, SC_RESTORE, -1);
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
