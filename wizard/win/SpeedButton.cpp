#include "wizard/win/SpeedButton.h"

#include <commctrl.h>

#include "wizard/win/KeyboardButton.h"
#include "wizard/win/Tooltip.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowState.h"

namespace {
constexpr int kFocusMarkInset = 2;  // inside the one-pixel border, clear of the glyph

COLORREF BottomLeftColour(HBITMAP bitmap) {
  BITMAP size;
  GetObjectA(bitmap, sizeof size, &size);
  MemoryDc dc(CreateCompatibleDC(nullptr));
  SelectionGuard selected(dc.Get(), bitmap);
  return GetPixel(dc.Get(), 0, size.bmHeight - 1);
}

class SpeedButtonState {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleButtonKeys(window, message, wParam, lParam, result)) return result;
    switch (message) {
      case WM_MOUSEMOVE:
        if (!mouseInside_) {
          mouseInside_ = true;
          TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
          TrackMouseEvent(&track);
          InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
      case WM_MOUSELEAVE:
        mouseInside_ = false;
        InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(window);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_LBUTTONUP:
        if (pressed_) Release(window, lParam);
        return 0;
      case WM_CAPTURECHANGED:
        pressed_ = false;
        InvalidateRect(window, nullptr, TRUE);
        return 0;
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return PaintOrPrint(window, message, wParam, [&](HDC dc) { Paint(window, dc); });
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }

  void SetGlyph(const BitmapHandle& glyph) {
    BITMAP size;
    GetObjectA(glyph.Get(), sizeof size, &size);
    glyph_.Reset(ImageList_Create(size.bmWidth, size.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0));
    ImageList_AddMasked(glyph_.Get(), glyph.Get(), BottomLeftColour(glyph.Get()));
  }

  void SetHint(HWND window, const std::string& hint) { hint_.SetText(window, hint); }

 private:
  void Release(HWND window, LPARAM position) {
    POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    RECT area;
    GetClientRect(window, &area);
    ReleaseCapture();  // WM_CAPTURECHANGED clears pressed_ and repaints
    if (PtInRect(&area, point))
      SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                   reinterpret_cast<LPARAM>(window));
  }

  void Paint(HWND window, HDC dc) const {
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    bool down = pressed_ && mouseInside_;
    if (down)
      DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
    else if (mouseInside_)
      DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
    RECT focusMark = area;
    InflateRect(&focusMark, -kFocusMarkInset, -kFocusMarkInset);
    DrawFocusMark(window, dc, focusMark);
    if (!glyph_) return;
    int width = 0, height = 0;
    ImageList_GetIconSize(glyph_.Get(), &width, &height);
    int shift = down ? 1 : 0;
    ImageList_Draw(glyph_.Get(), 0, dc, (area.right - width) / 2 + shift, (area.bottom - height) / 2 + shift,
                   ILD_TRANSPARENT);
  }

  ImageListHandle glyph_;
  Tooltip hint_;
  bool mouseInside_ = false;
  bool pressed_ = false;
};
}  // namespace

LRESULT CALLBACK SpeedButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return StatefulWindowProc<SpeedButtonState>(window, message, wParam, lParam);
}

void SpeedButtonSetGlyph(HWND button, BitmapHandle glyph) {
  StateOf<SpeedButtonState>(button)->SetGlyph(glyph);
  InvalidateRect(button, nullptr, TRUE);
}

void SpeedButtonSetHint(HWND button, const std::string& hint) {
  StateOf<SpeedButtonState>(button)->SetHint(button, hint);
}
