#include "wizard/win/ModalScope.h"

#include <new>

ModalScope::ModalScope() : active_(GetActiveWindow()) {
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(this));
}

ModalScope::~ModalScope() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  if (active_ && IsWindow(active_)) SetActiveWindow(active_);
}

BOOL CALLBACK ModalScope::DisableWindow(HWND window, LPARAM scope) {
  if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  // No error may pass through the system's enumeration: without room to note the
  // window, it stays enabled and the enumeration stops.
  try {
    reinterpret_cast<ModalScope*>(scope)->disabled_.push_back(window);
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
  EnableWindow(window, FALSE);
  return TRUE;
}
