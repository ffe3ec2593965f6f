#pragma once
// Files dropped onto a window (WM_DROPFILES).
#include <windows.h>
#include <shellapi.h>

#include <string>

// The first of the dropped files (cp932), empty when there is none; the drop's memory
// is given back to the system.
std::string TakeFirstDroppedFile(HDROP drop);
