#pragma once
// The windows are laid out in pixels of a 96-DPI screen (100 %). On a screen of
// another resolution every pixel figure is multiplied by DPI / 96 and rounded to the
// nearest pixel, halves away from zero, as MulDiv does. A rectangle scales by its
// edges, so that controls that meet at 96 DPI still meet at any scale and none
// overlaps another.
#include "wizard/win/ControlLayout.h"

inline constexpr int kLayoutDpi = 96;

class DisplayScale {
 public:
  explicit DisplayScale(int dpi = kLayoutDpi) : dpi_(dpi) {}
  int Dpi() const { return dpi_; }
  // A length or a position.
  int Of(int pixels) const;
  PixelRect Of(const PixelRect& place) const;
  // The pictures come drawn for 100, 125, 150 and 200 % (index 0 to 3). The window
  // shows those of the largest of these scales that is not above its own (below 100 %
  // the 100 % ones): a picture is never stretched, and never cut off more than at
  // 100 %; between two of the scales it is a little smaller than its place.
  int PictureIndex() const;
  // The scale that the pictures of PictureIndex are drawn for.
  DisplayScale PictureScale() const;

 private:
  int dpi_;
};
