#pragma once
// The keyboard side of a control that is pressed like a push button without being one:
// the flat tool button and the link label. Such a control is a tab stop; the window's
// dialog keys (DialogKeys) press it on Enter, as they press a focused push button, and
// it presses itself on Space. It tells its parent when it gains or loses the focus, as
// a push button with BS_NOTIFY does, and shows the focus with a focus rectangle. The
// mouse never gives it the focus.
#include <windows.h>

// Handles message when it is one of the keyboard's (WM_GETDLGCODE, WM_SETFOCUS,
// WM_KILLFOCUS, Space going down): true, with its result in result; false for any other.
bool HandleButtonKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The focus rectangle on area while control has the focus, drawn as Windows draws it,
// unless the window hides focus marks until the keyboard is used.
void DrawFocusMark(HWND control, HDC dc, const RECT& area);
