// Where a remembered window position is kept and where it is moved onto a monitor.
#include <gtest/gtest.h>

#include "wizard/ScreenPlacement.h"

namespace {
const ScreenRect kLeftMonitor = {0, 0, 1024, 738};  // a taskbar below

ScreenRect Frame(int left, int top, int width = 479, int height = 301) {
  return {left, top, left + width, top + height};
}
}  // namespace

TEST(ScreenPlacement, AWindowWholeOnItsWorkAreaStaysWhereItIs) {
  for (const ScreenRect& frame : {Frame(0, 0), Frame(545, 437), Frame(0, 200, 1024, 538)}) {
    const ScreenPoint place = PositionOnWorkArea(frame, kLeftMonitor);
    EXPECT_EQ(frame.Left, place.X);
    EXPECT_EQ(frame.Top, place.Y);
  }
}

TEST(ScreenPlacement, AnyPartOutsideMovesTheWindowTheLeastDistanceOntoItsWorkArea) {
  const struct {
    ScreenRect Frame;
    int X, Y;
  } cases[] = {
      {Frame(545, 234, 716, 447), 1024 - 716, 234},  // left at 100 %, shown at 150 %
      {Frame(-4, 273), 0, 273},
      {Frame(-5000, 90000), 0, 738 - 301},  // far away on both axes
      {Frame(-460, 100), 0, 100},           // mostly off the left edge
      {Frame(300, 732), 300, 738 - 301},    // the title bar just below the work area
      {Frame(-3000, 20, 1500, 900), 0, 0},  // too large: its top-left corner comes inside
  };
  for (const auto& c : cases) {
    const ScreenPoint place = PositionOnWorkArea(c.Frame, kLeftMonitor);
    EXPECT_EQ(c.X, place.X) << c.Frame.Left << "," << c.Frame.Top;
    EXPECT_EQ(c.Y, place.Y) << c.Frame.Left << "," << c.Frame.Top;
  }
}
