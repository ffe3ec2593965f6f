#pragma once
// The text of a window as a cp932 byte string, whatever its length.
#include <windows.h>

#include <string>

std::string WindowText(HWND window);
