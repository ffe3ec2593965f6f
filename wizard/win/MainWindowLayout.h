#pragma once
// The main window's controls as data: one row per control, in the order in which they
// are created. Within one parent that order is also the tab order.
#include <windows.h>

#include <vector>

enum class ControlKind {
  Label,         // one line, or lines broken only at CR LF
  WrappedLabel,  // fixed size, word-wrapped
  LinkLabel,     // a label that is clicked
  Bevel,         // etched line along the top edge
  Page,          // borderless panel holding one wizard page
  Frame,         // panel with a one-pixel lowered border
  Picture,       // bitmap drawn unscaled from the top-left corner
  Icon,          // icon at its own size
  Edit,
  PushButton,
  RadioButton,
  CheckBox,
  SpeedButton,   // flat tool button with a glyph and a tooltip
  Gauge,
  ListBox,
};

enum ControlFlag : unsigned {
  cfHidden = 1u << 0,
  cfDisabled = 1u << 1,
  cfChecked = 1u << 2,
  cfTabStop = 1u << 3,
  cfGroup = 1u << 4,     // starts a group of radio buttons, or ends the one before
  cfDefault = 1u << 5,   // the default push button
  cfAutoSize = 1u << 6,  // a label that takes the size of its text
};

enum class FontRole { Normal, Title, Bold, Link };

struct ControlSpec {
  int Id;
  int ParentId;  // 0: the window itself
  ControlKind Kind;
  int Left, Top, Width, Height;
  const char* Text;  // for a speed button its tooltip, which is not its window text
  unsigned Flags;
  FontRole Font;
  COLORREF Color;  // text colour, CLR_INVALID for the window-text colour
  int Resource;    // picture, icon or glyph; 0 for none
};

const std::vector<ControlSpec>& MainWindowLayout();
// The row of a control, or nullptr for an id that is not in the table.
const ControlSpec* FindControlSpec(int id);
