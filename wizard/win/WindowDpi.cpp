#include "wizard/win/WindowDpi.h"

#include "wizard/win/WinHandles.h"

namespace {
template <class Function>
Function UserFunction(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

int SystemDpi() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.Dc(), LOGPIXELSY);
}
}  // namespace

int WindowDpi(HWND window) {
  static const auto dpiForWindow = UserFunction<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const int dpi = dpiForWindow ? static_cast<int>(dpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

SIZE FrameSizeFor(SIZE client, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi =
      UserFunction<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT frame = {0, 0, client.cx, client.cy};
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}
