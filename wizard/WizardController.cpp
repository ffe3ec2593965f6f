#include "wizard/WizardController.h"

#include <exception>
#include <utility>

#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/ShiftJisPath.h"
#include "engine/WorkFiles.h"
#include "platform/File.h"
#include "wizard/CommandLine.h"
#include "wizard/ExitCodes.h"

namespace {
constexpr int kLastPage = 3;
constexpr int kPagesLeft = 120;
constexpr int kPagesTop = 44;
constexpr unsigned kPauseAfterConversion = 100;
// The temporary folder is asked for with room for 255 characters.
constexpr size_t kMaxWorkFolderLength = 255;
constexpr char kExecutableExtension[] = ".exe";

const char* const kPageTitles[] = {Texts::TitleChooseSettingsFile, Texts::TitleExecutableOptions,
                                   Texts::TitleExecutableName, Texts::TitleDone};

constexpr TOptionControl kOptionFlags[] = {TOptionControl::chkDouji, TOptionControl::chkEndClose,
                                           TOptionControl::chkHotClose};
}  // namespace

TWizardController::TWizardController(IWizardView& view, IPlatformUi& platform,
                                     IOptionsStore& store, TStartFacts facts)
    : FView(view),
      FPlatform(platform),
      FOptions(store),
      FFacts(std::move(facts)),
      FEngine(platform) {}

void TWizardController::FormCreate() {
  FEngine.SetProgram(FolderPart(FFacts.ModulePath), NamePart(FFacts.ModulePath));
  FPlatform.SetHelpFile(FEngine.ProgramFolder() + Texts::HelpFileName);
  // Without a usable temporary folder the work folder stays empty and every
  // conversion is refused.
  if (FFacts.TempPath.size() <= kMaxWorkFolderLength) FEngine.SetWorkFolder(FFacts.TempPath);
  FView.PlacePages(kPagesLeft, kPagesTop);
  const bool silent = AsksForSilentRun(FFacts.Arguments);
  try {
    FOptions.Read(FView, FFacts.Screen, [this](TOptionControl radio, bool selected) {
      SelectVisibility(radio, selected);
    });
  } catch (...) {
    // The window opens for the user instead of the silent run, which made nothing.
    if (silent) FPlatform.SetExitCode(kExitError);
    throw;
  }
  ApplyForcingRule();
  if (silent) RunSilently();
}

void TWizardController::FormCloseQuery() {
  // The files go also when the options cannot be saved; the error is reported after.
  std::exception_ptr failure;
  try {
    FOptions.Write(FView);
  } catch (const Exception&) {
    failure = std::current_exception();
  }
  DeleteIntermediateFiles();
  if (failure) std::rethrow_exception(failure);
}

void TWizardController::btnNextClick() {
  if (FPageIndex < kLastPage && ShowPage(FPageIndex + 1)) ++FPageIndex;
}

void TWizardController::btnBackClick() {
  if (FPageIndex > 0 && ShowPage(FPageIndex - 1)) --FPageIndex;
}

void TWizardController::Label9Click() {
  FPageIndex = 0;
  ShowPage(0);
}

void TWizardController::btnHelpClick() { FPlatform.ShowHelp(kHelpContext); }

void TWizardController::btnCloseClick() { FView.Close(); }

void TWizardController::btn1Click() {
  std::string path;
  if (FPlatform.ChooseSettingsFile(path)) FView.SetSettingsPath(path);
}

void TWizardController::btnOpenFolderClick() {
  // A settings path without a folder part put the executable into the current folder.
  const std::string& folder = FEngine.SourceFolder();
  FPlatform.OpenFolder(folder.empty() ? FPlatform.CurrentFolder() : folder);
}

void TWizardController::txtZepNameChange() {
  FView.SetNextEnabled(!FView.SettingsPath().empty());
}

void TWizardController::rad1Click() {
  if (FView.IsChecked(TOptionControl::rad1)) ForceOptionFlagsOn();
}

void TWizardController::rad2Click() {
  if (FView.IsChecked(TOptionControl::rad2)) SetOptionFlagsEnabled(true);
}

void TWizardController::SelectVisibility(TOptionControl radio, bool selected) {
  const bool wasSelected = FView.IsChecked(radio);
  FView.SetChecked(radio, selected);
  if (!selected || wasSelected) return;
  if (radio == TOptionControl::rad1)
    rad1Click();
  else
    rad2Click();
}

bool TWizardController::ShowPage(int target) {
  switch (target) {
    case 0:
      ShowChooseFilePage();
      return true;
    case 1:
      return EnterOptionsPage();
    case 2:
      EnterNamePage();
      return true;
    case 3:
      return ConvertAndShowResult();
    default:
      return false;
  }
}

void TWizardController::ShowChooseFilePage() {
  ShowOnly(0);
  FView.SetBackEnabled(false);
}

bool TWizardController::EnterOptionsPage() {
  const std::string path = FView.SettingsPath();
  if (!FEngine.LoadSettingsFile(path)) {
    // The missing-file warning has been shown. The wizard starts over on page 0, so
    // the page on screen and the page index agree also when this was Back from page 2.
    FPageIndex = 0;
    ShowChooseFilePage();
    return false;
  }
  if (!FEngine.ValidateSettingsFile(path)) {
    FPlatform.ShowWarning(Texts::SettingsFileWrongFormat);
    return false;
  }
  ShowOnly(1);
  FView.SetBackEnabled(true);
  return true;
}

void TWizardController::EnterNamePage() {
  FView.SetProgress(0);
  FView.SetExeName(ChangeExtension(NamePart(FView.SettingsPath()), kExecutableExtension));
  ShowOnly(2);
}

bool TWizardController::ConvertAndShowResult() {
  if (FEngine.WorkFolder().empty()) throw Exception(Texts::NoWorkFolder);
  // A file that was replaced meanwhile and rejected on the way back is never converted.
  if (!FEngine.LinesAccepted()) {
    FPlatform.ShowWarning(Texts::SettingsFileWrongFormat);
    return false;
  }
  THeaderOptions options;
  options.ShowNothing = FView.IsChecked(TOptionControl::rad1);
  options.PlayOnStart = FView.IsChecked(TOptionControl::chkDouji);
  options.ExitAtEnd = FView.IsChecked(TOptionControl::chkEndClose);
  options.ExitOnControlKey = FView.IsChecked(TOptionControl::chkHotClose);
  const std::string exeName = FView.ExeName();
  if (!FEngine.Convert(options, exeName, [this](int percent) { FView.SetProgress(percent); })) {
    FPlatform.ShowWarning(Texts::ExecutableNotMade);
    return false;
  }
  FPlatform.Pause(kPauseAfterConversion);
  FView.SetResult(FEngine.SourceFolder() + exeName);
  ShowOnly(3);
  FView.SetNextEnabled(false);
  FView.SetBackEnabled(false);
  return true;
}

void TWizardController::ShowOnly(int page) {
  FView.SetTitle(kPageTitles[page]);
  FView.ShowPagePanel(page);
}

void TWizardController::ApplyForcingRule() {
  if (FView.IsChecked(TOptionControl::rad1))
    ForceOptionFlagsOn();
  else
    SetOptionFlagsEnabled(true);
}

void TWizardController::ForceOptionFlagsOn() {
  for (TOptionControl flag : kOptionFlags) FView.SetChecked(flag, true);
  SetOptionFlagsEnabled(false);
}

void TWizardController::SetOptionFlagsEnabled(bool enabled) {
  for (TOptionControl flag : kOptionFlags) FView.SetEnabled(flag, enabled);
}

void TWizardController::RunSilently() {
  FPlatform.SetApplicationTitle(Texts::SilentRunCaption);
  FView.SetCaption(Texts::SilentRunCaption);
  FView.SetOuterHeight(0);
  FView.SetOuterWidth(0);
  FView.SetSettingsPath(FFacts.Arguments.size() > 1 ? FFacts.Arguments[1] : std::string());
  int exitCode = kExitMade;
  try {
    while (FPageIndex < kLastPage && ShowPage(FPageIndex + 1)) ++FPageIndex;
    if (FPageIndex < kLastPage) exitCode = kExitWarning;
  } catch (const std::exception& error) {
    // The window is never usable in this run, so the error ends it after the report.
    FPlatform.ShowErrorReport(error.what());
    exitCode = kExitError;
  }
  // The deciphered runtime must not stay behind in the clear; nothing is remembered.
  DeleteIntermediateFiles();
  FPlatform.RequestEnd(exitCode);
}

void TWizardController::DeleteIntermediateFiles() {
  const std::string& folder = FEngine.WorkFolder();
  if (folder.empty()) return;  // no temporary folder: nothing was written
  platform::RemoveFile(folder + kRuntimeImageName);
  platform::RemoveFile(folder + kAttachmentName);
}
