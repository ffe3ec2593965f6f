#pragma once
// WM_SYSCOMMAND: the system keeps its own flags in the low four bits of the command.
#include <windows.h>

inline UINT SystemCommandOf(WPARAM wParam) { return static_cast<UINT>(wParam & 0xFFF0); }
