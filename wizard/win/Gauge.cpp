#include "wizard/win/Gauge.h"

#include <string>

#include "wizard/GaugeMath.h"
#include "wizard/win/GdiHandles.h"
#include "wizard/win/WindowState.h"

namespace {
constexpr COLORREF BarColour = RGB(0, 0, 255);

// Inverts the pixels of picture under the text: the text is drawn white on black into
// a one-bit bitmap, which is then combined with the picture by exclusive-or.
void XorText(HDC picture, int width, int height, const std::string& text, HFONT font) {
  TMemoryDc maskDc(CreateCompatibleDC(picture));
  TBitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
  TSelection maskSelected(maskDc.get(), mask.get());
  TSelection fontSelected(maskDc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  PatBlt(maskDc.get(), 0, 0, width, height, BLACKNESS);
  SIZE extent;
  GetTextExtentPoint32A(maskDc.get(), text.data(), static_cast<int>(text.size()), &extent);
  SetBkMode(maskDc.get(), TRANSPARENT);
  SetTextColor(maskDc.get(), RGB(255, 255, 255));
  TextOutA(maskDc.get(), (width + 1 - extent.cx) / 2, (height + 1 - extent.cy) / 2, text.data(),
           static_cast<int>(text.size()));
  // A one-bit source maps 0 to the text colour and 1 to the background colour.
  COLORREF oldText = SetTextColor(picture, RGB(0, 0, 0));
  COLORREF oldBack = SetBkColor(picture, RGB(255, 255, 255));
  BitBlt(picture, 0, 0, width, height, maskDc.get(), 0, 0, SRCINVERT);
  SetTextColor(picture, oldText);
  SetBkColor(picture, oldBack);
}

class TGaugeState {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_SETFONT:
        FFont = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FFont);
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
    FProgress = ClampProgress(progress, Minimum, Maximum);
    if (Percentage() == before) return;
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
  }

  int Progress() const { return FProgress; }

 private:
  static constexpr int Minimum = 0;
  static constexpr int Maximum = 100;

  int Percentage() const { return GaugePercentage(FProgress, Minimum, Maximum); }

  void Paint(HWND window, HDC dc) const {
    RECT area;
    GetClientRect(window, &area);
    int width = area.right, height = area.bottom;
    if (width <= 0 || height <= 0) return;
    TMemoryDc pictureDc(CreateCompatibleDC(dc));
    TBitmapHandle picture(CreateCompatibleBitmap(dc, width, height));
    TSelection selected(pictureDc.get(), picture.get());
    FillRect(pictureDc.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
    int percentage = Percentage();
    RECT bar = {0, 0, GaugeBarWidth(width, percentage), height};
    if (bar.right > 0) {
      TBrushHandle barBrush(CreateSolidBrush(BarColour));
      FillRect(pictureDc.get(), &bar, barBrush.get());
    }
    XorText(pictureDc.get(), width, height, GaugeText(percentage), FFont);
    BitBlt(dc, 0, 0, width, height, pictureDc.get(), 0, 0, SRCCOPY);
  }

  int FProgress = Minimum;
  HFONT FFont = nullptr;
};
}  // namespace

LRESULT CALLBACK GaugeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return StatefulWindowProc<TGaugeState>(window, message, wParam, lParam);
}

void GaugeSetProgress(HWND gauge, int progress) {
  StateOf<TGaugeState>(gauge)->SetProgress(gauge, progress);
}

int GaugeProgress(HWND gauge) { return StateOf<TGaugeState>(gauge)->Progress(); }
