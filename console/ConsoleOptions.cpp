#include "console/ConsoleOptions.h"

#include "common/Format.h"
#include "common/Texts.h"
#include "console/ConsoleCommandLine.h"
#include "conversion/RememberedOptions.h"
#include "conversion/VisibilityRule.h"

namespace {
constexpr size_t kOptionControlCount = 5;

// The option controls without a window, starting as the window's layout has them.
class OptionStates : public IOptionControls {
 public:
  bool IsChecked(OptionControl control) const override { return checked_[Index(control)]; }
  void SetChecked(OptionControl control, bool checked) override {
    checked_[Index(control)] = checked;
    if (!checked) return;
    if (control == OptionControl::ShowNothing) checked_[Index(OptionControl::TrayIcon)] = false;
    if (control == OptionControl::TrayIcon) checked_[Index(OptionControl::ShowNothing)] = false;
  }
  void SetEnabled(OptionControl control, bool enabled) override { enabled_[Index(control)] = enabled; }
  bool IsEnabled(OptionControl control) const { return enabled_[Index(control)]; }

 private:
  static size_t Index(OptionControl control) { return static_cast<size_t>(control); }

  // ShowNothingRadio selected, the three flags checked and locked.
  bool checked_[kOptionControlCount] = {true, false, true, true, true};
  bool enabled_[kOptionControlCount] = {true, true, false, false, false};
};

// Applies the visibility switch and after it the flag switches, as clicks would.
HeaderOptions Switched(OptionStates& controls, VisibilityRule& visibility,
                       const std::map<OptionControl, bool>& switches) {
  const auto tray = switches.find(OptionControl::TrayIcon);
  if (tray != switches.end())
    visibility.Select(tray->second ? OptionControl::TrayIcon : OptionControl::ShowNothing, true);
  for (const auto& [control, on] : switches) {
    if (control == OptionControl::TrayIcon) continue;
    // A locked flag is on: switching it off contradicts the visibility.
    if (!controls.IsEnabled(control) && on != controls.IsChecked(control))
      throw ECommandLineError(FormatText(Texts::Console::kFlagNeedsTray, SwitchSpelling(control, on)));
    controls.SetChecked(control, on);
  }
  return HeaderOptionsOf(controls);
}
}  // namespace

HeaderOptions ConsoleHeaderOptions(IOptionsStore& store, const std::map<OptionControl, bool>& switches) {
  OptionStates controls;
  VisibilityRule visibility(controls);
  RememberedOptions(store).ReadOptions(
      controls, [&](OptionControl radio, bool selected) { visibility.Select(radio, selected); });
  visibility.Apply();
  return Switched(controls, visibility, switches);
}

HeaderOptions UpdatedHeaderOptions(const HeaderOptions& current,
                                   const std::map<OptionControl, bool>& switches) {
  OptionStates controls;
  VisibilityRule visibility(controls);
  controls.SetChecked(current.ShowNothing ? OptionControl::ShowNothing : OptionControl::TrayIcon, true);
  controls.SetChecked(OptionControl::PlayOnStart, current.PlayOnStart);
  controls.SetChecked(OptionControl::ExitAtEnd, current.ExitAtEnd);
  controls.SetChecked(OptionControl::ExitOnControlKey, current.ExitOnControlKey);
  // The flags are locked as the visibility has them, and keep the values they have.
  for (OptionControl flag :
       {OptionControl::PlayOnStart, OptionControl::ExitAtEnd, OptionControl::ExitOnControlKey})
    controls.SetEnabled(flag, !current.ShowNothing);
  return Switched(controls, visibility, switches);
}
