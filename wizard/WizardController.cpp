#include "wizard/WizardController.h"

#include <exception>
#include <utility>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/ExitCodes.h"
#include "conversion/LeftoverWorkFiles.h"
#include "platform/File.h"
#include "wizard/HelpLink.h"
#include "wizard/SettingsPathText.h"
#include "wizard/StartArguments.h"

namespace {
constexpr unsigned kPauseAfterConversion = 100;

const char* const kPageTitles[kPageCount] = {Texts::kTitleChooseSettingsFile, Texts::kTitleExecutableOptions,
                                             Texts::kTitleExecutableName, Texts::kTitleDone};
}  // namespace

WizardController::WizardController(IWizardView& view, IPlatformUi& platform, IOptionsStore& store,
                                   StartFacts facts, ScreenSize screen)
    : view_(view),
      platform_(platform),
      store_(store),
      facts_(std::move(facts)),
      screen_(screen),
      program_(facts_.ModulePath) {}

void WizardController::OnCreate() {
  platform_.SetHelpFile(program_.Folder() + Texts::kHelpFileName);
  view_.PlacePages();
  const bool silent = AsksForSilentRun(facts_.Arguments);
  // A file dropped onto the program's icon: the window opens with its path.
  if (!silent) view_.SetSettingsPath(StartPath(facts_.Arguments));
  try {
    ShowRememberedValues();
  } catch (const std::exception& error) {
    if (!silent) throw;
    // A silent run waits for nobody: it reports the error and ends without having shown
    // the window, converted or remembered anything.
    platform_.ShowErrorReport(error.what());
    platform_.RequestEnd(kExitError);
    return;
  }
  if (silent) RunSilently();
}

void WizardController::ShowRememberedValues() {
  ExecutableOptions options = view_.Options();
  try {
    RememberedSection section(store_);
    ReadRememberedPosition(section, screen_, view_);
    ReadRememberedOptions(section, options);
  } catch (const Exception&) {
    view_.ShowOptions(options);
    throw;
  }
  view_.ShowOptions(WithVisibilityRule(options));
}

void WizardController::OnCloseRequest() {
  // The files go also when the options cannot be saved; the error is reported after.
  std::exception_ptr failure;
  try {
    RememberedSection section(store_);
    WriteRememberedPosition(section, view_);
    WriteRememberedOptions(section, view_.Options());
  } catch (const Exception&) {
    failure = std::current_exception();
  }
  if (!facts_.TempPath.empty()) RemoveLeftoverWorkFiles(facts_.TempPath);
  if (failure) std::rethrow_exception(failure);
}

void WizardController::OnNext() {
  if (page_ != WizardPage::Done) MoveTo(NextPage(page_));
}

void WizardController::OnBack() {
  if (page_ != WizardPage::ChooseFile) MoveTo(PreviousPage(page_));
}

void WizardController::OnStartOver() { MoveTo(WizardPage::ChooseFile); }

void WizardController::OnHelp() { ShowHelpAt(HelpSection(page_)); }

// A help file of the old format beside the program is asked as it always was; without
// one the help page opens at the section.
void WizardController::ShowHelpAt(const std::string& section) {
  const std::string& folder = program_.Folder();
  const std::string page = folder + Texts::kHelpPageName;
  if (platform::FileExists(folder + Texts::kHelpFileName))
    platform_.ShowHelp(kHelpContext);
  else if (!platform_.OpenHelpPage(page, section))
    throw Exception(FormatText(Texts::kFileOpenError, page));
}

void WizardController::OnClose() { view_.Close(); }

void WizardController::OnBrowse() {
  std::string path = SettingsFilePath();
  if (platform_.ChooseSettingsFile(path)) view_.SetSettingsPath(path);
}

void WizardController::OnOpenFolder() {
  // A settings path without a folder part put the executable into the current folder.
  const std::string folder = settings_.Folder.empty() ? platform_.CurrentFolder() : settings_.Folder;
  if (!platform_.OpenFolder(folder)) throw Exception(FormatText(Texts::kFolderNotOpened, folder));
}

// The dialog starts with the properties that a conversion now would give: those of the
// executable it would replace, when that carries its own, else the runtime's; with what
// was asked for before in their place.
void WizardController::OnProperties() {
  ImageProperties base;
  if (!OwnProperties(ExecutablePath(), base)) RuntimeProperties(program_, base);
  PropertiesForm form = FormOf(base.Version, properties_.Request);
  form.IconPath = properties_.IconPath;
  platform_.EditProperties(
      form, base.Icon,
      [&](const PropertiesForm& taken) {
        properties_ = {SettingsFilePath(), taken.IconPath, RequestOf(taken, base.Version)};
      },
      [this] { ShowHelpAt(kPropertiesHelpSection); });
}

void WizardController::OnSettingsPathChange() { view_.SetNextEnabled(!view_.SettingsPath().empty()); }

// A drop fills the path as the browse dialog does. On the other pages the file of the
// path has been read already: a new path there would not be the file converted.
void WizardController::OnFileDropped(const std::string& path) {
  if (page_ == WizardPage::ChooseFile) view_.SetSettingsPath(path);
}

void WizardController::OnVisibilityChosen() { view_.ShowOptions(WithVisibilityRule(view_.Options())); }

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

std::string WizardController::ExecutablePath() const { return settings_.Folder + view_.ExeName(); }

void WizardController::ShowChooseFilePage() {
  ShowOnly(WizardPage::ChooseFile);
  view_.SetBackEnabled(false);
}

WizardPage WizardController::EnterOptionsPage() {
  switch (LoadSettings(settings_, platform_, SettingsFilePath())) {
    case SettingsCheck::Missing:
      // The wizard starts over on page 0, also when this was Back from page 2.
      ShowChooseFilePage();
      return WizardPage::ChooseFile;
    case SettingsCheck::WrongFormat:
      return page_;
    case SettingsCheck::Accepted:
      break;
  }
  // The properties asked for belong to the settings file they were asked for.
  if (properties_.SettingsPath != SettingsFilePath()) properties_ = {};
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
  const std::string outputPath = ExecutablePath();
  bool runtimeSignatureDropped = false;
  switch (MakeExecutable(
      program_, settings_, view_.Options(), outputPath, [this](int percent) { view_.SetProgress(percent); },
      properties_.Request, &runtimeSignatureDropped)) {
    case MakeOutcome::SettingsRejected:
      platform_.ShowWarning(Texts::kSettingsFileWrongFormat);
      return false;
    case MakeOutcome::RuntimeMissing:
      platform_.ShowWarning(Texts::kExecutableNotMade);
      return false;
    case MakeOutcome::Made:
    case MakeOutcome::Unchanged:
      break;
  }
  // Told when properties from the dialog cost the signature; properties kept from an older
  // executable had cost it then already, and a silent run (which has no dialog) never stops.
  if (runtimeSignatureDropped && properties_.Request.Any())
    platform_.ShowWarning(FormatText(Texts::kRuntimeSignatureDropped, program_.RuntimeFile()));
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
  view_.SetSettingsPath(SilentRunPath(facts_.Arguments));
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
  // Nothing is remembered.
  platform_.RequestEnd(exitCode);
}
