#include "tests/wizard/WizardFixture.h"

#include "common/Exception.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/SettingsSamples.h"
#include "tools/packer/RuntimePacker.h"

WizardTest::WizardTest() {
  for (const char* folder : {"prog", "work", "data"}) MakeFolder(folder);
  Facts.ModulePath = "prog\\zepplay.exe";
  Facts.TempPath = "work\\";
  Facts.Screen = {1024, 768};
}

void WizardTest::Create(std::vector<std::string> arguments) {
  Facts.Arguments = std::move(arguments);
  Controller = std::make_unique<WizardController>(View, Platform, Store, Facts);
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

void WizardTest::GoTo(int page, const std::string& settingsPath) {
  View.Type(settingsPath);
  while (Controller->PageIndex() < page) {
    const int before = Controller->PageIndex();
    Next();
    ASSERT_EQ(before + 1, Controller->PageIndex()) << "stuck on page " << before;
  }
}

std::string WizardTest::RuntimeImage() { return ProgramImage(0x400); }

void WizardTest::InstallRuntime() {
  WriteBytes("runtime.bin", RuntimeImage());
  PackRuntimeFile("runtime.bin", "prog\\Zepcom.dat");
}

void WizardTest::WriteSettings(const std::string& path, int bodyLines) {
  std::vector<std::string> body;
  for (int i = 0; i < bodyLines; ++i) body.push_back("step " + std::to_string(i));
  WriteBytes(path, SettingsFileBytes(body));
}

std::string WizardTest::OptionColumns(const std::string& bytes) {
  return {bytes.at(0), bytes.at(56), bytes.at(69), bytes.at(70)};
}
