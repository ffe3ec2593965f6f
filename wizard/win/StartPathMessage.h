#pragma once
// The settings path that a second start of the wizard hands over to the running one: a
// WM_COPYDATA to its main window carrying the path's cp932 bytes, without a final NUL.
#include <windows.h>

#include <string>

// Sends path to the main window and waits, a few seconds at most, until it is taken.
void SendStartPath(HWND mainWindow, const std::string& path);
// The path that a WM_COPYDATA carries. False when it carries none: data of another
// kind, or bytes that are no path (none, more than a path's longest, a control byte).
bool ReceivedStartPath(const COPYDATASTRUCT& data, std::string& path);
