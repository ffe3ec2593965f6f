#include "wizard/win/WarningBox.h"

#include <algorithm>
#include <exception>

#include "common/Texts.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WinHandles.h"

namespace {
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr int kTextId = 0xFFFF;  // as in the system's message boxes

struct WarningBoxContent {
  const std::string& Text;
  FontHandle Font;
  std::exception_ptr Failure;  // what stopped the layout, raised again after the box
};

// Distances in dialog units, turned into pixels of the message font.
struct BoxMetrics {
  int MarginX, MarginY, SpacingX, SpacingY, ButtonWidth, ButtonHeight;

  explicit BoxMetrics(HDC dc) {
    TEXTMETRICA text;
    GetTextMetricsA(dc, &text);
    SIZE alphabet;
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &alphabet);
    int unitX = (alphabet.cx / 26 + 1) / 2;
    int unitY = text.tmHeight;
    MarginX = MulDiv(8, unitX, 4);
    MarginY = MulDiv(8, unitY, 8);
    SpacingX = MulDiv(10, unitX, 4);
    SpacingY = MulDiv(10, unitY, 8);
    ButtonWidth = MulDiv(50, unitX, 4);
    ButtonHeight = MulDiv(14, unitY, 8);
  }
};

HWND AddControl(HWND box, const char* className, const char* text, DWORD style, int id, RECT place,
                HFONT font) {
  HWND control =
      CheckCreated(CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, box,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr),
                   Texts::kWindowNotCreated, className);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void LayOut(HWND box, WarningBoxContent& content) {
  NONCLIENTMETRICSA system = {};
  system.cbSize = sizeof system;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0);
  content.Font.Reset(CreateFontIndirectA(&system.lfMessageFont));
  HFONT font = content.Font.Get();

  WindowDc dc(box);
  SelectionGuard selected(dc.Dc(), font);
  BoxMetrics metrics(dc.Dc());
  RECT textSize = {0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
  DrawTextA(dc.Dc(), content.Text.c_str(), -1, &textSize,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  int icon = GetSystemMetrics(SM_CXICON);
  int textHeight = std::max<int>(icon, textSize.bottom);
  int clientWidth =
      std::max<int>(icon + metrics.SpacingX + textSize.right, metrics.ButtonWidth) + 2 * metrics.MarginX;
  int clientHeight = 2 * metrics.MarginY + textHeight + metrics.SpacingY + metrics.ButtonHeight;

  HWND iconControl =
      AddControl(box, "Static", nullptr, SS_ICON, -1,
                 {metrics.MarginX, metrics.MarginY, metrics.MarginX + icon, metrics.MarginY + icon}, font);
  SendMessageA(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(LoadIcon(nullptr, IDI_EXCLAMATION)), 0);
  int textLeft = metrics.MarginX + icon + metrics.SpacingX;
  AddControl(box, "Static", content.Text.c_str(), SS_LEFT | SS_NOPREFIX, kTextId,
             {textLeft, metrics.MarginY, textLeft + textSize.right, metrics.MarginY + textHeight}, font);
  int buttonLeft = (clientWidth - metrics.ButtonWidth) / 2;
  int buttonTop = metrics.MarginY + textHeight + metrics.SpacingY;
  HWND ok = AddControl(
      box, "Button", Texts::Window::kOkButton, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
      {buttonLeft, buttonTop, buttonLeft + metrics.ButtonWidth, buttonTop + metrics.ButtonHeight}, font);

  SetWindowTextA(box, Texts::kWarningCaption);
  RECT frame = {0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kBoxStyle, FALSE, GetWindowLongA(box, GWL_EXSTYLE));
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  SetFocus(ok);
}

INT_PTR CALLBACK WarningBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      // No error may pass through the system's dialog code that called this.
      auto& content = *reinterpret_cast<WarningBoxContent*>(lParam);
      try {
        LayOut(box, content);
      } catch (...) {
        content.Failure = std::current_exception();
        EndDialog(box, IDABORT);
      }
      return FALSE;  // the focus is on OK already
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, IDOK);
      return TRUE;
    case WM_CLOSE:
      EndDialog(box, IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}
}  // namespace

void ShowWarningBox(HWND owner, const std::string& text) {
  // An empty template: the box lays out its controls in pixels when it starts.
  alignas(DWORD) WORD dialogTemplate[16] = {};
  auto* header = reinterpret_cast<DLGTEMPLATE*>(dialogTemplate);
  header->style = kBoxStyle;
  WarningBoxContent content{text, {}, nullptr};
  const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), header, owner, WarningBoxProc,
                                                 reinterpret_cast<LPARAM>(&content));
  // A box that could not be made or laid out: the system's own box tells the warning, and
  // the reason follows it.
  if (result == -1 || content.Failure)
    MessageBoxA(owner, text.c_str(), Texts::kWarningCaption, MB_OK | MB_ICONEXCLAMATION);
  if (content.Failure) std::rethrow_exception(content.Failure);
}
