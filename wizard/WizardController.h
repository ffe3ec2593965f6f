#pragma once
// The behaviour of the main window: a four-page wizard over the conversion engine,
// the silent "-s" run during creation, the remembered options and the close step.
#include <string>
#include <vector>

#include "engine/ConversionEngine.h"
#include "wizard/PlatformUi.h"
#include "wizard/RememberedOptions.h"
#include "wizard/WizardEvents.h"
#include "wizard/WizardView.h"

// What the program learns from its surroundings at creation.
struct TStartFacts {
  std::string ModulePath;              // the program's own executable path
  std::string TempPath;                // the temporary folder; empty when there is none
  std::vector<std::string> Arguments;  // the command-line arguments after the program name
  TScreenSize Screen;                  // the primary display
};

class TWizardController : public IWizardEvents {
 public:
  TWizardController(IWizardView& view, IPlatformUi& platform, IOptionsStore& store,
                    TStartFacts facts);

  void FormCreate() override;
  void FormCloseQuery() override;
  void btnNextClick() override;
  void btnBackClick() override;
  void btnHelpClick() override;
  void btnCloseClick() override;
  void btn1Click() override;
  void btnOpenFolderClick() override;
  void Label9Click() override;
  void txtZepNameChange() override;
  void rad1Click() override;
  void rad2Click() override;

  // Selects or deselects rad1 or rad2 from code; a radio button that becomes selected
  // runs its click handler as a user selection does.
  void SelectVisibility(TOptionControl radio, bool selected);

  int PageIndex() const { return FPageIndex; }

 private:
  bool ShowPage(int target);
  void ShowChooseFilePage();
  bool EnterOptionsPage();
  void EnterNamePage();
  bool ConvertAndShowResult();
  void ShowOnly(int page);
  void ApplyForcingRule();
  // Checks the three option flags and locks them, as rad1 (show nothing) requires.
  void ForceOptionFlagsOn();
  void SetOptionFlagsEnabled(bool enabled);
  void RunSilently();
  void DeleteIntermediateFiles();

  IWizardView& FView;
  IPlatformUi& FPlatform;
  TRememberedOptions FOptions;
  TStartFacts FFacts;
  TConversionEngine FEngine;
  int FPageIndex = 0;
};
