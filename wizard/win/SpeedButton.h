#pragma once
// A flat tool button: a glyph on the button face, a raised border only while the mouse
// is over it, a lowered one while it is held down. A click reaches the parent as
// WM_COMMAND with BN_CLICKED. The keyboard reaches it as a tab stop that Space and Enter
// press (KeyboardButton), with a focus rectangle inside its border; a click of the
// mouse leaves the focus where it is.
#include <windows.h>

#include <string>

#include "wizard/win/WinHandles.h"

inline constexpr char kSpeedButtonClassName[] = "TSpeedButton";

LRESULT CALLBACK SpeedButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The glyph: the colour of its bottom-left pixel is transparent.
void SpeedButtonSetGlyph(HWND button, BitmapHandle glyph);
// The tooltip shown while the mouse rests on the button.
void SpeedButtonSetHint(HWND button, const std::string& hint);
