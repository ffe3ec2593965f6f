#pragma once
// The controls of a window, made from its layout table (ControlLayout) and laid out at
// the window's display scale: their places, fonts and pictures, and the labels that
// take the size of their text. The window destroys them with itself.
#include <windows.h>

#include <map>

#include "wizard/win/ControlLayout.h"
#include "wizard/win/DisplayScale.h"
#include "wizard/win/WindowFonts.h"

class LayoutControls {
 public:
  explicit LayoutControls(const ControlLayout& layout) : layout_(layout) {}

  // Makes every control of the table on window at scale. Raises an Exception naming
  // the control's class when one cannot be made.
  void Create(HWND window, const DisplayScale& scale, const WindowFonts& fonts);
  // Lays every control out again at a new scale with the fonts of that scale.
  void Rescale(const DisplayScale& scale, const WindowFonts& fonts);
  // Forgets the controls (the window destroys them).
  void Clear() { controls_.clear(); }

  // The control with this id (ControlId), or nullptr.
  HWND Control(int id) const;
  // A label that grows with its text takes the size of its text in its own font. With
  // "ＭＳ Ｐゴシック" that is the size of the layout table; a substitute font may make it
  // a little larger, so that the text is never cut off. A path label grows no wider
  // than its place and shortens its text beyond.
  void FitToText(int id);

 private:
  // A label of a fixed size whose text needs more height than its place holds (a
  // substitute face a little taller than the design font, say) grows downwards, into
  // the free space below it, as far as the text needs; where the text fits, it keeps
  // its place.
  void GrowToFitText(const ControlSpec& spec);
  void CreateControl(HWND window, const ControlSpec& spec);
  void Scale(const ControlSpec& spec);
  SIZE TextSize(HWND label, int wrapWidth) const;

  const ControlLayout& layout_;
  DisplayScale scale_;
  const WindowFonts* fonts_ = nullptr;
  std::map<int, HWND> controls_;
};
