#pragma once
// The arithmetic of the percentage gauge: clamping, the percentage shown, the width of
// the bar and its text. Halves round to the even neighbour throughout.
#include <string>

// numerator / denominator rounded to the nearest integer, halves to even; denominator > 0.
long long RoundHalfEven(long long numerator, long long denominator);

// progress moved into [minimum, maximum].
int ClampProgress(int progress, int minimum, int maximum);

// The rounded share of progress in the range, 0 to 100; 0 for an empty range.
int GaugePercentage(int progress, int minimum, int maximum);

// Width of the bar of a gauge gaugeWidth pixels wide: round(W * percentage / 100) with
// W = gaugeWidth + 1, at most W.
int GaugeBarWidth(int gaugeWidth, int percentage);

// "33%".
std::string GaugeText(int percentage);
