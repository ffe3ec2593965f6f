#include "wizard/ScreenPlacement.h"

#include <algorithm>

namespace {
bool TitleBarCanBeGrabbed(const ScreenRect& titleBar, const ScreenRect& area) {
  const int width = std::min(titleBar.Right, area.Right) - std::max(titleBar.Left, area.Left);
  const int height = std::min(titleBar.Bottom, area.Bottom) - std::max(titleBar.Top, area.Top);
  return width >= kMinimumGrabWidth && height >= kMinimumGrabHeight;
}

// start moved the least so that [start, start + size) lies in [low, high), or to low
// when it is too large for that.
int MoveInto(int start, int size, int low, int high) { return std::max(low, std::min(start, high - size)); }
}  // namespace

ScreenPoint ReachablePosition(const ScreenRect& frame, int titleBarHeight,
                              const std::vector<ScreenRect>& workAreas, const ScreenRect& nearestWorkArea) {
  const ScreenRect titleBar = {frame.Left, frame.Top, frame.Right, frame.Top + titleBarHeight};
  for (const ScreenRect& area : workAreas)
    if (TitleBarCanBeGrabbed(titleBar, area)) return {frame.Left, frame.Top};
  return {MoveInto(frame.Left, frame.Right - frame.Left, nearestWorkArea.Left, nearestWorkArea.Right),
          MoveInto(frame.Top, frame.Bottom - frame.Top, nearestWorkArea.Top, nearestWorkArea.Bottom)};
}
