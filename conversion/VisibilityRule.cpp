#include "conversion/VisibilityRule.h"

namespace {
constexpr OptionControl kOptionFlags[] = {OptionControl::PlayOnStart, OptionControl::ExitAtEnd,
                                          OptionControl::ExitOnControlKey};
}  // namespace

void VisibilityRule::Select(OptionControl radio, bool selected) {
  const bool wasSelected = controls_.IsChecked(radio);
  controls_.SetChecked(radio, selected);
  if (!selected || wasSelected) return;
  if (radio == OptionControl::ShowNothing)
    OnShowNothingSelected();
  else
    OnTrayIconSelected();
}

void VisibilityRule::OnShowNothingSelected() {
  if (controls_.IsChecked(OptionControl::ShowNothing)) ForceFlagsOn();
}

void VisibilityRule::OnTrayIconSelected() {
  if (controls_.IsChecked(OptionControl::TrayIcon)) SetFlagsEnabled(true);
}

void VisibilityRule::Apply() {
  if (controls_.IsChecked(OptionControl::ShowNothing))
    ForceFlagsOn();
  else
    SetFlagsEnabled(true);
}

void VisibilityRule::ForceFlagsOn() {
  for (OptionControl flag : kOptionFlags) controls_.SetChecked(flag, true);
  SetFlagsEnabled(false);
}

void VisibilityRule::SetFlagsEnabled(bool enabled) {
  for (OptionControl flag : kOptionFlags) controls_.SetEnabled(flag, enabled);
}

HeaderOptions HeaderOptionsOf(const IOptionControls& controls) {
  HeaderOptions options;
  options.ShowNothing = controls.IsChecked(OptionControl::ShowNothing);
  options.PlayOnStart = controls.IsChecked(OptionControl::PlayOnStart);
  options.ExitAtEnd = controls.IsChecked(OptionControl::ExitAtEnd);
  options.ExitOnControlKey = controls.IsChecked(OptionControl::ExitOnControlKey);
  return options;
}
