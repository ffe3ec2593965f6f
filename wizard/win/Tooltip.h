#pragma once
// A tooltip for controls of one top-level window: the text shows while the mouse rests
// on a control. The tooltip window is made with the first text and belongs to the
// top-level window, which destroys it. A static control needs SS_NOTIFY to see the
// mouse.
#include <windows.h>

#include <string>

class Tooltip {
 public:
  // Shows text for control from now on, in place of any text it had. Raises an
  // Exception when the tooltip window cannot be made.
  void SetText(HWND control, const std::string& text);

 private:
  HWND window_ = nullptr;
};
