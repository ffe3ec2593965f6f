#pragma once
// A window's controls as data: one row per control, in the order in which they are
// created. Within one parent that order is also the tab order. The main window and the
// properties dialog are laid out this way (MainWindowLayout, PropertiesDialogLayout).
#include <windows.h>

#include <vector>

enum class ControlKind {
  Label,         // one line, or lines broken only at CR LF
  FieldLabel,    // one line naming the control after it, which its access key focuses
  WrappedLabel,  // fixed size, word-wrapped
  LinkLabel,     // a label that is clicked
  PathLabel,     // one line as wide as its text up to its place's width, a path shortened
                 // in the middle beyond; the whole text in a tooltip
  Bevel,         // etched line along the top edge
  Page,          // borderless panel holding one wizard page
  Frame,         // panel with a one-pixel lowered border
  Picture,       // bitmap drawn unscaled from the top-left corner
  Icon,          // icon at its own size: the resource's, or one the window sets (no resource)
  Edit,
  PushButton,
  RadioButton,
  CheckBox,
  SpeedButton,  // flat tool button with a glyph and a tooltip
  Gauge,
  ListBox,
};

enum class FontRole { Normal, Title, Bold, Link };

// A rectangle in pixels of a 96-DPI screen: left and top relative to the parent's
// client area, then width and height.
struct PixelRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

struct ControlSpec {
  int Id = 0;
  int Parent = 0;  // 0: the window itself
  ControlKind Kind = ControlKind::Label;
  PixelRect Place;
  const char* Text = "";  // for a speed button its tooltip, which is not its window text
  FontRole Font = FontRole::Normal;
  COLORREF Color = CLR_INVALID;  // text colour; CLR_INVALID for the window-text colour
  int Resource = 0;              // picture, icon or glyph
  bool Hidden = false;
  bool Disabled = false;
  bool Checked = false;
  bool TabStop = false;
  bool Group = false;     // starts a group of radio buttons, or ends the one before
  bool Default = false;   // the default push button
  bool AutoSize = false;  // a label that takes the size of its text
};

struct ControlLayout {
  std::vector<ControlSpec> Controls;
  // The window's client area in 96-DPI pixels.
  int ClientWidth = 0, ClientHeight = 0;

  // The row of a control, or nullptr for an id that is not in the table.
  const ControlSpec* Find(int id) const;
  // The height in 96-DPI pixels from the top of the control to the next control below
  // it on the same parent (one whose columns overlap its own), or to the parent's bottom.
  int HeightBeforeNextBelow(const ControlSpec& spec) const;
};
