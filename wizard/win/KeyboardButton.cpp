#include "wizard/win/KeyboardButton.h"

namespace {
constexpr LPARAM kKeyWasDown = 1 << 30;  // set on the repeats of a key held down

// A link label reports its click as a Static control does, with the same code.
static_assert(BN_CLICKED == STN_CLICKED);

void Notify(HWND control, WORD code) {
  SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}
}  // namespace

bool HandleButtonKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_GETDLGCODE:  // no DLGC_BUTTON: it has no access key
      result = DLGC_UNDEFPUSHBUTTON;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(control, nullptr, TRUE);
      Notify(control, message == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
      return true;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE || (lParam & kKeyWasDown)) return false;
      Notify(control, BN_CLICKED);
      return true;
    default:
      return false;
  }
}

void DrawFocusMark(HWND control, HDC dc, const RECT& area) {
  if (GetFocus() != control) return;
  if (SendMessageA(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
  DrawFocusRect(dc, &area);
}
