#include "tests/wizard/WizardFakes.h"

void TFakeView::UserSelect(TOptionControl radio) {
  if (Checked[radio]) return;  // a click on the selected choice changes nothing
  SetChecked(radio, true);
  if (radio == TOptionControl::rad1)
    Events->rad1Click();
  else
    Events->rad2Click();
}

void TFakeView::SetSettingsPath(const std::string& text) {
  if (text == Path) return;
  Path = text;
  if (Events) Events->txtZepNameChange();
}

void TFakeView::SetChecked(TOptionControl control, bool checked) {
  Checked[control] = checked;
  if (!checked) return;
  if (control == TOptionControl::rad1) Checked[TOptionControl::rad2] = false;
  if (control == TOptionControl::rad2) Checked[TOptionControl::rad1] = false;
}

void TFakeView::SetOuterHeight(int height) {
  Height = height;
  SizeChanges.push_back("height " + std::to_string(height));
}

void TFakeView::SetOuterWidth(int width) {
  Width = width;
  SizeChanges.push_back("width " + std::to_string(width));
}

bool TFakeStore::Open() {
  ++OpenCount;
  return CanOpen;
}

TStoredValue TFakeStore::Read(const std::string& section, const std::string& name) {
  if (section != "Form") return {};
  auto found = Values.find(name);
  return found == Values.end() ? TStoredValue{} : found->second;
}

TWriteResult TFakeStore::Write(const std::string& section, const std::string& name,
                               const std::string& text) {
  if (name == FailingName) return FailingResult;
  Writes.push_back(section + "\\" + name + "=" + text);
  StoreText(name, text);
  return TWriteResult::Written;
}
