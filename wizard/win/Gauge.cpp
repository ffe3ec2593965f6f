#include "wizard/win/Gauge.h"

#include <string>

#include "wizard/GaugeMath.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowState.h"

namespace {
constexpr COLORREF kBarColour = RGB(0, 0, 255);

// Inverts the pixels of picture under the text: the text is drawn white on black into
// a one-bit bitmap, which is then combined with the picture by exclusive-or.
void XorText(HDC picture, int width, int height, const std::string& text, HFONT font) {
  MemoryDc maskDc(CreateCompatibleDC(picture));
  BitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
  SelectionGuard maskSelected(maskDc.Get(), mask.Get());
  SelectionGuard fontSelected(maskDc.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  PatBlt(maskDc.Get(), 0, 0, width, height, BLACKNESS);
  SIZE extent;
  GetTextExtentPoint32A(maskDc.Get(), text.data(), static_cast<int>(text.size()), &extent);
  SetBkMode(maskDc.Get(), TRANSPARENT);
  SetTextColor(maskDc.Get(), RGB(255, 255, 255));
  TextOutA(maskDc.Get(), (width + 1 - extent.cx) / 2, (height + 1 - extent.cy) / 2, text.data(),
           static_cast<int>(text.size()));
  // A one-bit source maps 0 to the text colour and 1 to the background colour.
  COLORREF oldText = SetTextColor(picture, RGB(0, 0, 0));
  COLORREF oldBack = SetBkColor(picture, RGB(255, 255, 255));
  BitBlt(picture, 0, 0, width, height, maskDc.Get(), 0, 0, SRCINVERT);
  SetTextColor(picture, oldText);
  SetBkColor(picture, oldBack);
}

class GaugeState {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND:
        return 1;  // the paint covers everything
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return PaintOrPrint(window, message, wParam, [&](HDC dc) { Paint(window, dc); });
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }

  void SetProgress(HWND window, int progress) {
    int before = Percentage();
    progress_ = ClampProgress(progress, kMinimum, kMaximum);
    if (Percentage() == before) return;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
  }

 private:
  static constexpr int kMinimum = 0;
  static constexpr int kMaximum = 100;

  int Percentage() const { return GaugePercentage(progress_, kMinimum, kMaximum); }

  void Paint(HWND window, HDC dc) const {
    RECT area;
    GetClientRect(window, &area);
    int width = area.right, height = area.bottom;
    if (width <= 0 || height <= 0) return;
    MemoryDc pictureDc(CreateCompatibleDC(dc));
    BitmapHandle picture(CreateCompatibleBitmap(dc, width, height));
    SelectionGuard selected(pictureDc.Get(), picture.Get());
    FillRect(pictureDc.Get(), &area, GetSysColorBrush(COLOR_BTNFACE));
    int percentage = Percentage();
    RECT bar = {0, 0, GaugeBarWidth(width, percentage), height};
    if (bar.right > 0) {
      BrushHandle barBrush(CreateSolidBrush(kBarColour));
      FillRect(pictureDc.Get(), &bar, barBrush.Get());
    }
    XorText(pictureDc.Get(), width, height, GaugeText(percentage), font_);
    BitBlt(dc, 0, 0, width, height, pictureDc.Get(), 0, 0, SRCCOPY);
  }

  int progress_ = kMinimum;
  HFONT font_ = nullptr;
};
}  // namespace

LRESULT CALLBACK GaugeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return StatefulWindowProc<GaugeState>(window, message, wParam, lParam);
}

void GaugeSetProgress(HWND gauge, int progress) { StateOf<GaugeState>(gauge)->SetProgress(gauge, progress); }
