// The program entry: one instance per session. A second start hands the focus to the
// running instance and ends; the first runs the wizard until its window closes or the
// silent run asks for the end.
#include "app/SingleInstance.h"
#include "app/StartFacts.h"
#include "common/Texts.h"
#include "wizard/WizardController.h"
#include "wizard/win/Application.h"
#include "wizard/win/MainWindow.h"
#include "wizard/win/RegistryOptionsStore.h"
#include "wizard/win/WinPlatformUi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (HandOverToRunningInstance()) return 0;
  TApplication application;
  application.SetTitle(Texts::ApplicationTitle);
  application.SetHelpFile(Texts::HelpFileName);
  TWinPlatformUi platform(application);
  TRegistryOptionsStore options;
  TfrmZepplay form(application, platform);
  TWizardController controller(form, platform, options, GatherStartFacts());
  application.CreateMainWindow(form, controller);
  return application.Run();
}
