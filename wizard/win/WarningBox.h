#pragma once
// The warning box: caption "警告", the system's exclamation icon at the left, the text
// word-wrapped to at most half the screen width beside it in the system's message font,
// and one "OK" button centred below, which is both the default and the cancel button
// (Enter, Esc and the close box all close the box). Centred on the screen; returns
// when the user has closed it.
#include <windows.h>

#include <string>

void ShowWarningBox(HWND owner, const std::string& text);
