#pragma once
// Keeps a window whole on the screen: a remembered position may lie on a monitor that is
// gone, be any number someone stored, or have been left at a smaller scale, where the
// window was smaller and fitted where it now reaches past the edge.

struct ScreenRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct ScreenPoint {
  int X = 0, Y = 0;
};

// Where the window with this frame stands whole on workArea, moved the least distance
// from where it is: not at all when it lies whole on it already. A window wider or
// taller than the work area puts its left or top edge on the work area's, so that its
// title bar and its top-left corner stay on the screen.
ScreenPoint PositionOnWorkArea(const ScreenRect& frame, const ScreenRect& workArea);
