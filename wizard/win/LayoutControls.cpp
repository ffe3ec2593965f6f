#include "wizard/win/LayoutControls.h"

#include <algorithm>

#include "common/Texts.h"
#include "resources/ResourceIds.h"
#include "wizard/win/Bevel.h"
#include "wizard/win/Gauge.h"
#include "wizard/win/Image.h"
#include "wizard/win/LinkLabel.h"
#include "wizard/win/Panel.h"
#include "wizard/win/SpeedButton.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowText.h"

namespace {
constexpr int kListItemHeight = 12;

struct ControlClass {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
};

ControlClass ClassOf(const ControlSpec& spec) {
  switch (spec.Kind) {
    case ControlKind::Label:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::FieldLabel:
      return {"Static", SS_LEFTNOWORDWRAP, 0};
    case ControlKind::WrappedLabel:
      return {"Static", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::LinkLabel:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::PathLabel:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_PATHELLIPSIS | SS_NOTIFY, 0};
    case ControlKind::Bevel:
      return {kBevelClassName, 0, 0};
    case ControlKind::Page:
      return {kPanelClassName, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Frame:
      return {kPanelClassName, WS_CLIPCHILDREN | kPanelLoweredBorder, WS_EX_CONTROLPARENT};
    case ControlKind::Picture:
    case ControlKind::Icon:
      return {kImageClassName, 0, 0};
    case ControlKind::Edit:
      return {"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
      return {"Button", static_cast<DWORD>((spec.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY), 0};
    case ControlKind::RadioButton:
      return {"Button", BS_AUTORADIOBUTTON, 0};
    case ControlKind::CheckBox:
      return {"Button", BS_AUTOCHECKBOX, 0};
    case ControlKind::SpeedButton:
      return {kSpeedButtonClassName, 0, 0};
    case ControlKind::Gauge:
      return {kGaugeClassName, 0, 0};
    case ControlKind::ListBox:
      return {"ListBox", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
  }
  return {"Static", 0, 0};
}

DWORD StyleOf(const ControlSpec& spec) {
  DWORD style = WS_CHILD | ClassOf(spec).Style;
  if (!spec.Hidden) style |= WS_VISIBLE;
  if (spec.Disabled) style |= WS_DISABLED;
  if (spec.TabStop) style |= WS_TABSTOP;
  if (spec.Group) style |= WS_GROUP;
  return style;
}

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

// A picture of the program's resources at its own size (0 x 0) or at the size given.
HANDLE LoadPicture(int resource, UINT type, int width = 0, int height = 0, UINT flags = 0) {
  SetLastError(ERROR_SUCCESS);  // a picture that is no picture fails without a code
  return CheckCreated(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(resource), type, width, height, flags),
                      Texts::kResourceNotLoaded, resource);
}
}  // namespace

void LayoutControls::Create(HWND window, const DisplayScale& scale, const WindowFonts& fonts) {
  scale_ = scale;
  fonts_ = &fonts;
  for (const ControlSpec& spec : layout_.Controls) CreateControl(window, spec);
}

void LayoutControls::Rescale(const DisplayScale& scale, const WindowFonts& fonts) {
  scale_ = scale;
  fonts_ = &fonts;
  for (const ControlSpec& spec : layout_.Controls) {
    const PixelRect place = scale_.Of(spec.Place);
    SetWindowPos(Control(spec.Id), nullptr, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Scale(spec);
  }
}

HWND LayoutControls::Control(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

void LayoutControls::CreateControl(HWND window, const ControlSpec& spec) {
  ControlClass windowClass = ClassOf(spec);
  bool textIsHint = spec.Kind == ControlKind::SpeedButton;
  HWND parent = spec.Parent ? Control(spec.Parent) : window;
  const PixelRect place = scale_.Of(spec.Place);
  HWND control = CheckCreated(
      CreateWindowExA(windowClass.ExStyle, windowClass.Name, textIsHint ? "" : spec.Text, StyleOf(spec),
                      place.Left, place.Top, place.Width, place.Height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.Id)), ProgramInstance(), nullptr),
      Texts::kWindowNotCreated, windowClass.Name);
  controls_[spec.Id] = control;
  if (spec.Checked) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
  if (spec.Kind == ControlKind::SpeedButton) SpeedButtonSetHint(control, spec.Text);
  if (spec.Kind == ControlKind::LinkLabel) EnableLinkLabelKeys(control);
  Scale(spec);
}

// What depends on the window's scale apart from the control's place: its font, the
// size of a label that fits its text, its picture, the list box's item height.
void LayoutControls::Scale(const ControlSpec& spec) {
  HWND control = Control(spec.Id);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->For(spec.Font)), FALSE);
  if (spec.AutoSize) FitToText(spec.Id);
  const bool fixedLabel = spec.Kind == ControlKind::Label || spec.Kind == ControlKind::FieldLabel ||
                          spec.Kind == ControlKind::WrappedLabel || spec.Kind == ControlKind::LinkLabel;
  if (fixedLabel && !spec.AutoSize) GrowToFitText(spec);
  const int picture = SCALED_PICTURE(spec.Resource, scale_.PictureIndex());
  switch (spec.Kind) {
    case ControlKind::Picture:
      ImageSetBitmap(control, BitmapHandle(static_cast<HBITMAP>(LoadPicture(picture, IMAGE_BITMAP))));
      break;
    case ControlKind::Icon: {
      if (!spec.Resource) break;
      const DisplayScale drawn = scale_.PictureScale();
      ImageSetIcon(control,
                   IconHandle(static_cast<HICON>(LoadPicture(
                       spec.Resource, IMAGE_ICON, drawn.Of(spec.Place.Width), drawn.Of(spec.Place.Height)))));
      break;
    }
    case ControlKind::SpeedButton:
      SpeedButtonSetGlyph(control, BitmapHandle(static_cast<HBITMAP>(LoadPicture(picture, IMAGE_BITMAP))));
      break;
    case ControlKind::ListBox:
      SendMessageA(control, LB_SETITEMHEIGHT, 0, scale_.Of(kListItemHeight));
      break;
    default:
      break;
  }
}

// The size of the label's text in its own font: on one line (or lines broken at CR LF)
// without a wrap width, else broken into words to fit wrapWidth.
SIZE LayoutControls::TextSize(HWND label, int wrapWidth) const {
  const std::string text = WindowText(label);
  const WindowDc dc(label);
  const SelectionGuard selected(dc.Dc(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT size = {0, 0, wrapWidth, 0};
  DrawTextA(dc.Dc(), text.c_str(), static_cast<int>(text.size()), &size,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : 0));
  return {size.right, size.bottom};
}

void LayoutControls::FitToText(int id) {
  HWND label = Control(id);
  const SIZE size = TextSize(label, 0);
  const ControlSpec* spec = layout_.Find(id);
  const bool capped = spec->Kind == ControlKind::PathLabel && size.cx > spec->Place.Width;
  const int width = capped ? spec->Place.Width : size.cx;
  SetWindowPos(label, nullptr, 0, 0, width, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayoutControls::GrowToFitText(const ControlSpec& spec) {
  HWND label = Control(spec.Id);
  const PixelRect place = scale_.Of(spec.Place);
  const int needed = TextSize(label, spec.Kind == ControlKind::WrappedLabel ? place.Width : 0).cy;
  if (needed <= place.Height) return;
  const int room = scale_.Of(spec.Place.Top + layout_.HeightBeforeNextBelow(spec)) - place.Top;
  SetWindowPos(label, nullptr, 0, 0, place.Width, std::min(needed, room),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
