#pragma once
// The option controls of page 1: the visibility choice, two radio buttons of which at
// most one is selected, and the three flags of the executable's behaviour. The window
// has them as controls; the console program keeps them in memory.

enum class OptionControl { ShowNothing, TrayIcon, PlayOnStart, ExitAtEnd, ExitOnControlKey };

class IOptionControls {
 public:
  virtual ~IOptionControls() = default;
  // Selected or checked state and enabled state of the option controls. Selecting a
  // radio button deselects its partner; no click handler runs from here.
  virtual bool IsChecked(OptionControl control) const = 0;
  virtual void SetChecked(OptionControl control, bool checked) = 0;
  virtual void SetEnabled(OptionControl control, bool enabled) = 0;
};
