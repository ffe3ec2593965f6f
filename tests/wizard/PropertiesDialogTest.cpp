// The properties dialog of page 2 over the fakes: what it starts with, what OK takes and
// Cancel keeps, what it tells of a wrong icon or version, and how long what it took lasts.
#include "common/Format.h"
#include "common/Texts.h"
#include "tests/support/PropertySamples.h"
#include "tests/support/TestSigner.h"
#include "tests/wizard/WizardFixture.h"

namespace {
const std::string kRuntimeIcon = IconFileOf({BitmapIconImage(32, 8)});
const PropertiesForm kRuntimeForm = {"", "6.10.0.0", "6.10", "Player", "Zephyr", "Fernwick", "(C)"};

class PropertiesDialog : public WizardTest {
 protected:
  // The runtime has an icon and the texts of kRuntimeForm.
  void SetUp() override {
    ImageProperties own;
    ReadIconFile(kRuntimeIcon, own.Icon.emplace());
    own.Version = {{6, 10, 0, 0}, "6.10", "Player", "Zephyr", "Fernwick", "(C)", "", ""};
    ImageEditResult edit;
    InstallRuntime(EditInMemory(RuntimeImage(), own, edit));
    WriteSettings(kSettingsPath);
    WriteBytes("data\\six.ico", SixImageIconFile());
    Create();
    GoTo(WizardPage::Name);
  }
  void OpenDialog(std::vector<PropertiesForm> typed = {}) {
    Platform.PropertiesTyped = std::move(typed);
    Handle(&WizardController::OnProperties);
  }
};

// The executable made carries what OK took, and the next session starts with that.
TEST_F(PropertiesDialog, StartsWithTheRuntimesOwnOrTheExecutablesOwnAndTakesWhatChanged) {
  PropertiesForm typed = kRuntimeForm;
  typed.IconPath = "data\\six.ico";
  typed.FileVersion = "6.10";  // the same numbers
  typed.Description = "集計マクロ";
  Platform.HelpInProperties = true;
  OpenDialog({typed});
  EXPECT_EQ(std::vector<PropertiesForm>{kRuntimeForm}, Platform.PropertiesShown);
  EXPECT_EQ(kRuntimeIcon, IconFileBytes(Platform.PropertiesIcon.value()));
  EXPECT_EQ(std::vector<std::string>{"prog\\help\\zepplay.html#properties"}, Platform.HelpPages);
  const PropertiesRequest& request = Controller->Properties();
  EXPECT_EQ(SixImageIconFile(), IconFileBytes(request.Icon.value()));
  EXPECT_EQ("集計マクロ", request.Description);
  EXPECT_FALSE(request.FileVersion || request.ProductVersion || request.Product || request.Copyright);

  Next();
  Create();
  GoTo(WizardPage::Name);
  OpenDialog();
  typed.IconPath = "";
  typed.FileVersion = "6.10.0.0";
  EXPECT_EQ(typed, Platform.PropertiesShown.back());
  EXPECT_EQ(SixImageIconFile(), IconFileBytes(Platform.PropertiesIcon.value()));
  EXPECT_FALSE(Controller->Properties().Any());
}

// OK with a wrong icon or version tells it by name, and the dialog stays open.
TEST_F(PropertiesDialog, OkTakesRightTextsOnlyCancelKeepsThemAndAnotherSettingsFileForgetsThem) {
  WriteBytes("data\\picture.ico", "\x89PNG\r\n\x1A\n");
  PropertiesForm wrongIcon = kRuntimeForm, wrongVersion = kRuntimeForm, typed = kRuntimeForm;
  wrongIcon.IconPath = "data\\picture.ico";
  wrongVersion.FileVersion = "1.2.3.4.5";
  typed.Product = "マクロ";
  OpenDialog({wrongIcon, wrongVersion, typed});
  ASSERT_EQ(2u, Platform.ErrorReports.size());
  EXPECT_NE(std::string::npos, Platform.ErrorReports[0].find("data\\picture.ico"));
  EXPECT_NE(std::string::npos, Platform.ErrorReports[1].find("1.2.3.4.5"));
  OpenDialog();
  EXPECT_EQ(typed, Platform.PropertiesShown.back());
  Back();
  Back();
  Next();  // the same file again
  EXPECT_EQ("マクロ", Controller->Properties().Product);
  WriteSettings("data\\other.zep");
  Back();
  GoTo(WizardPage::Name, "data\\other.zep");
  EXPECT_FALSE(Controller->Properties().Any());
  OpenDialog();
  EXPECT_EQ(kRuntimeForm, Platform.PropertiesShown.back());
}

#ifndef _WIN32
// Properties from the dialog cost a signed runtime its signature, which is told; a later
// conversion that keeps the executable's properties tells nothing again.
TEST_F(PropertiesDialog, ASignedRuntimeLosingItsSignatureIsToldOnce) {
  const TestSigner signer;
  if (!signer.Available()) GTEST_SKIP() << "osslsigncode or openssl is missing";
  InstallRuntime(signer.Signed(RuntimeImage()));
  PropertiesForm typed;
  typed.FileVersion = "1.0";
  OpenDialog({typed});
  Next();
  const std::vector<std::string> told{FormatText(Texts::kRuntimeSignatureDropped, "prog\\Zepcom.dat")};
  EXPECT_EQ(told, Platform.Warnings);
  Create();
  GoTo(WizardPage::Name);
  Next();
  EXPECT_EQ(told, Platform.Warnings);
}
#endif
}  // namespace
