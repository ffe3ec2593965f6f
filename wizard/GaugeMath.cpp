#include "wizard/GaugeMath.h"

#include <algorithm>

#include "common/Format.h"

long long RoundHalfEven(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (remainder < 0) {  // floor division, so that the remainder counts upwards
    quotient -= 1;
    remainder += denominator;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

int ClampProgress(int progress, int minimum, int maximum) {
  if (progress < minimum) return minimum;
  if (progress > maximum) return maximum;
  return progress;
}

int GaugePercentage(int progress, int minimum, int maximum) {
  if (maximum <= minimum) return 0;
  long long done = static_cast<long long>(ClampProgress(progress, minimum, maximum)) - minimum;
  long long span = static_cast<long long>(maximum) - minimum;
  return static_cast<int>(RoundHalfEven(100 * done, span));
}

int GaugeBarWidth(int gaugeWidth, int percentage) {
  long long fullWidth = static_cast<long long>(gaugeWidth) + 1;
  long long width = RoundHalfEven(fullWidth * percentage, 100);
  return static_cast<int>(std::clamp(width, 0LL, fullWidth));
}

std::string GaugeText(int percentage) { return FormatText("%d%%", percentage); }
