#pragma once
// A picture control that draws a bitmap unscaled from its top-left corner (the parts
// beyond the control are cut off) or an icon at its own size with its transparent
// parts. It owns the bitmap or icon it is given. STM_GETIMAGE tells which it shows.
#include <windows.h>

#include "wizard/win/WinHandles.h"

inline constexpr char kImageClassName[] = "TImage";

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void ImageSetBitmap(HWND image, BitmapHandle bitmap);
void ImageSetIcon(HWND image, IconHandle icon);
