#pragma once
// Custom controls keep one C++ object per window: made at WM_NCCREATE, found again
// through GWLP_USERDATA and deleted after WM_NCDESTROY. State::HandleMessage answers
// every message, passing what it does not handle to DefWindowProcA.
#include <windows.h>

template <class State>
State* StateOf(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

template <class State>
LRESULT CALLBACK StatefulWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  State* state = StateOf<State>(window);
  if (message == WM_NCCREATE && !state) {
    state = new State();
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  if (!state) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = state->HandleMessage(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete state;
  }
  return result;
}
