#pragma once
// What tests read off a window of their own or of another process (Windows only).
#include <windows.h>

#include <string>

// The window's text (cp932) and the name of its class.
std::string TextOf(HWND window);
std::string ClassNameOf(HWND window);
// The font the window was given (WM_SETFONT).
LOGFONTA FontOf(HWND window);
