#include "tests/wizard/WizardFixture.h"

#include "common/Exception.h"

WizardTest::WizardTest() {
  Facts.ModulePath = "prog\\zepplay.exe";
  Facts.TempPath = "work\\";
}

void WizardTest::Create(std::vector<std::string> arguments) {
  Facts.Arguments = std::move(arguments);
  Controller = std::make_unique<WizardController>(View, Platform, Store, Facts, Screen);
  View.Events = Controller.get();
  Handle(&WizardController::OnCreate);
}

void WizardTest::Handle(void (WizardController::*handler)()) {
  try {
    (Controller.get()->*handler)();
  } catch (const Exception& error) {
    Platform.ErrorReports.push_back(error.Message());
  }
}

void WizardTest::GoTo(WizardPage page, const std::string& settingsPath) {
  View.Type(settingsPath);
  while (PageNumber(Controller->Page()) < PageNumber(page)) {
    const WizardPage before = Controller->Page();
    Next();
    ASSERT_EQ(NextPage(before), Controller->Page()) << "stuck on page " << PageNumber(before);
  }
}
