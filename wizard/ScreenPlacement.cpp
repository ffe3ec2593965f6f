#include "wizard/ScreenPlacement.h"

#include <algorithm>

namespace {
// start moved the least so that [start, start + size) lies in [low, high), or to low
// when it is too large for that.
int MoveInto(int start, int size, int low, int high) { return std::max(low, std::min(start, high - size)); }
}  // namespace

ScreenPoint PositionOnWorkArea(const ScreenRect& frame, const ScreenRect& workArea) {
  return {MoveInto(frame.Left, frame.Right - frame.Left, workArea.Left, workArea.Right),
          MoveInto(frame.Top, frame.Bottom - frame.Top, workArea.Top, workArea.Bottom)};
}
