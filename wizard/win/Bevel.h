#pragma once
// An etched horizontal line along the top edge of the control: a button-shadow row
// above a button-highlight row, on the button face.
#include <windows.h>

inline constexpr char kBevelClassName[] = "TBevel";

LRESULT CALLBACK BevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
