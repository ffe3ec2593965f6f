#pragma once
// The fonts of the main window: "ＭＳ Ｐゴシック" (Shift-JIS character set), 12 pixels
// high, and the bold 16-pixel title, the bold and the underlined variants of it.
// Heights are in pixels, so the fonts do not follow the screen's DPI setting.
#include <windows.h>

#include "wizard/win/WinHandles.h"
#include "wizard/win/MainWindowLayout.h"

class WindowFonts {
 public:
  WindowFonts();
  HFONT For(FontRole role) const;

 private:
  FontHandle normal_, title_, bold_, link_;
};
