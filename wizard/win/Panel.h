#pragma once
// Panels of the main window (the wizard pages and the frames around the side picture
// and the gauge): button-face background, an optional one-pixel lowered border, and
// the notifications of their children passed on to their own parent, so that the
// main window hears every control however deep it sits.
#include <windows.h>

inline constexpr char kPanelClassName[] = "TPanel";
// Window style bit of a panel that draws the lowered border.
inline constexpr DWORD kPanelLoweredBorder = 0x0001;

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
