#include "wizard/win/Bevel.h"

LRESULT CALLBACK BevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT area;
  GetClientRect(window, &area);
  DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);
  EndPaint(window, &paint);
  return 0;
}
