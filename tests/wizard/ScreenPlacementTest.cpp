// Where a remembered window position is kept and where it is moved onto a monitor.
#include <gtest/gtest.h>

#include "wizard/ScreenPlacement.h"

namespace {
const ScreenRect kLeftMonitor = {0, 0, 1024, 738};  // a taskbar below
const ScreenRect kRightMonitor = {1024, 0, 2944, 1080};
constexpr int kTitleBar = 24;

ScreenRect Frame(int left, int top, int width = 479, int height = 301) {
  return {left, top, left + width, top + height};
}
}  // namespace

TEST(ScreenPlacement, AReachableTitleBarStaysWhereItIs) {
  const std::vector<ScreenRect> monitors = {kLeftMonitor, kRightMonitor};
  for (const ScreenRect& frame : {Frame(-4, 273), Frame(1800, 900), Frame(1000, -16), Frame(-447, 700)}) {
    const ScreenPoint place = ReachablePosition(frame, kTitleBar, monitors, kLeftMonitor);
    EXPECT_EQ(frame.Left, place.X);
    EXPECT_EQ(frame.Top, place.Y);
  }
}

TEST(ScreenPlacement, AnUnreachableTitleBarMovesTheShortestWayOntoTheNearestMonitor) {
  const std::vector<ScreenRect> monitors = {kLeftMonitor};
  const struct {
    ScreenRect Frame;
    int X, Y;
  } cases[] = {
      {Frame(-5000, 90000), 0, 738 - 301},  // far away on both axes
      {Frame(-460, 100), 0, 100},           // less than the grab width left on screen
      {Frame(300, 732), 300, 738 - 301},    // the title bar just below the work area
      {Frame(-3000, 20, 1500, 900), 0, 0},  // too large: its top-left corner comes inside
  };
  for (const auto& c : cases) {
    const ScreenPoint place = ReachablePosition(c.Frame, kTitleBar, monitors, kLeftMonitor);
    EXPECT_EQ(c.X, place.X) << c.Frame.Left << "," << c.Frame.Top;
    EXPECT_EQ(c.Y, place.Y) << c.Frame.Left << "," << c.Frame.Top;
  }
}
