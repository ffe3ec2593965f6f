#pragma once
// A wizard controller over the fakes, in the scratch folders of a conversion.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/ConversionScratch.h"
#include "tests/wizard/WizardFakes.h"
#include "wizard/WizardController.h"

class WizardTest : public ConversionScratch {
 protected:
  WizardTest();

  // Builds the controller and runs the window's creation handler.
  void Create(std::vector<std::string> arguments = {});
  // Runs a handler the way the window does: an error goes to the default error report.
  void Handle(void (WizardController::*handler)());
  void Next() { Handle(&WizardController::OnNext); }
  void Back() { Handle(&WizardController::OnBack); }
  void Close() { Handle(&WizardController::OnCloseRequest); }
  // Types the settings path and moves on to the given page.
  void GoTo(WizardPage page, const std::string& settingsPath = kSettingsPath);

  FakeView View;
  FakePlatform Platform;
  StartFacts Facts;
  ScreenSize Screen{1024, 768};
  std::unique_ptr<WizardController> Controller;
};
