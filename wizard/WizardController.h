#pragma once
// The behaviour of the main window: a four-page wizard over the conversion engine,
// the silent "-s" run during creation, the remembered options and the close step.
#include <string>
#include <vector>

#include "engine/ConversionEngine.h"
#include "wizard/PlatformUi.h"
#include "conversion/RememberedOptions.h"
#include "conversion/StartFacts.h"
#include "conversion/VisibilityRule.h"
#include "wizard/WizardEvents.h"
#include "wizard/WizardView.h"

class WizardController : public IWizardEvents {
 public:
  WizardController(IWizardView& view, IPlatformUi& platform, IOptionsStore& store, StartFacts facts);

  void OnCreate() override;
  void OnCloseRequest() override;
  void OnNext() override;
  void OnBack() override;
  void OnHelp() override;
  void OnClose() override;
  void OnBrowse() override;
  void OnOpenFolder() override;
  void OnStartOver() override;
  void OnSettingsPathChange() override;
  void OnFileDropped(const std::string& path) override;
  void OnShowNothingSelected() override;
  void OnTrayIconSelected() override;

  // Selects or deselects ShowNothingRadio or TrayIconRadio from code; a radio button that becomes selected
  // runs its click handler as a user selection does.
  void SelectVisibility(OptionControl radio, bool selected);

  WizardPage Page() const { return page_; }

 private:
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
  void ShowChooseFilePage();
  WizardPage EnterOptionsPage();
  void EnterNamePage();
  bool ConvertAndShowResult();
  void ShowOnly(WizardPage page);
  void RunSilently();

  IWizardView& view_;
  IPlatformUi& platform_;
  RememberedOptions options_;
  StartFacts facts_;
  ConversionEngine engine_;
  VisibilityRule visibility_;
  WizardPage page_ = WizardPage::ChooseFile;
};
