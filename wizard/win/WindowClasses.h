#pragma once
// Registers the window classes of the program (the application window, the main window
// and its custom controls) and the common controls it uses. Safe to call again.
#include <windows.h>

void RegisterWindowClasses(HINSTANCE instance);
