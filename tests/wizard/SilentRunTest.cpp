// The "-s" run during creation: it converts with the remembered options, never shows
// the window at a usable size, and ends the application with an exit code that tells
// whether the executable was made.
#include "common/Format.h"
#include "tests/support/TestFiles.h"
#include "tests/wizard/WizardFixture.h"

namespace {
// "EXE生成中…"
const std::string kSilentCaption = "EXE\x90\xB6\x90\xAC\x92\x86\x81\x63";

class SilentRun : public WizardTest {
 protected:
  void SetUp() override {
    WriteSettings(kSettingsPath);
    InstallRuntime();
  }
  int ExitCode() const {
    EXPECT_EQ(1u, Platform.EndRequests.size());
    return Platform.EndRequests.empty() ? -1 : Platform.EndRequests.back();
  }
};

TEST_F(SilentRun, MakesTheExecutableWithTheRememberedOptions) {
  Store.StoreText("rad2", "1");
  Store.StoreText("Douji", "0");
  Create({"-s", kSettingsPath});
  EXPECT_EQ(0, ExitCode());
  EXPECT_TRUE(Platform.Warnings.empty());
  EXPECT_TRUE(Platform.ErrorReports.empty());
  EXPECT_EQ(kSilentCaption, Platform.ApplicationTitle);
  EXPECT_EQ(kSilentCaption, View.Caption);
  EXPECT_EQ((std::vector<std::string>{"height 0", "width 0"}), View.SizeChanges);
  EXPECT_EQ(WizardPage::Done, Controller->Page());
  const std::string executable = ReadBytes(kExecutablePath);
  const std::string image = RuntimeImage();
  EXPECT_EQ(image, executable.substr(0, image.size()));
  EXPECT_EQ("1-01", OptionColumns(executable.substr(image.size())));
  EXPECT_TRUE(Store.Writes.empty());  // nothing is remembered
}

// The deciphered runtime and the rewritten settings do not stay in the work folder.
TEST_F(SilentRun, LeavesNoIntermediateFilesWhateverTheOutcome) {
  for (bool made : {true, false}) {
    SCOPED_TRACE(made ? "made" : "failed");
    Platform = FakePlatform();
    std::remove(kExecutablePath);
    if (!made) MakeFolder(kExecutablePath);  // the output cannot be created
    Create({"-s", kSettingsPath});
    EXPECT_EQ(made ? 0 : 2, ExitCode());
    EXPECT_FALSE(PathExists("work\\Player.dat"));
    EXPECT_FALSE(PathExists("work\\Attach.zep"));
  }
}

TEST_F(SilentRun, AWarningEndsTheRunWithAFailureCode) {
  const std::vector<std::vector<std::string>> commandLines = {
      {"-s", "data\\missing.zep"}, {"-s"}, {"-s", "data\\short.zep"}};
  WriteSettings("data\\short.zep", 2);
  for (const auto& arguments : commandLines) {
    SCOPED_TRACE(arguments.size() > 1 ? arguments[1] : "(no path)");
    Platform = FakePlatform();
    Create(arguments);
    EXPECT_EQ(1u, Platform.Warnings.size());
    EXPECT_NE(0, ExitCode());
  }
}

TEST_F(SilentRun, AFailedAssemblyEndsWithAFailureCode) {
  std::remove("prog\\Zepcom.dat");
  Create({"-s", kSettingsPath});
  EXPECT_EQ(std::vector<std::string>{Texts::kExecutableNotMade}, Platform.Warnings);
  EXPECT_NE(0, ExitCode());
}

TEST_F(SilentRun, AnErrorIsReportedAndEndsTheRun) {
  MakeFolder(kExecutablePath);  // the output cannot be created
  Create({"-s", kSettingsPath});
  EXPECT_EQ(std::vector<std::string>{FormatText(Texts::kFileCreateError, kExecutablePath)},
            Platform.ErrorReports);
  EXPECT_EQ(2, ExitCode());
}

TEST_F(SilentRun, OnlyALowerCaseDashSAsFirstArgumentStartsIt) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"-S", kSettingsPath}, {"/s", kSettingsPath}, {"-", kSettingsPath}, {}}) {
    Platform = FakePlatform();
    View = FakeView();
    Create(arguments);
    EXPECT_TRUE(Platform.EndRequests.empty());
    EXPECT_EQ(WizardPage::ChooseFile, View.VisiblePage);
    EXPECT_EQ("", View.Path);
    EXPECT_FALSE(PathExists(kExecutablePath));
  }
}

// A file dropped onto the program's icon comes as the first argument.
TEST_F(SilentRun, AFirstArgumentThatIsNoSwitchOpensTheWindowWithThePath) {
  Create({kSettingsPath, "-s"});
  EXPECT_TRUE(Platform.EndRequests.empty());
  EXPECT_EQ(WizardPage::ChooseFile, View.VisiblePage);
  EXPECT_EQ(kSettingsPath, View.Path);
  EXPECT_TRUE(View.NextEnabled);
  EXPECT_FALSE(PathExists(kExecutablePath));
}

}  // namespace
