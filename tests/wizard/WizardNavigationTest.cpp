// The page changes of the wizard: what each transition runs and shows, the enabled
// states of Back and Next, the proposed executable name and the visibility choice.
#include <cstdio>

#include "common/Format.h"
#include "tests/support/TestFiles.h"
#include "tests/wizard/WizardFixture.h"

namespace {
// cp932 bytes of the wizard's warnings, spelled out so that a drifting text fails.
const std::string kMissingWarning =
    "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x91\xB6"
    "\x8D\xDD\x82\xB5\x82\xDC\x82\xB9\x82\xF1\x81\x42\x82\xE0\x82\xA4\x88\xEA\x93\x78\r\n\x83\x74"
    "\x83\x40\x83\x43\x83\x8B\x82\xCC\x8E\x77\x92\xE8\x82\xF0\x82\xE2\x82\xE8\x92\xBC\x82\xB5\x82"
    "\xC4\x89\xBA\x82\xB3\x82\xA2\x81\x42";
const std::string kFormatWarning =
    "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCD\x81\x41\x8C"
    "\x60\x8E\xAE\x82\xAA\x88\xE1\x82\xA2\x82\xDC\x82\xB7\x81\x42\x82\xE0\x82\xA4\x88\xEA\x93\x78"
    "\r\n\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x8E\x77\x92\xE8\x82\xF0\x82\xE2\x82\xE8\x92\xBC"
    "\x82\xB5\x82\xC4\x89\xBA\x82\xB3\x82\xA2\x81\x42";
const std::string kNotMadeWarning =
    "\r\n\x8E\xC0\x8D\x73\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8"
    "\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";
// "作成完了！" and "作成する実行ファイルの名前".
const std::string kDoneTitle = "\x8D\xEC\x90\xAC\x8A\xAE\x97\xB9\x81\x49";
const std::string kNameTitle =
    "\x8D\xEC\x90\xAC\x82\xB7\x82\xE9\x8E\xC0\x8D\x73\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x96"
    "\xBC\x91\x4F";

class WizardNavigation : public WizardTest {
 protected:
  void SetUp() override {
    WriteSettings(kSettingsPath);
    InstallRuntime();
    Create();
  }
  void ExpectPage(WizardPage page, bool back, bool next) {
    EXPECT_EQ(page, Controller->Page());
    EXPECT_EQ(page, View.VisiblePage);
    EXPECT_EQ(back, View.BackEnabled);
    EXPECT_EQ(next, View.NextEnabled);
  }
};

TEST_F(WizardNavigation, CreationPlacesThePagesAndLeavesPageZeroAsBuilt) {
  EXPECT_TRUE(View.PagesPlaced);
  EXPECT_EQ(Texts::kTitleChooseSettingsFile, View.Title);
  ExpectPage(WizardPage::ChooseFile, false, false);
  EXPECT_TRUE(View.ProgressSteps.empty());
  EXPECT_TRUE(Platform.EndRequests.empty());
}

TEST_F(WizardNavigation, NextFollowsWhetherTheSettingsPathHasText) {
  View.Type(" ");
  EXPECT_TRUE(View.NextEnabled);
  View.Type("");
  EXPECT_FALSE(View.NextEnabled);
}

TEST_F(WizardNavigation, AMissingFileWarnsOnceAndStaysOnPageZero) {
  View.Type(" ");
  Next();
  ASSERT_EQ(std::vector<std::string>{kMissingWarning}, Platform.Warnings);
  ExpectPage(WizardPage::ChooseFile, false, true);
  EXPECT_EQ(" ", View.Path);
}

TEST_F(WizardNavigation, AFileThatIsNoSettingsFileGivesTheFormatWarning) {
  WriteSettings("data\\short.zep", 4);  // five lines
  View.Type("data\\short.zep");
  Next();
  ASSERT_EQ(std::vector<std::string>{kFormatWarning}, Platform.Warnings);
  ExpectPage(WizardPage::ChooseFile, false, true);
}

TEST_F(WizardNavigation, ForwardToTheResultAndBackToStart) {
  View.Type(kSettingsPath);
  Next();
  ExpectPage(WizardPage::Options, true, true);

  Next();
  ExpectPage(WizardPage::Name, true, true);
  EXPECT_EQ(kNameTitle, View.Title);
  EXPECT_EQ("macro.exe", View.Exe);
  EXPECT_EQ(std::vector<int>{0}, View.ProgressSteps);

  Next();
  ExpectPage(WizardPage::Done, false, false);
  EXPECT_EQ(kDoneTitle, View.Title);
  EXPECT_EQ(kExecutablePath, View.Result);
  EXPECT_EQ((std::vector<int>{0, 33, 66, 100}), View.ProgressSteps);
  EXPECT_EQ(std::vector<unsigned>{100}, Platform.Pauses);
  EXPECT_TRUE(Platform.Warnings.empty());
  EXPECT_TRUE(Platform.ErrorReports.empty());
  const std::string executable = ReadBytes(kExecutablePath);
  EXPECT_EQ(RuntimeImage(), executable.substr(0, RuntimeImage().size()));
  EXPECT_EQ("1)11", OptionColumns(executable.substr(RuntimeImage().size())));
  // The runtime goes straight into the executable: nothing of it in the temporary folder.
  EXPECT_FALSE(PathExists("work\\Player.dat"));
  EXPECT_FALSE(PathExists("work\\Attach.zep"));

  Handle(&WizardController::OnStartOver);
  ExpectPage(WizardPage::ChooseFile, false, false);
  EXPECT_EQ(Texts::kTitleChooseSettingsFile, View.Title);
  EXPECT_EQ(kSettingsPath, View.Path);
  // Choosing the same file again is no change; any real change enables Next.
  Platform.DialogConfirms = true;
  Platform.DialogChoice = kSettingsPath;
  Handle(&WizardController::OnBrowse);
  EXPECT_FALSE(View.NextEnabled);
  View.Type(std::string(kSettingsPath) + " ");
  EXPECT_TRUE(View.NextEnabled);
}

TEST_F(WizardNavigation, BackFromPageOneKeepsNextEnabled) {
  GoTo(WizardPage::Options);
  Back();
  ExpectPage(WizardPage::ChooseFile, false, true);
  EXPECT_EQ(Texts::kTitleChooseSettingsFile, View.Title);
}

TEST_F(WizardNavigation, ATypedNameIsUsedButReplacedAfterBackAndNext) {
  GoTo(WizardPage::Name);
  View.Exe = "typed.exe";
  Back();
  ExpectPage(WizardPage::Options, true, true);
  Next();
  EXPECT_EQ("macro.exe", View.Exe);

  View.Exe = "typed.exe";
  Next();
  EXPECT_EQ("data\\typed.exe", View.Result);
  EXPECT_TRUE(PathExists("data\\typed.exe"));
  EXPECT_FALSE(PathExists(kExecutablePath));
}

TEST_F(WizardNavigation, TheProposedNameComesFromTheNamePartOnly) {
  // The second byte of 表 is 0x5C, which is no separator.
  const std::string table = "data\\\x95\x5C.zep";
  WriteSettings(table);
  GoTo(WizardPage::Name, table);
  EXPECT_EQ("\x95\x5C.exe", View.Exe);
}

TEST_F(WizardNavigation, BackFromPageTwoRereadsTheFileAndNeverConvertsARejectedOne) {
  GoTo(WizardPage::Name);
  WriteSettings(kSettingsPath, 4);  // no longer a settings file
  Back();
  ASSERT_EQ(std::vector<std::string>{kFormatWarning}, Platform.Warnings);
  ExpectPage(WizardPage::Name, true, true);

  Next();
  EXPECT_EQ((std::vector<std::string>{kFormatWarning, kFormatWarning}), Platform.Warnings);
  ExpectPage(WizardPage::Name, true, true);
  EXPECT_FALSE(PathExists(kExecutablePath));
}

TEST_F(WizardNavigation, AFileGoneBeforeBackFromPageTwoStartsOverOnPageZero) {
  GoTo(WizardPage::Name);
  std::remove(kSettingsPath);
  Back();
  ASSERT_EQ(std::vector<std::string>{kMissingWarning}, Platform.Warnings);
  ExpectPage(WizardPage::ChooseFile, false, true);
  EXPECT_EQ(Texts::kTitleChooseSettingsFile, View.Title);
}

TEST_F(WizardNavigation, AFailedAssemblyStaysOnPageTwoAndNextRepeatsIt) {
  std::remove("prog\\Zepcom.dat");
  GoTo(WizardPage::Name);
  Next();
  ASSERT_EQ(std::vector<std::string>{kNotMadeWarning}, Platform.Warnings);
  ExpectPage(WizardPage::Name, true, true);
  EXPECT_EQ(33, View.Progress());
  EXPECT_FALSE(PathExists(kExecutablePath));

  InstallRuntime();
  Next();
  ExpectPage(WizardPage::Done, false, false);
  EXPECT_EQ(RuntimeImage(), ReadBytes(kExecutablePath).substr(0, RuntimeImage().size()));
}

// A folder that does not exist, and a name that Windows would make into another file
// (a stream of "a"), are both refused as the output that cannot be created.
TEST_F(WizardNavigation, AnErrorInAStepKeepsThePageAndIsReported) {
  GoTo(WizardPage::Name);
  for (const char* name : {"missing/x.exe", "a:b.exe"}) {
    Platform.ErrorReports.clear();
    View.Exe = name;
    Next();
    EXPECT_EQ(std::vector<std::string>{FormatText(Texts::kFileCreateError, std::string("data\\") + name)},
              Platform.ErrorReports);
    ExpectPage(WizardPage::Name, true, true);
    EXPECT_EQ(kNameTitle, View.Title);
  }
  EXPECT_FALSE(PathExists("data\\a"));
  EXPECT_FALSE(PathExists("data\\a:b.exe"));
}

TEST_F(WizardNavigation, TheOptionsAsTheyStandGoIntoTheHeader) {
  GoTo(WizardPage::Options);
  View.UserSelect(Visibility::TrayIcon);
  View.UserCheck(&ExecutableOptions::ExitAtEnd, false);
  GoTo(WizardPage::Done);
  EXPECT_EQ("1-10", OptionColumns(ReadBytes(kExecutablePath).substr(RuntimeImage().size())));
}

TEST_F(WizardNavigation, Rad1ForcesTheFlagsAndRad2OnlyEnablesThem) {
  View.UserSelect(Visibility::TrayIcon);
  View.UserCheck(&ExecutableOptions::PlayOnStart, false);
  View.UserSelect(Visibility::ShowNothing);
  View.UserSelect(Visibility::TrayIcon);
  EXPECT_TRUE(View.FlagsEnabled);
  for (bool ExecutableOptions::*flag : {&ExecutableOptions::PlayOnStart, &ExecutableOptions::ExitAtEnd,
                                        &ExecutableOptions::ExitOnControlKey}) {
    EXPECT_TRUE(View.Shown.*flag);
  }
}

TEST_F(WizardNavigation, HelpOpensThePageAtTheSectionOfThePageOnScreen) {
  for (WizardPage page : kWizardPages) {
    GoTo(page);
    Handle(&WizardController::OnHelp);
  }
  EXPECT_EQ((std::vector<std::string>{"prog\\help\\zepplay.html#page0", "prog\\help\\zepplay.html#page1",
                                      "prog\\help\\zepplay.html#page2", "prog\\help\\zepplay.html#page3"}),
            Platform.HelpPages);
  EXPECT_TRUE(Platform.HelpContexts.empty());
}

TEST_F(WizardNavigation, AnOldHelpFileBesideTheProgramIsAskedForContextOne) {
  WriteBytes("prog\\Zepplay.hlp", "?_");
  Handle(&WizardController::OnHelp);
  EXPECT_EQ("prog\\Zepplay.hlp", Platform.HelpFile);
  EXPECT_EQ(std::vector<unsigned>{1}, Platform.HelpContexts);
  EXPECT_TRUE(Platform.HelpPages.empty());
}

// What the shell cannot open is reported, naming it, instead of passing unnoticed.
TEST_F(WizardNavigation, OpenFolderOpensTheFolderOfTheExecutableOrSaysWhyNot) {
  GoTo(WizardPage::Done);
  Handle(&WizardController::OnOpenFolder);
  EXPECT_EQ(std::vector<std::string>{"data\\"}, Platform.OpenedFolders);
  EXPECT_TRUE(Platform.ErrorReports.empty());
  Platform.ShellOpens = false;
  Handle(&WizardController::OnOpenFolder);
  Handle(&WizardController::OnHelp);
  EXPECT_EQ((std::vector<std::string>{FormatText(Texts::kFolderNotOpened, "data\\"),
                                      FormatText(Texts::kFileOpenError, "prog\\help\\zepplay.html")}),
            Platform.ErrorReports);
}

TEST_F(WizardNavigation, ABareSettingsNameConvertsIntoTheCurrentFolder) {
  WriteSettings("bare.zep");
  GoTo(WizardPage::Done, "bare.zep");
  EXPECT_EQ("bare.exe", View.Result);
  EXPECT_TRUE(PathExists("bare.exe"));
  Handle(&WizardController::OnOpenFolder);
  EXPECT_EQ(std::vector<std::string>{Platform.Current}, Platform.OpenedFolders);
}

TEST_F(WizardNavigation, TheBrowseDialogFillsThePathOnlyWhenConfirmed) {
  Handle(&WizardController::OnBrowse);
  EXPECT_EQ("", View.Path);
  Platform.DialogConfirms = true;
  Platform.DialogChoice = "C:\\x.zep";
  Handle(&WizardController::OnBrowse);
  EXPECT_EQ("C:\\x.zep", View.Path);
  EXPECT_TRUE(View.NextEnabled);
}

// Explorer's "copy as path" puts the path in quotes; the field keeps what was pasted.
TEST_F(WizardNavigation, APathInQuotesIsUsedWithoutThem) {
  const std::string quoted = std::string("\"") + kSettingsPath + "\"";
  View.Type(quoted);
  Handle(&WizardController::OnBrowse);
  EXPECT_EQ(kSettingsPath, Platform.DialogStart);
  GoTo(WizardPage::Name, quoted);
  EXPECT_EQ("macro.exe", View.Exe);
  EXPECT_EQ(quoted, View.Path);
}

TEST_F(WizardNavigation, ADroppedFileFillsThePathOnPageZeroOnly) {
  Controller->OnFileDropped(kSettingsPath);
  EXPECT_EQ(kSettingsPath, View.Path);
  EXPECT_TRUE(View.NextEnabled);
  GoTo(WizardPage::Options);
  Controller->OnFileDropped("data\\other.zep");
  EXPECT_EQ(kSettingsPath, View.Path);
  ExpectPage(WizardPage::Options, true, true);
}

TEST_F(WizardNavigation, CloseAsksTheWindowToClose) {
  Handle(&WizardController::OnClose);
  EXPECT_EQ(1, View.CloseRequests);
}

// The conversion needs no temporary folder; without one, the close step deletes nothing
// from the current folder.
TEST_F(WizardNavigation, WithoutATemporaryFolderItConvertsAndTheCloseDeletesNothing) {
  Facts.TempPath = "";
  Create();
  GoTo(WizardPage::Done);
  EXPECT_TRUE(Platform.ErrorReports.empty());
  WriteBytes("Player.dat", "x");
  Close();
  EXPECT_TRUE(PathExists("Player.dat"));
}

}  // namespace
