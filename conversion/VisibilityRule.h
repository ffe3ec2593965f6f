#pragma once
// The rule of the visibility choice. An executable that shows nothing must play on
// start, end after the last step and end on the play/stop key, or it would run unseen
// and could not be stopped: while ShowNothingRadio is selected the three flags are
// checked and locked; TrayIconRadio frees them. The window follows it as the user
// clicks, the console program as its switches are applied.
#include "engine/HeaderOptions.h"
#include "conversion/OptionControls.h"

class VisibilityRule {
 public:
  explicit VisibilityRule(IOptionControls& controls) : controls_(controls) {}

  // Selects or deselects ShowNothingRadio or TrayIconRadio as a click would: a radio
  // button that becomes selected applies the rule.
  void Select(OptionControl radio, bool selected);
  // What a click on either radio button does once it is selected.
  void OnShowNothingSelected();
  void OnTrayIconSelected();
  // Locks the flags on or frees them, as the radio button selected now requires.
  void Apply();

 private:
  void ForceFlagsOn();
  void SetFlagsEnabled(bool enabled);

  IOptionControls& controls_;
};

// The options the controls stand for in the header line. Only ShowNothingRadio counts:
// with neither choice selected the executable shows the tray icon.
HeaderOptions HeaderOptionsOf(const IOptionControls& controls);
