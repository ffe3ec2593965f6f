#pragma once
// The link label of the main window: a Static control with SS_NOTIFY that the mouse
// clicks, made usable from the keyboard as well (KeyboardButton): a tab stop that Space
// and Enter press, with a focus rectangle around it while it has the focus. Its text,
// colour and font stay the Static control's.
#include <windows.h>

// Takes over the keyboard and the painting of label, a Static control.
void EnableLinkLabelKeys(HWND label);
