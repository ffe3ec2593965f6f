#pragma once
// The main window's controls as data (ControlLayout).
#include "wizard/win/ControlLayout.h"

// The window's client area in 96-DPI pixels.
inline constexpr int kLayoutClientWidth = 473;
inline constexpr int kLayoutClientHeight = 275;

const ControlLayout& MainWindowLayout();
