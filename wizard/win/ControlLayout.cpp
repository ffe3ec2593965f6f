#include "wizard/win/ControlLayout.h"

#include <algorithm>

const ControlSpec* ControlLayout::Find(int id) const {
  for (const ControlSpec& spec : Controls)
    if (spec.Id == id) return &spec;
  return nullptr;
}

int ControlLayout::HeightBeforeNextBelow(const ControlSpec& spec) const {
  const ControlSpec* parent = Find(spec.Parent);
  int bottom = parent ? parent->Place.Height : ClientHeight;
  for (const ControlSpec& other : Controls) {
    const bool columnsOverlap = other.Place.Left < spec.Place.Left + spec.Place.Width &&
                                spec.Place.Left < other.Place.Left + other.Place.Width;
    if (other.Parent == spec.Parent && other.Place.Top > spec.Place.Top && columnsOverlap && !other.Hidden)
      bottom = std::min(bottom, other.Place.Top);
  }
  return bottom - spec.Place.Top;
}
