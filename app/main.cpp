// The program entry: one instance per session. A second start hands the focus to the
// running instance and ends (a start of the wizard waits for silent runs that show
// nothing, see WizardStart.h); the first runs the wizard until its window closes or the
// silent run asks for the end. Silent runs started together wait for each other and
// convert in turn. Whatever fails on the way is shown in an error box and ends the
// process with an error code; nothing leaves the entry unhandled.
#include <windows.h>

#include <exception>
#include <optional>

#include "app/SilentRunTurn.h"
#include "app/SingleInstance.h"
#include "app/WizardStart.h"
#include "common/Format.h"
#include "conversion/win/ProcessStartFacts.h"
#include "common/Texts.h"
#include "conversion/ExitCodes.h"
#include "wizard/StartArguments.h"
#include "wizard/WizardController.h"
#include "wizard/win/Application.h"
#include "wizard/win/MainWindow.h"
#include "conversion/win/RegistryOptionsStore.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WarningBox.h"
#include "wizard/win/WinPlatformUi.h"

namespace {
int RunWizard(StartFacts facts, ScreenSize screen) {
  Application application;
  application.SetTitle(Texts::kApplicationTitle);
  application.SetHelpFile(Texts::kHelpFileName);
  WinPlatformUi platform(application);
  RegistryOptionsStore options;
  MainWindow form(application, platform);
  WizardController controller(form, platform, options, std::move(facts), screen);
  application.CreateMainWindow(form, controller);
  return application.Run();
}

int StartSilentRun(StartFacts facts, ScreenSize screen) {
  // Declared before the instance, so that the name is given up before the turn.
  SilentRunTurn turn;
  if (!turn.Wait()) {
    ShowWarningBox(nullptr, FormatText(Texts::kSilentRunNotTurn, SilentRunPath(facts.Arguments)));
    return kExitAnotherInstance;
  }
  const SingleInstance instance;
  if (instance.HandOverToRunningInstance()) return kExitAnotherInstance;
  return RunWizard(std::move(facts), screen);
}

int StartWizard(StartFacts facts, ScreenSize screen) {
  std::optional<SingleInstance> instance;
  switch (ClaimForWizard(instance, StartPath(facts.Arguments))) {
    case WizardStart::Claimed:
      return RunWizard(std::move(facts), screen);
    case WizardStart::BroughtForward:
      return kExitMade;
    case WizardStart::NoTurn:
      break;
  }
  ShowWarningBox(nullptr, Texts::kWizardNotTurn);
  return kExitAnotherInstance;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    StartFacts facts = GatherStartFacts();
    const ScreenSize screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return AsksForSilentRun(facts.Arguments) ? StartSilentRun(std::move(facts), screen)
                                             : StartWizard(std::move(facts), screen);
  } catch (const std::exception& error) {
    ShowErrorBox(nullptr, Texts::kApplicationTitle, error.what());
  } catch (...) {
    ShowErrorBox(nullptr, Texts::kApplicationTitle, Texts::kUnexpectedError);
  }
  return kExitError;
}
