#include "tests/wizard/WizardFakes.h"

void FakeView::UserSelect(OptionControl radio) {
  if (Checked[radio]) return;  // a click on the selected choice changes nothing
  SetChecked(radio, true);
  if (radio == OptionControl::ShowNothing)
    Events->OnShowNothingSelected();
  else
    Events->OnTrayIconSelected();
}

void FakeView::SetSettingsPath(const std::string& text) {
  if (text == Path) return;
  Path = text;
  if (Events) Events->OnSettingsPathChange();
}

void FakeView::SetChecked(OptionControl control, bool checked) {
  Checked[control] = checked;
  if (!checked) return;
  if (control == OptionControl::ShowNothing) Checked[OptionControl::TrayIcon] = false;
  if (control == OptionControl::TrayIcon) Checked[OptionControl::ShowNothing] = false;
}

void FakeView::SetOuterHeight(int height) {
  Height = height;
  SizeChanges.push_back("height " + std::to_string(height));
}

void FakeView::SetOuterWidth(int width) {
  Width = width;
  SizeChanges.push_back("width " + std::to_string(width));
}
