#pragma once
// A recording stand-in for the main window, so that the wizard controller runs without
// windows (FakePlatform stands in for the boxes, FakeStore for the registry).
#include <string>
#include <vector>

#include "common/Texts.h"
#include "tests/support/FakePlatformUi.h"
#include "wizard/WizardEvents.h"
#include "wizard/WizardView.h"

// The window as the layout builds it: page 0, showing nothing chosen and the three flags
// checked, the flags and both navigation buttons disabled, 479 x 301 at (1106, 494).
class FakeView : public IWizardView {
 public:
  IWizardEvents* Events = nullptr;  // receives OnSettingsPathChange and the visibility chosen

  bool PagesPlaced = false;
  WizardPage VisiblePage = WizardPage::ChooseFile;
  std::string Title = Texts::kTitleChooseSettingsFile;
  bool BackEnabled = false, NextEnabled = false;
  std::string Path, Exe, Result = "lblExeName";
  std::vector<int> ProgressSteps;  // every value the gauge was set to
  ExecutableOptions Shown;         // what the option controls show
  bool FlagsEnabled = false;
  std::string Caption = "Zephyr Player\x81\x40v6.10";
  int WindowLeft = 1106, WindowTop = 494, Width = 479, Height = 301;
  std::vector<std::string> SizeChanges;  // "height 0", "width 0" in call order
  int CloseRequests = 0;

  // What the user does.
  void Type(const std::string& text) { SetSettingsPath(text); }
  void UserSelect(Visibility visibility);
  void UserCheck(bool ExecutableOptions::*flag, bool checked) { Shown.*flag = checked; }

  void PlacePages() override { PagesPlaced = true; }
  void ShowPagePanel(WizardPage page) override { VisiblePage = page; }
  void SetTitle(const std::string& text) override { Title = text; }
  void SetBackEnabled(bool enabled) override { BackEnabled = enabled; }
  void SetNextEnabled(bool enabled) override { NextEnabled = enabled; }
  std::string SettingsPath() const override { return Path; }
  void SetSettingsPath(const std::string& text) override;
  std::string ExeName() const override { return Exe; }
  void SetExeName(const std::string& text) override { Exe = text; }
  void SetResult(const std::string& text) override { Result = text; }
  void SetProgress(int progress) override { ProgressSteps.push_back(progress); }
  int Progress() const { return ProgressSteps.empty() ? 0 : ProgressSteps.back(); }
  ExecutableOptions Options() const override { return Shown; }
  void ShowOptions(const ExecutableOptions& options) override {
    Shown = options;
    FlagsEnabled = !FlagsLocked(options);
  }
  void SetCaption(const std::string& text) override { Caption = text; }
  int Left() const override { return WindowLeft; }
  int Top() const override { return WindowTop; }
  void SetLeft(int left) override { WindowLeft = left; }
  void SetTop(int top) override { WindowTop = top; }
  int OuterWidth() const override { return Width; }
  int OuterHeight() const override { return Height; }
  void SetOuterHeight(int height) override;
  void SetOuterWidth(int width) override;
  void Close() override { ++CloseRequests; }
};
