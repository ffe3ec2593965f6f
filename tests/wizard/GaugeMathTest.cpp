#include "wizard/GaugeMath.h"

#include <gtest/gtest.h>

TEST(GaugeMath, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(5, 2), 2);    // 2.5
  EXPECT_EQ(RoundHalfEven(7, 2), 4);    // 3.5
  EXPECT_EQ(RoundHalfEven(-5, 2), -2);  // -2.5
  EXPECT_EQ(RoundHalfEven(-7, 2), -4);
  EXPECT_EQ(RoundHalfEven(10, 3), 3);
  EXPECT_EQ(RoundHalfEven(11, 3), 4);
  EXPECT_EQ(RoundHalfEven(-11, 3), -4);
}

TEST(GaugeMath, PercentageClampsAndRounds) {
  EXPECT_EQ(GaugePercentage(33, 0, 100), 33);
  EXPECT_EQ(GaugePercentage(-5, 0, 100), 0);
  EXPECT_EQ(GaugePercentage(250, 0, 100), 100);
  EXPECT_EQ(GaugePercentage(1, 0, 8), 12);  // 12.5 rounds down to even
  EXPECT_EQ(GaugePercentage(3, 0, 8), 38);  // 37.5 rounds up to even
  EXPECT_EQ(GaugePercentage(15, 10, 20), 50);
  EXPECT_EQ(GaugePercentage(5, 7, 7), 0);  // empty range
  EXPECT_EQ(GaugePercentage(2147483647, -2147483647 - 1, 2147483647), 100);
}

TEST(GaugeMath, BarOfTheWizardsGaugeAtItsFourSteps) {
  EXPECT_EQ(GaugeBarWidth(291, 0), 0);
  EXPECT_EQ(GaugeBarWidth(291, 33), 96);
  EXPECT_EQ(GaugeBarWidth(291, 66), 193);
  // W = 292 covers the whole gauge; the last pixel lies outside it.
  EXPECT_EQ(GaugeBarWidth(291, 100), 292);
  EXPECT_EQ(GaugeBarWidth(3, 50), 2);  // 4 * 0.5
  EXPECT_EQ(GaugeBarWidth(4, 50), 2);  // 2.5 rounds to even
}

TEST(GaugeMath, TextIsThePercentageWithASign) {
  EXPECT_EQ(GaugeText(0), "0%");
  EXPECT_EQ(GaugeText(33), "33%");
  EXPECT_EQ(GaugeText(100), "100%");
}
