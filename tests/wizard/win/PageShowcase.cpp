// Shows the main window on one wizard page, filled in as after a conversion of
// C:\data\macro.zep, for the screenshots of the documentation.
//   zep_page_showcase.exe PAGE   (0 to 3)
#include <windows.h>

#include <cstdlib>

#include "common/Texts.h"
#include "wizard/WizardEvents.h"
#include "wizard/win/Application.h"
#include "wizard/win/MainWindow.h"
#include "wizard/win/WinPlatformUi.h"

namespace {
class TShowcaseEvents : public IWizardEvents {
 public:
  void FormCreate() override {}
  void FormCloseQuery() override {}
  void btnNextClick() override {}
  void btnBackClick() override {}
  void btnHelpClick() override {}
  void btnCloseClick() override {}
  void btn1Click() override {}
  void btnOpenFolderClick() override {}
  void Label9Click() override {}
  void txtZepNameChange() override {}
  void rad1Click() override {}
  void rad2Click() override {}
};

void FillIn(TfrmZepplay& form, int page) {
  const char* titles[] = {Texts::TitleChooseSettingsFile, Texts::TitleExecutableOptions,
                          Texts::TitleExecutableName, Texts::TitleDone};
  form.SetSettingsPath("C:\\data\\macro.zep");
  form.SetExeName("macro.exe");
  form.SetResult("C:\\data\\macro.exe");
  form.SetProgress(66);
  form.SetTitle(titles[page]);
  form.ShowPagePanel(page);
  form.SetBackEnabled(page == 1 || page == 2);
  form.SetNextEnabled(page < 3);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  int page = std::atoi(arguments);
  if (page < 0 || page > 3) page = 0;
  TApplication application;
  application.SetTitle(Texts::ApplicationTitle);
  TWinPlatformUi platform(application);
  TfrmZepplay form(application, platform);
  TShowcaseEvents events;
  application.CreateMainWindow(form, events);
  form.SetLeft(40);
  form.SetTop(40);
  FillIn(form, page);
  return application.Run();
}
