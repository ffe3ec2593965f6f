#include "wizard/WizardController.h"

#include <exception>
#include <utility>

#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/ShiftJisPath.h"
#include "platform/File.h"
#include "conversion/CommandLine.h"
#include "conversion/ConversionSteps.h"
#include "conversion/ExitCodes.h"
#include "wizard/HelpLink.h"
#include "wizard/SettingsPathText.h"

namespace {
constexpr unsigned kPauseAfterConversion = 100;

const char* const kPageTitles[kPageCount] = {Texts::kTitleChooseSettingsFile, Texts::kTitleExecutableOptions,
                                             Texts::kTitleExecutableName, Texts::kTitleDone};
}  // namespace

WizardController::WizardController(IWizardView& view, IPlatformUi& platform, IOptionsStore& store,
                                   StartFacts facts)
    : view_(view),
      platform_(platform),
      options_(store),
      facts_(std::move(facts)),
      engine_(platform),
      visibility_(view) {}

void WizardController::OnCreate() {
  engine_.SetProgram(FolderPart(facts_.ModulePath), NamePart(facts_.ModulePath));
  platform_.SetHelpFile(engine_.ProgramFolder() + Texts::kHelpFileName);
  // Without a usable temporary folder the work folder stays empty and every
  // conversion is refused.
  if (facts_.TempPath.size() <= kLongestTempPath) engine_.SetWorkFolder(facts_.TempPath);
  view_.PlacePages();
  const bool silent = AsksForSilentRun(facts_.Arguments);
  // A file dropped onto the program's icon: the window opens with its path.
  if (!silent) view_.SetSettingsPath(StartPath(facts_.Arguments));
  try {
    options_.Read(view_, facts_.Screen,
                  [this](OptionControl radio, bool selected) { SelectVisibility(radio, selected); });
  } catch (const std::exception& error) {
    if (!silent) throw;
    // A silent run waits for nobody: it reports the error and ends without having shown
    // the window, converted or remembered anything.
    platform_.ShowErrorReport(error.what());
    platform_.RequestEnd(kExitError);
    return;
  }
  visibility_.Apply();
  if (silent) RunSilently();
}

void WizardController::OnCloseRequest() {
  // The files go also when the options cannot be saved; the error is reported after.
  std::exception_ptr failure;
  try {
    options_.Write(view_);
  } catch (const Exception&) {
    failure = std::current_exception();
  }
  engine_.DeleteIntermediateFiles();
  if (failure) std::rethrow_exception(failure);
}

void WizardController::OnNext() {
  if (page_ != WizardPage::Done) MoveTo(NextPage(page_));
}

void WizardController::OnBack() {
  if (page_ != WizardPage::ChooseFile) MoveTo(PreviousPage(page_));
}

void WizardController::OnStartOver() { MoveTo(WizardPage::ChooseFile); }

// A help file of the old format beside the program is asked as it always was; without
// one the help page opens at the section of the page on screen.
void WizardController::OnHelp() {
  const std::string& folder = engine_.ProgramFolder();
  if (platform::FileExists(folder + Texts::kHelpFileName))
    platform_.ShowHelp(kHelpContext);
  else
    platform_.OpenHelpPage(folder + Texts::kHelpPageName, HelpSection(page_));
}

void WizardController::OnClose() { view_.Close(); }

void WizardController::OnBrowse() {
  std::string path = SettingsFilePath();
  if (platform_.ChooseSettingsFile(path)) view_.SetSettingsPath(path);
}

void WizardController::OnOpenFolder() {
  // A settings path without a folder part put the executable into the current folder.
  const std::string& folder = engine_.SourceFolder();
  platform_.OpenFolder(folder.empty() ? platform_.CurrentFolder() : folder);
}

void WizardController::OnSettingsPathChange() { view_.SetNextEnabled(!view_.SettingsPath().empty()); }

// A drop fills the path as the browse dialog does. On the other pages the file of the
// path has been read already: a new path there would not be the file converted.
void WizardController::OnFileDropped(const std::string& path) {
  if (page_ == WizardPage::ChooseFile) view_.SetSettingsPath(path);
}

void WizardController::OnShowNothingSelected() { visibility_.OnShowNothingSelected(); }

void WizardController::OnTrayIconSelected() { visibility_.OnTrayIconSelected(); }

void WizardController::SelectVisibility(OptionControl radio, bool selected) {
  visibility_.Select(radio, selected);
}

bool WizardController::MoveTo(WizardPage target) {
  page_ = ShowPage(target);
  return page_ == target;
}

WizardPage WizardController::ShowPage(WizardPage target) {
  switch (target) {
    case WizardPage::ChooseFile:
      ShowChooseFilePage();
      return target;
    case WizardPage::Options:
      return EnterOptionsPage();
    case WizardPage::Name:
      EnterNamePage();
      return target;
    case WizardPage::Done:
      return ConvertAndShowResult() ? target : page_;
  }
  return page_;
}

std::string WizardController::SettingsFilePath() const {
  return WithoutSurroundingQuotes(view_.SettingsPath());
}

void WizardController::ShowChooseFilePage() {
  ShowOnly(WizardPage::ChooseFile);
  view_.SetBackEnabled(false);
}

WizardPage WizardController::EnterOptionsPage() {
  switch (LoadSettings(engine_, platform_, SettingsFilePath())) {
    case SettingsCheck::Missing:
      // The wizard starts over on page 0, also when this was Back from page 2.
      ShowChooseFilePage();
      return WizardPage::ChooseFile;
    case SettingsCheck::WrongFormat:
      return page_;
    case SettingsCheck::Accepted:
      break;
  }
  ShowOnly(WizardPage::Options);
  view_.SetBackEnabled(true);
  return WizardPage::Options;
}

void WizardController::EnterNamePage() {
  view_.SetProgress(0);
  view_.SetExeName(ProposedExecutableName(SettingsFilePath()));
  ShowOnly(WizardPage::Name);
}

bool WizardController::ConvertAndShowResult() {
  const std::string outputPath = engine_.SourceFolder() + view_.ExeName();
  if (!MakeExecutable(engine_, platform_, HeaderOptionsOf(view_), outputPath,
                      [this](int percent) { view_.SetProgress(percent); }))
    return false;
  platform_.Pause(kPauseAfterConversion);
  view_.SetResult(outputPath);
  ShowOnly(WizardPage::Done);
  view_.SetNextEnabled(false);
  view_.SetBackEnabled(false);
  return true;
}

void WizardController::ShowOnly(WizardPage page) {
  view_.SetTitle(kPageTitles[PageNumber(page)]);
  view_.ShowPagePanel(page);
}

void WizardController::RunSilently() {
  platform_.SetApplicationTitle(Texts::kSilentRunCaption);
  view_.SetCaption(Texts::kSilentRunCaption);
  view_.SetOuterHeight(0);
  view_.SetOuterWidth(0);
  view_.SetSettingsPath(facts_.Arguments.size() > 1 ? facts_.Arguments[1] : std::string());
  int exitCode = kExitMade;
  try {
    for (WizardPage page : {WizardPage::Options, WizardPage::Name, WizardPage::Done})
      if (!MoveTo(page)) break;
    if (page_ != WizardPage::Done) exitCode = kExitWarning;
  } catch (const std::exception& error) {
    // The window is never usable in this run, so the error ends it after the report.
    platform_.ShowErrorReport(error.what());
    exitCode = kExitError;
  }
  // The deciphered runtime must not stay behind in the clear; nothing is remembered.
  engine_.DeleteIntermediateFiles();
  platform_.RequestEnd(exitCode);
}
