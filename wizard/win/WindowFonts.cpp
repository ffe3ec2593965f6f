#include "wizard/win/WindowFonts.h"

#include "common/Texts.h"

namespace {
HFONT MakeFont(int height, int weight, bool underline) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     Texts::Window::kFontFace);
}
}  // namespace

WindowFonts::WindowFonts(const DisplayScale& scale)
    : normal_(MakeFont(-scale.Of(12), FW_NORMAL, false)),
      title_(MakeFont(-scale.Of(16), FW_BOLD, false)),
      bold_(MakeFont(-scale.Of(12), FW_BOLD, false)),
      link_(MakeFont(-scale.Of(12), FW_NORMAL, true)) {}

HFONT WindowFonts::For(FontRole role) const {
  switch (role) {
    case FontRole::Title:
      return title_.Get();
    case FontRole::Bold:
      return bold_.Get();
    case FontRole::Link:
      return link_.Get();
    case FontRole::Normal:
      break;
  }
  return normal_.Get();
}
