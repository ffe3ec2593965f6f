#pragma once
// Keeps a window where the user can reach it: a remembered position may lie on a
// monitor that is gone, or be any number someone stored.
#include <vector>

struct ScreenRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct ScreenPoint {
  int X = 0, Y = 0;
};

// The least of the title bar that must lie in one work area for the user to grab it.
inline constexpr int kMinimumGrabWidth = 32;
inline constexpr int kMinimumGrabHeight = 8;

// Where the window with this frame should stand. titleBarHeight is the height of the
// frame above the client area. When at least kMinimumGrabWidth x kMinimumGrabHeight
// pixels of the title bar lie in one of workAreas, the window stays exactly where it
// is; otherwise it moves the shortest way into nearestWorkArea, wholly when it fits
// and with its top-left corner inside when it does not.
ScreenPoint ReachablePosition(const ScreenRect& frame, int titleBarHeight,
                              const std::vector<ScreenRect>& workAreas, const ScreenRect& nearestWorkArea);
