#pragma once
// The keyboard interface of a window that is laid out like a dialog box but is not
// made by the dialog manager, with its controls spread over child panels:
// - Tab and Shift+Tab move through the tab stops of the visible, enabled controls;
// - the arrow keys move between the radio buttons of a group and select them;
// - Enter presses the focused control that answers WM_GETDLGCODE as a push button
//   does (a push button, the tool button, the link label), or else the default button
//   while it is visible and enabled;
// - Esc does nothing;
// - Alt with an access key (and the key alone when the focused control takes no
//   characters) presses the visible, enabled button that carries it.
#include <windows.h>

// True when message was such a key and has been handled; it is then not dispatched.
bool TranslateDialogKey(HWND window, HWND defaultButton, const MSG& message);
