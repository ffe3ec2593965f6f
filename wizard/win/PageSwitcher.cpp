#include "wizard/win/PageSwitcher.h"

#include "wizard/win/ControlIds.h"
#include "wizard/win/MainWindowLayout.h"

namespace {
int PanelId(WizardPage page) {
  switch (page) {
    case WizardPage::ChooseFile:
      return ControlId::kChooseFilePage;
    case WizardPage::Options:
      return ControlId::kOptionsPage;
    case WizardPage::Name:
      return ControlId::kNamePage;
    case WizardPage::Done:
      return ControlId::kDonePage;
  }
  return 0;
}
}  // namespace

HWND PageSwitcher::Panel(WizardPage page) const { return controls_.Control(PanelId(page)); }

void PageSwitcher::Place(const DisplayScale& scale) const {
  for (WizardPage page : kWizardPages) {
    const PixelRect place = scale.Of(MainWindowLayout().Find(PanelId(page))->Place);
    SetWindowPos(Panel(page), nullptr, place.Left, place.Top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PageSwitcher::Show(WizardPage page) const {
  ShowWindow(Panel(page), SW_SHOW);
  for (WizardPage other : kWizardPages)
    if (other != page) ShowWindow(Panel(other), SW_HIDE);
}
