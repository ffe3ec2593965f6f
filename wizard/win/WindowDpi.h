#pragma once
// The resolution of the screen under a window, and the frame around a client area at a
// resolution. Windows 10 1607 and later tell them per monitor; before that (the
// functions are looked up, so that the program still starts there) the whole desktop
// has the resolution of the system.
#include <windows.h>

int WindowDpi(HWND window);
// The outer size of a window of this style whose client area has the size given.
SIZE FrameSizeFor(SIZE client, DWORD style, DWORD exStyle, int dpi);
