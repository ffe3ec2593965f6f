#include "wizard/win/DialogKeys.h"

#include "wizard/AccessKey.h"
#include "wizard/win/WindowText.h"

namespace {
UINT DialogCodeOf(HWND control, const MSG* message) {
  if (!control) return 0;
  return static_cast<UINT>(
      SendMessageA(control, WM_GETDLGCODE, message ? message->wParam : 0, reinterpret_cast<LPARAM>(message)));
}

bool IsUsable(HWND control) {
  LONG style = GetWindowLongA(control, GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The first usable button under parent, in creation order, whose access key is key.
// Hidden or disabled panels are not searched.
HWND FindAccessKeyButton(HWND parent, char key) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsUsable(child)) continue;
    if ((DialogCodeOf(child, nullptr) & DLGC_BUTTON) && AccessKeyOf(WindowText(child)) == key) return child;
    if (HWND inside = FindAccessKeyButton(child, key)) return inside;
  }
  return nullptr;
}

void PressButton(HWND button) {
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void MoveFocus(HWND control) {
  if (!control) return;
  SetFocus(control);
  if (DialogCodeOf(control, nullptr) & DLGC_HASSETSEL) SendMessageA(control, EM_SETSEL, 0, -1);
}

bool HandleKeyDown(HWND window, HWND defaultButton, HWND focus, const MSG& message) {
  UINT code = DialogCodeOf(focus, &message);
  if (code & DLGC_WANTALLKEYS) return false;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (message.wParam) {
    case VK_TAB:
      if ((code & DLGC_WANTTAB) || GetKeyState(VK_CONTROL) < 0) return false;
      MoveFocus(GetNextDlgTabItem(window, focus, shift));
      return true;
    case VK_RETURN:
      if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        PressButton(focus);
      else if (defaultButton && IsUsable(defaultButton))
        PressButton(defaultButton);
      return true;
    case VK_ESCAPE:
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (!(code & DLGC_RADIOBUTTON) || (code & DLGC_WANTARROWS)) return false;
      bool backwards = message.wParam == VK_LEFT || message.wParam == VK_UP;
      HWND next = GetNextDlgGroupItem(GetParent(focus), focus, backwards);
      if (next && next != focus && (DialogCodeOf(next, nullptr) & DLGC_RADIOBUTTON)) {
        SetFocus(next);
        if (SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED) SendMessageA(next, BM_CLICK, 0, 0);
      }
      return true;
    }
    default:
      return false;
  }
}

bool HandleAccessKey(HWND window, HWND focus, const MSG& message) {
  if (message.message == WM_CHAR && (DialogCodeOf(focus, &message) & DLGC_WANTCHARS)) return false;
  if (message.wParam >= 0x80) return false;
  char key = static_cast<char>(message.wParam);
  if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
  HWND button = FindAccessKeyButton(window, key);
  if (!button) return false;
  SendMessageA(button, BM_CLICK, 0, 0);
  return true;
}
}  // namespace

bool TranslateDialogKey(HWND window, HWND defaultButton, const MSG& message) {
  if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
  HWND focus = GetFocus();
  if (focus != window && !IsChild(window, focus)) focus = nullptr;
  switch (message.message) {
    case WM_KEYDOWN:
      return HandleKeyDown(window, defaultButton, focus == window ? nullptr : focus, message);
    case WM_SYSCHAR:
    case WM_CHAR:
      return HandleAccessKey(window, focus == window ? nullptr : focus, message);
    default:
      return false;
  }
}
