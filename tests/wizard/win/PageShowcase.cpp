// Shows the main window on one wizard page, filled in as after a conversion of
// C:\data\macro.zep, for the screenshots of the documentation; "properties" shows page 2
// with the properties dialog over it, the icon C:\data\macro.ico chosen.
//   zep_page_showcase.exe PAGE   (0 to 3, or properties)
#include <windows.h>

#include <cstdlib>
#include <string>

#include "common/Texts.h"
#include "wizard/WizardEvents.h"
#include "wizard/win/Application.h"
#include "wizard/win/MainWindow.h"
#include "wizard/win/WinPlatformUi.h"

namespace {
class ShowcaseEvents : public IWizardEvents {
 public:
  void OnCreate() override {}
  void OnCloseRequest() override {}
  void OnNext() override {}
  void OnBack() override {}
  void OnHelp() override {}
  void OnClose() override {}
  void OnBrowse() override {}
  void OnOpenFolder() override {}
  void OnProperties() override {}
  void OnStartOver() override {}
  void OnSettingsPathChange() override {}
  void OnFileDropped(const std::string&) override {}
  void OnVisibilityChosen() override {}
};

void FillIn(MainWindow& form, int page) {
  const char* titles[] = {Texts::kTitleChooseSettingsFile, Texts::kTitleExecutableOptions,
                          Texts::kTitleExecutableName, Texts::kTitleDone};
  form.SetSettingsPath("C:\\data\\macro.zep");
  form.SetExeName("macro.exe");
  form.SetResult("C:\\data\\macro.exe");
  form.SetProgress(66);
  form.SetTitle(titles[page]);
  form.ShowPagePanel(static_cast<WizardPage>(page));
  form.SetBackEnabled(page == 1 || page == 2);
  form.SetNextEnabled(page < 3);
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  int page = std::atoi(arguments);
  if (page < 0 || page > 3) page = 0;
  Application application;
  application.SetTitle(Texts::kApplicationTitle);
  WinPlatformUi platform(application);
  MainWindow form(application, platform);
  ShowcaseEvents events;
  application.CreateMainWindow(form, events);
  form.SetLeft(40);
  form.SetTop(40);
  const bool dialog = std::string(arguments) == "properties";
  FillIn(form, dialog ? 2 : page);
  if (!dialog) return application.Run();
  form.Show();
  platform.EditProperties(
      {"C:\\data\\macro.ico", "1.2.0.0", "1.2", "在庫表の集計マクロ", "在庫集計", "株式会社サンプル",
       "(C) 2026 株式会社サンプル"},
      std::nullopt, [](const PropertiesForm&) {}, [] {});
  return 0;
}
