#include "wizard/win/LinkLabel.h"

#include "wizard/win/KeyboardButton.h"
#include "wizard/win/WindowState.h"

namespace {
WNDPROC StaticProcedure() {
  static const WNDPROC procedure = [] {
    WNDCLASSA staticClass = {};
    GetClassInfoA(nullptr, "Static", &staticClass);
    return staticClass.lpfnWndProc;
  }();
  return procedure;
}

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleButtonKeys(label, message, wParam, lParam, result)) return result;
  if (message != WM_PAINT && message != WM_PRINTCLIENT)
    return CallWindowProcA(StaticProcedure(), label, message, wParam, lParam);
  // The Static control paints its text into the device context given; the focus
  // rectangle goes over it.
  return PaintOrPrint(label, message, wParam, [&](HDC dc) {
    CallWindowProcA(StaticProcedure(), label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RECT area;
    GetClientRect(label, &area);
    DrawFocusMark(label, dc, area);
  });
}
}  // namespace

void EnableLinkLabelKeys(HWND label) {
  SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkLabelProc));
}
