// The remembered options as the window reads them at creation and writes them in its
// close step, over a fake store holding the stored variants.
#include "tests/support/TestFiles.h"
#include "tests/wizard/WizardFixture.h"

namespace {
// Centred on 1024 x 768 for a window of 479 x 301: each term halved on its own.
constexpr int kCentredLeft = 512 - 239;
constexpr int kCentredTop = 384 - 150;

class Remembering : public WizardTest {
 protected:
  // Showing nothing and the tray icon chosen, the three flags checked, then the flags
  // enabled, as "1"/"0".
  std::string Options() {
    const ExecutableOptions& shown = View.Shown;
    std::string text;
    for (bool on : {shown.Shown == Visibility::ShowNothing, shown.Shown == Visibility::TrayIcon,
                    shown.PlayOnStart, shown.ExitAtEnd, shown.ExitOnControlKey})
      text += on ? '1' : '0';
    return text + ' ' + std::string(3, View.FlagsEnabled ? '1' : '0');
  }
  std::vector<std::string> Written(const std::string& options) {
    const char* names[] = {"rad1", "rad2", "Douji", "EndClose", "HotClose"};
    std::vector<std::string> writes = {"Form\\Left=" + std::to_string(View.WindowLeft),
                                       "Form\\Top=" + std::to_string(View.WindowTop)};
    for (int i = 0; i < 5; ++i) writes.push_back(std::string("Form\\") + names[i] + "=" + options[i]);
    return writes;
  }
};

TEST_F(Remembering, FirstStartIsCentredWithRad1AndWritesAllSevenOnClose) {
  Create();
  EXPECT_EQ(kCentredLeft, View.WindowLeft);
  EXPECT_EQ(kCentredTop, View.WindowTop);
  EXPECT_EQ("10111 000", Options());
  View.WindowLeft = -4;
  Close();
  EXPECT_EQ(Written("10111"), Store.Writes);
  EXPECT_EQ("Form\\Left=-4", Store.Writes[0]);
  EXPECT_EQ(Store.OpenCount, Store.CloseCount);
}

struct StoredCase {
  const char* Name;
  std::vector<std::pair<std::string, std::string>> Stored;
  const char* Shown;    // as Options() prints them
  const char* Written;  // the five flags written back on close
};

class StoredVariants : public Remembering, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredVariants, AreShownAndWrittenBack) {
  for (const auto& [name, text] : GetParam().Stored) Store.StoreText(name, text);
  Create();
  EXPECT_EQ(GetParam().Shown, Options());
  Close();
  EXPECT_EQ(Written(GetParam().Written), Store.Writes);
}

INSTANTIATE_TEST_SUITE_P(
    Form, StoredVariants,
    ::testing::Values(
        StoredCase{"Tray", {{"rad1", "0"}, {"rad2", "1"}, {"Douji", "0"}}, "01011 111", "01011"},
        StoredCase{"Rad1ForcesFlags", {{"rad1", "1"}, {"Douji", "0"}}, "10111 000", "10111"},
        StoredCase{"Rad2ReadLastWins", {{"rad1", "1"}, {"rad2", "1"}}, "01111 111", "01111"},
        StoredCase{
            "NeitherSelected", {{"rad1", "0"}, {"rad2", "0"}, {"EndClose", "0"}}, "00101 111", "00101"},
        StoredCase{
            "AnyNonZeroIsTrue", {{"rad1", "-1"}, {"rad2", "yes"}, {"Douji", "2"}}, "10111 000", "10111"},
        StoredCase{"WordsGiveDefaults",
                   {{"rad1", "no"}, {"rad2", "0x1"}, {"HotClose", "0 "}},
                   "01111 111",
                   "01111"}),
    [](const auto& info) { return std::string(info.param.Name); });

// With neither choice selected the conversion writes the tray-icon column, as only
// ShowNothingRadio is consulted.
TEST_F(Remembering, NeitherChoiceConvertsAsATrayIcon) {
  Store.StoreText("rad1", "0");
  Store.StoreText("rad2", "0");
  Store.StoreText("HotClose", "0");
  WriteSettings(kSettingsPath);
  InstallRuntime();
  Create({"-s", kSettingsPath});
  EXPECT_EQ(std::vector<int>{0}, Platform.EndRequests);
  EXPECT_EQ("Z-11", OptionColumns(ReadBytes(kExecutablePath).substr(RuntimeImage().size())));
}

TEST_F(Remembering, TheStoredLeftIsReadAsAnInteger) {
  const std::pair<const char*, int> cases[] = {{"abc", kCentredLeft}, {"", kCentredLeft},
                                               {"12 ", kCentredLeft}, {"$10", 16},
                                               {"-5000", -5000},      {" +7", 7}};
  for (const auto& [text, left] : cases) {
    SCOPED_TRACE(text);
    Store.StoreText("Left", text);
    View = FakeView();
    Create();
    EXPECT_EQ(left, View.WindowLeft);
    EXPECT_EQ(kCentredTop, View.WindowTop);
  }
}

TEST_F(Remembering, AValueOfTheWrongTypeStopsCreationWithWhatWasReadSoFar) {
  Store.StoreText("Left", "40");
  Store.Values["Top"] = {StoredKind::WrongType, ""};
  Store.StoreText("rad2", "1");
  Create();
  // "'Top' のデータ型が不正です"
  EXPECT_EQ(std::vector<std::string>{"'Top' \x82\xCC\x83\x66\x81\x5B\x83\x5E\x8C\x5E\x82\xAA\x95"
                                     "\x73\x90\xB3\x82\xC5\x82\xB7"},
            Platform.ErrorReports);
  EXPECT_EQ(40, View.WindowLeft);
  EXPECT_EQ(494, View.WindowTop);
  EXPECT_EQ("10111 000", Options());
  EXPECT_TRUE(Platform.EndRequests.empty());  // the window opens for the user
  EXPECT_EQ(Store.OpenCount, Store.CloseCount);
}

// A silent run waits for nobody: after the report it ends with the error code, having
// converted nothing, and its end remembers nothing either.
TEST_F(Remembering, AValueOfTheWrongTypeEndsASilentRunWithTheErrorCode) {
  WriteSettings(kSettingsPath);
  InstallRuntime();
  for (StoredKind kind : {StoredKind::WrongType, StoredKind::Unreadable}) {
    for (const char* name : {"Left", "rad1", "Douji", "HotClose"}) {
      SCOPED_TRACE(name);
      Platform = FakePlatform();
      Store.Values.clear();
      Store.Values[name] = {kind, ""};
      Create({"-s", kSettingsPath});
      EXPECT_EQ(1u, Platform.ErrorReports.size());
      EXPECT_EQ(std::vector<int>{2}, Platform.EndRequests);
      EXPECT_FALSE(PathExists(kExecutablePath));
      EXPECT_TRUE(Store.Writes.empty());
    }
  }
}

TEST_F(Remembering, Rad2ReadBeforeAnErrorHasEnabledTheFlags) {
  Store.StoreText("rad2", "1");
  Store.Values["Douji"] = {StoredKind::WrongType, ""};
  Create();
  EXPECT_EQ(1u, Platform.ErrorReports.size());
  EXPECT_EQ("01111 111", Options());
  EXPECT_TRUE(Platform.EndRequests.empty());  // no silent run was asked for
}

TEST_F(Remembering, AValueThatCannotBeFetchedIsReportedByName) {
  Store.Values["EndClose"] = {StoredKind::Unreadable, ""};
  Create();
  // "'EndClose' の取得に失敗しました"
  EXPECT_EQ(std::vector<std::string>{"'EndClose' \x82\xCC\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94"
                                     "\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD"},
            Platform.ErrorReports);
}

TEST_F(Remembering, OptionsThatCannotBeOpenedGiveDefaultsAndAreNotSaved) {
  Store.CanOpen = false;
  Store.StoreText("rad2", "1");
  Create();
  EXPECT_EQ(kCentredLeft, View.WindowLeft);
  EXPECT_EQ("10111 000", Options());
  Close();
  EXPECT_TRUE(Store.Writes.empty());
  EXPECT_TRUE(Platform.ErrorReports.empty());
  EXPECT_EQ(0, Store.CloseCount);
}

TEST_F(Remembering, AFailedWriteIsReportedOnceAndTheFilesStillGo) {
  const std::pair<WriteResult, std::string> failures[] = {
      // "キー Form の作成に失敗しました"
      {WriteResult::SectionNotCreated,
       "\x83\x4C\x81\x5B Form \x82\xCC\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82"
       "\xB5\x82\xBD"},
      // "'rad2' の設定に失敗しました"
      {WriteResult::ValueNotSet,
       "'rad2' \x82\xCC\x90\xDD\x92\xE8\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD"}};
  for (const auto& [result, message] : failures) {
    Platform = FakePlatform();
    Store.Writes.clear();
    Store.FailingName = "rad2";
    Store.FailingResult = result;
    WriteBytes("work\\Player.dat", "image");
    WriteBytes("work\\Attach.zep", "attachment");
    Create();
    Close();
    EXPECT_EQ(std::vector<std::string>{message}, Platform.ErrorReports);
    EXPECT_EQ(3u, Store.Writes.size());  // "Left", "Top", "rad1"; nothing after the failure
    EXPECT_FALSE(PathExists("work\\Player.dat"));
    EXPECT_FALSE(PathExists("work\\Attach.zep"));
  }
}

TEST_F(Remembering, CloseDeletesTheIntermediateFilesButNoFolder) {
  MakeFolder("work\\Player.dat");
  WriteBytes("work\\Attach.zep", "attachment");
  Create();
  Close();
  EXPECT_TRUE(PathExists("work\\Player.dat"));
  EXPECT_FALSE(PathExists("work\\Attach.zep"));
}

}  // namespace
