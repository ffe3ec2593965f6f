#include "wizard/win/DisplayScale.h"

#include <windows.h>

namespace {
constexpr int kPictureDpis[] = {96, 120, 144, 192};
constexpr int kPictureScales = sizeof kPictureDpis / sizeof kPictureDpis[0];
}  // namespace

int DisplayScale::Of(int pixels) const { return MulDiv(pixels, dpi_, kLayoutDpi); }

PixelRect DisplayScale::Of(const PixelRect& place) const {
  const int left = Of(place.Left), top = Of(place.Top);
  return {left, top, Of(place.Left + place.Width) - left, Of(place.Top + place.Height) - top};
}

int DisplayScale::PictureIndex() const {
  int index = 0;
  while (index + 1 < kPictureScales && kPictureDpis[index + 1] <= dpi_) ++index;
  return index;
}

DisplayScale DisplayScale::PictureScale() const { return DisplayScale(kPictureDpis[PictureIndex()]); }
