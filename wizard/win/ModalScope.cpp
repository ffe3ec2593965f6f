#include "wizard/win/ModalScope.h"

ModalScope::ModalScope() : active_(GetActiveWindow()) {
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(this));
}

ModalScope::~ModalScope() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  if (active_ && IsWindow(active_)) SetActiveWindow(active_);
}

BOOL CALLBACK ModalScope::DisableWindow(HWND window, LPARAM scope) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    reinterpret_cast<ModalScope*>(scope)->disabled_.push_back(window);
  }
  return TRUE;
}
