#pragma once
// C++ objects behind windows, found again through GWLP_USERDATA.
// - StatefulWindowProc<State>: a custom control makes its State at WM_NCCREATE and
//   deletes it after WM_NCDESTROY.
// - ObjectWindowProc<Owner>: a window made for an object that exists already, which
//   comes as the creation parameter; Owner::Attach(window) runs at WM_NCCREATE.
// Both hand every message to HandleMessage, which passes on to DefWindowProcA what it
// does not handle. An error never leaves a window procedure (it could not pass through
// the system's code that called it): it is shown in an error box instead.
#include <windows.h>

#include <exception>
#include <memory>
#include <new>

// Shows an error that reached a window procedure; the message is handled as failed.
LRESULT ReportWindowProcedureError(const std::exception& error);

template <class State>
State* StateOf(HWND window) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

template <class State>
LRESULT CALLBACK StatefulWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  State* state = StateOf<State>(window);
  if (message == WM_NCCREATE && !state) {
    std::unique_ptr<State> made(new (std::nothrow) State());
    if (!made) return FALSE;  // the window is not created
    state = made.release();   // the window holds it until WM_NCDESTROY
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  if (!state) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = state->HandleMessage(window, message, wParam, lParam);
  } catch (const std::exception& error) {
    result = ReportWindowProcedureError(error);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    std::unique_ptr<State> released(state);
  }
  return result;
}

template <class Owner>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->Attach(window);
  }
  Owner* owner = StateOf<Owner>(window);
  if (!owner) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = owner->HandleMessage(window, message, wParam, lParam);
  } catch (const std::exception& error) {
    result = ReportWindowProcedureError(error);
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return result;
}

// Runs paint(dc) for WM_PAINT, between BeginPaint and EndPaint, and for WM_PRINTCLIENT
// on the device context that comes with it.
template <class Paint>
LRESULT PaintOrPrint(HWND window, UINT message, WPARAM wParam, Paint paint) {
  if (message == WM_PRINTCLIENT) {
    paint(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  PAINTSTRUCT area;
  paint(BeginPaint(window, &area));
  EndPaint(window, &area);
  return 0;
}
