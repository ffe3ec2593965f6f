#pragma once
// The percentage gauge: a horizontal blue bar on the button face with the percentage
// written across it in exclusive-or with white. The picture is built off-screen and
// copied in one step. Range 0 to 100; the font is set with WM_SETFONT.
#include <windows.h>

inline constexpr char kGaugeClassName[] = "TGauge";

LRESULT CALLBACK GaugeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the progress (clamped to the range) and, when the percentage changes, paints
// the gauge at once.
void GaugeSetProgress(HWND gauge, int progress);
