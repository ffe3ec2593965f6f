#include "wizard/win/WindowFonts.h"

#include "common/Texts.h"

namespace {
HFONT MakeFont(int height, int weight, bool underline) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, underline, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Texts::Window::FontFace);
}
}  // namespace

TWindowFonts::TWindowFonts()
    : FNormal(MakeFont(-12, FW_NORMAL, false)),
      FTitle(MakeFont(-16, FW_BOLD, false)),
      FBold(MakeFont(-12, FW_BOLD, false)),
      FLink(MakeFont(-12, FW_NORMAL, true)) {}

HFONT TWindowFonts::For(TFontRole role) const {
  switch (role) {
    case TFontRole::Title:
      return FTitle.get();
    case TFontRole::Bold:
      return FBold.get();
    case TFontRole::Link:
      return FLink.get();
    case TFontRole::Normal:
      break;
  }
  return FNormal.get();
}
