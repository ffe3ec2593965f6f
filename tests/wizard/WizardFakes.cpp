#include "tests/wizard/WizardFakes.h"

void FakeView::UserSelect(Visibility visibility) {
  if (Shown.Shown == visibility) return;  // a click on the selected choice changes nothing
  Shown.Shown = visibility;
  Events->OnVisibilityChosen();
}

void FakeView::SetSettingsPath(const std::string& text) {
  if (text == Path) return;
  Path = text;
  if (Events) Events->OnSettingsPathChange();
}

void FakeView::SetOuterHeight(int height) {
  Height = height;
  SizeChanges.push_back("height " + std::to_string(height));
}

void FakeView::SetOuterWidth(int width) {
  Width = width;
  SizeChanges.push_back("width " + std::to_string(width));
}
