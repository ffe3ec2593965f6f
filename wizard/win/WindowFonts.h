#pragma once
// The fonts of the main window: "ＭＳ Ｐゴシック" (Shift-JIS character set), 12 pixels
// high, and the bold 16-pixel title, the bold and the underlined variants of it.
// Heights are pixels of a 96-DPI screen, scaled to the window's display scale.
#include <windows.h>

#include "wizard/win/DisplayScale.h"
#include "wizard/win/ControlLayout.h"
#include "wizard/win/WinHandles.h"

class WindowFonts {
 public:
  WindowFonts() = default;  // no fonts yet: the window has not learnt its scale
  explicit WindowFonts(const DisplayScale& scale);
  HFONT For(FontRole role) const;

 private:
  FontHandle normal_, title_, bold_, link_;
};
