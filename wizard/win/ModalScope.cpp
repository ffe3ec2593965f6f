#include "wizard/win/ModalScope.h"

TModalScope::TModalScope() : FActive(GetActiveWindow()) {
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(this));
}

TModalScope::~TModalScope() {
  for (HWND window : FDisabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  if (FActive && IsWindow(FActive)) SetActiveWindow(FActive);
}

BOOL CALLBACK TModalScope::DisableWindow(HWND window, LPARAM scope) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    reinterpret_cast<TModalScope*>(scope)->FDisabled.push_back(window);
  }
  return TRUE;
}
