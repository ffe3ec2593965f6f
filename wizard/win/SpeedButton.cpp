#include "wizard/win/SpeedButton.h"

#include <commctrl.h>

#include "wizard/win/GdiHandles.h"
#include "wizard/win/WindowState.h"

namespace {
COLORREF BottomLeftColour(HBITMAP bitmap) {
  BITMAP size;
  GetObjectA(bitmap, sizeof size, &size);
  TMemoryDc dc(CreateCompatibleDC(nullptr));
  TSelection selected(dc.get(), bitmap);
  return GetPixel(dc.get(), 0, size.bmHeight - 1);
}

class TSpeedButtonState {
 public:
  ~TSpeedButtonState() {
    if (FGlyph) ImageList_Destroy(FGlyph);
  }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_MOUSEMOVE:
        if (!FMouseInside) {
          FMouseInside = true;
          TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
          TrackMouseEvent(&track);
          InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
      case WM_MOUSELEAVE:
        FMouseInside = false;
        InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_LBUTTONDOWN:
        FPressed = true;
        SetCapture(window);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_LBUTTONUP:
        if (FPressed) Release(window, lParam);
        return 0;
      case WM_CAPTURECHANGED:
        FPressed = false;
        InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return PaintOrPrint(window, message, wParam, [&](HDC dc) { Paint(window, dc); });
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }

  void SetGlyph(HBITMAP glyph) {
    if (FGlyph) ImageList_Destroy(FGlyph);
    BITMAP size;
    GetObjectA(glyph, sizeof size, &size);
    FGlyph = ImageList_Create(size.bmWidth, size.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
    ImageList_AddMasked(FGlyph, glyph, BottomLeftColour(glyph));
  }

  void SetHint(HWND window, const std::string& hint) {
    if (!FTooltip)
      FTooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(window, GA_ROOT),
                                 nullptr, nullptr, nullptr);
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(window);
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    tool.lpszText = const_cast<char*>(hint.c_str());
    SendMessageA(FTooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(FTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }

 private:
  void Release(HWND window, LPARAM position) {
    POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    RECT area;
    GetClientRect(window, &area);
    ReleaseCapture();  // WM_CAPTURECHANGED clears FPressed and repaints
    if (PtInRect(&area, point))
      SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                   reinterpret_cast<LPARAM>(window));
  }

  void Paint(HWND window, HDC dc) const {
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    bool down = FPressed && FMouseInside;
    if (down)
      DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    else if (FMouseInside)
      DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    if (!FGlyph) return;
    int width = 0, height = 0;
    ImageList_GetIconSize(FGlyph, &width, &height);
    int shift = down ? 1 : 0;
    ImageList_Draw(FGlyph, 0, dc, (area.right - width) / 2 + shift, (area.bottom - height) / 2 + shift,
                   ILD_TRANSPARENT);
  }

  HIMAGELIST FGlyph = nullptr;
  HWND FTooltip = nullptr;  // owned by the top-level window, which destroys it
  bool FMouseInside = false;
  bool FPressed = false;
};
}  // namespace

LRESULT CALLBACK SpeedButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return StatefulWindowProc<TSpeedButtonState>(window, message, wParam, lParam);
}

void SpeedButtonSetGlyph(HWND button, HBITMAP glyph) {
  StateOf<TSpeedButtonState>(button)->SetGlyph(glyph);
  InvalidateRect(button, nullptr, TRUE);
}

void SpeedButtonSetHint(HWND button, const std::string& hint) {
  StateOf<TSpeedButtonState>(button)->SetHint(button, hint);
}
