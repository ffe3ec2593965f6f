#include "wizard/win/Image.h"

#include "wizard/win/GdiHandles.h"
#include "wizard/win/WindowState.h"

namespace {
class TImageState {
 public:
  TBitmapHandle Bitmap;
  HICON Icon = nullptr;

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT && message != WM_PRINTCLIENT)
      return DefWindowProcA(window, message, wParam, lParam);
    return PaintOrPrint(window, message, wParam, [&](HDC dc) { Draw(window, dc); });
  }

 private:
  void Draw(HWND window, HDC dc) const {
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (Icon) DrawIconEx(dc, 0, 0, Icon, 0, 0, 0, nullptr, DI_NORMAL);
    if (!Bitmap) return;
    TMemoryDc source(CreateCompatibleDC(dc));
    TSelection selected(source.get(), Bitmap.get());
    BITMAP size;
    GetObjectA(Bitmap.get(), sizeof size, &size);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
};
}  // namespace

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return StatefulWindowProc<TImageState>(window, message, wParam, lParam);
}

void ImageSetBitmap(HWND image, HBITMAP bitmap) {
  StateOf<TImageState>(image)->Bitmap.reset(bitmap);
  InvalidateRect(image, nullptr, TRUE);
}

void ImageSetIcon(HWND image, HICON icon) {
  StateOf<TImageState>(image)->Icon = icon;
  InvalidateRect(image, nullptr, TRUE);
}
