#pragma once
// A wizard controller over the fakes, in a scratch folder that is the current folder
// for the test. Paths are relative, with "\" before the file name, so that they have
// a folder part on Windows and natively alike (natively "data\macro.zep" is simply a
// file name that contains the separator).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tests/wizard/WizardFakes.h"
#include "wizard/WizardController.h"

class WizardTest : public ::testing::Test {
 protected:
  static constexpr char kSettingsPath[] = "data\\macro.zep";
  static constexpr char kExecutablePath[] = "data\\macro.exe";
  // The runtime image of the player: a small program image.
  static std::string RuntimeImage();

  WizardTest();

  // Builds the controller and runs the window's creation handler.
  void Create(std::vector<std::string> arguments = {});
  // Runs a handler the way the window does: an error goes to the default error report.
  void Handle(void (WizardController::*handler)());
  void Next() { Handle(&WizardController::OnNext); }
  void Back() { Handle(&WizardController::OnBack); }
  void Close() { Handle(&WizardController::OnCloseRequest); }
  // Types the settings path and moves on to the given page.
  void GoTo(int page, const std::string& settingsPath = kSettingsPath);

  // program folder + "Zepcom.dat", enciphering RuntimeImage().
  void InstallRuntime();
  // A settings file with the fresh header and bodyLines lines after it.
  static void WriteSettings(const std::string& path, int bodyLines = 5);
  // Bytes 1, 57, 70 and 71 of the first line of a settings file or attachment.
  static std::string OptionColumns(const std::string& bytes);

  TempFolder scratch_;
  CurrentFolder inScratch_{scratch_.Path()};
  FakeView View;
  FakePlatform Platform;
  FakeStore Store;
  StartFacts Facts;
  std::unique_ptr<WizardController> Controller;
};
