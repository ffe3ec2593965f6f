#pragma once
// The four page panels of the main window: one of them shows at a time.
#include <windows.h>

#include "wizard/WizardPage.h"
#include "wizard/win/DisplayScale.h"
#include "wizard/win/LayoutControls.h"

class PageSwitcher {
 public:
  explicit PageSwitcher(const LayoutControls& controls) : controls_(controls) {}

  // Puts the panels where the layout has them at scale, whatever moved them since.
  void Place(const DisplayScale& scale) const;
  // Shows page and hides the other three, in that order, so that the window never
  // shows no page at all.
  void Show(WizardPage page) const;

 private:
  HWND Panel(WizardPage page) const;

  const LayoutControls& controls_;
};
