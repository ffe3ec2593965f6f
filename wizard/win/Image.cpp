#include "wizard/win/Image.h"

#include <utility>

#include "wizard/win/WindowState.h"

namespace {
class ImageState {
 public:
  BitmapHandle Bitmap;
  IconHandle Icon;

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return PaintOrPrint(window, message, wParam, [&](HDC dc) { Draw(window, dc); });
      case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(wParam == IMAGE_ICON ? static_cast<HANDLE>(Icon.Get())
                                                              : static_cast<HANDLE>(Bitmap.Get()));
      default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
  }

 private:
  void Draw(HWND window, HDC dc) const {
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (Icon) DrawIconEx(dc, 0, 0, Icon.Get(), 0, 0, 0, nullptr, DI_NORMAL);
    if (!Bitmap) return;
    MemoryDc source(CreateCompatibleDC(dc));
    SelectionGuard selected(source.Get(), Bitmap.Get());
    BITMAP size;
    GetObjectA(Bitmap.Get(), sizeof size, &size);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
  }
};
}  // namespace

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return StatefulWindowProc<ImageState>(window, message, wParam, lParam);
}

void ImageSetBitmap(HWND image, BitmapHandle bitmap) {
  StateOf<ImageState>(image)->Bitmap = std::move(bitmap);
  InvalidateRect(image, nullptr, TRUE);
}

void ImageSetIcon(HWND image, IconHandle icon) {
  StateOf<ImageState>(image)->Icon = std::move(icon);
  InvalidateRect(image, nullptr, TRUE);
}
