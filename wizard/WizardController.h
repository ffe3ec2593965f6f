#pragma once
// The behaviour of the main window: a four-page wizard over the shared conversion, the
// properties dialog of page 2, the silent "-s" run during creation, the remembered
// position and options, and the close step.
#include <string>

#include "conversion/Conversion.h"
#include "conversion/ExecutableProperties.h"
#include "conversion/OptionsStore.h"
#include "conversion/StartFacts.h"
#include "wizard/PlatformUi.h"
#include "wizard/RememberedPosition.h"
#include "wizard/WizardEvents.h"
#include "wizard/WizardView.h"

class WizardController : public IWizardEvents {
 public:
  WizardController(IWizardView& view, IPlatformUi& platform, IOptionsStore& store, StartFacts facts,
                   ScreenSize screen);

  void OnCreate() override;
  void OnCloseRequest() override;
  void OnNext() override;
  void OnBack() override;
  void OnHelp() override;
  void OnClose() override;
  void OnBrowse() override;
  void OnOpenFolder() override;
  void OnProperties() override;
  void OnStartOver() override;
  void OnSettingsPathChange() override;
  void OnFileDropped(const std::string& path) override;
  void OnVisibilityChosen() override;

  WizardPage Page() const { return page_; }
  // What the properties dialog asked for, which the conversion passes on.
  const PropertiesRequest& Properties() const { return properties_.Request; }

 private:
  // Reads the remembered position and options into the window; raises the error of a
  // value that cannot be read, the window showing what was read before it.
  void ShowRememberedValues();
  // The only place where the page changes: shows target after the steps that lead
  // there and takes the page on screen afterwards as the current one. True when target
  // was reached.
  bool MoveTo(WizardPage target);
  // Runs the steps that lead to target and shows it. Returns the page on screen
  // afterwards: target, or the page the wizard stayed on (the first page when the
  // settings file has gone).
  WizardPage ShowPage(WizardPage target);
  // The settings path as the field gives it, without Explorer's quotes.
  std::string SettingsFilePath() const;
  // Where page 2 puts the executable: beside the settings file, under the name typed.
  std::string ExecutablePath() const;
  // Opens the help page at section, or the old help file where there is one.
  void ShowHelpAt(const std::string& section);
  void ShowChooseFilePage();
  WizardPage EnterOptionsPage();
  void EnterNamePage();
  bool ConvertAndShowResult();
  void ShowOnly(WizardPage page);
  void RunSilently();

  IWizardView& view_;
  IPlatformUi& platform_;
  IOptionsStore& store_;
  StartFacts facts_;
  ScreenSize screen_;
  ProgramFiles program_;
  SettingsFile settings_;
  WizardPage page_ = WizardPage::ChooseFile;
  // What the properties dialog took, for the settings file it was given for.
  struct GivenProperties {
    std::string SettingsPath;
    std::string IconPath;
    PropertiesRequest Request;
  } properties_;
};
