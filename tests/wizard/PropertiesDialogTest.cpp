// The properties dialog of page 2 over the fakes: what it starts with, what OK takes and
// Cancel keeps, what it tells of a wrong icon or version, and how long what it took lasts.
#include "engine/LittleEndian.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/PropertySamples.h"
#include "tests/wizard/WizardFixture.h"

namespace {
// The runtime's own version information and the dialog's texts for it.
ImageProperties RuntimeOwn() {
  ImageProperties own;
  own.Icon = IconGroup{{std::string(kIconEntrySize, '\x20'), BitmapIconImage(32, 8)}};
  own.Version = {{6, 10, 0, 0}, "6.10", "Zephyr Player", "Zephyr", "Fernwick", "(C) Fernwick", "p.exe", "p"};
  return own;
}
// A program image with the alignments that its new resource section is placed by.
std::string Runtime() {
  std::string image = ProgramImage(0x1000, 5);
  WriteLe(image, 0x58 + 32, 0x1000, 4);
  WriteLe(image, 0x58 + 36, 0x200, 4);
  return image;
}
const PropertiesForm kRuntimeForm = {"",       "6.10.0.0", "6.10",        "Zephyr Player",
                                     "Zephyr", "Fernwick", "(C) Fernwick"};

class PropertiesDialog : public WizardTest {
 protected:
  void SetUp() override {
    WriteSettings(kSettingsPath);
    ImageEditResult edit;
    InstallRuntime(EditInMemory(Runtime(), RuntimeOwn(), edit));
    ASSERT_EQ(ImageEditOutcome::Edited, edit.Outcome);
    WriteBytes("data\\six.ico", SixImageIconFile());
    Create();
    GoTo(WizardPage::Name);
  }
  void OpenDialog(std::vector<PropertiesForm> typed = {}) {
    Platform.PropertiesTyped = std::move(typed);
    Handle(&WizardController::OnProperties);
  }
};

TEST_F(PropertiesDialog, StartsWithTheRuntimesOwnAndTakesWhatChangedAndTheIcon) {
  PropertiesForm typed = kRuntimeForm;
  typed.IconPath = "data\\six.ico";
  typed.FileVersion = "6.10";  // the same numbers
  typed.Description = "集計マクロ";
  Platform.HelpInProperties = true;
  OpenDialog({typed});
  EXPECT_EQ(std::vector<PropertiesForm>{kRuntimeForm}, Platform.PropertiesShown);
  ASSERT_TRUE(Platform.PropertiesIcon);
  EXPECT_EQ(RuntimeOwn().Icon->front().Bytes, Platform.PropertiesIcon->front().Bytes);
  EXPECT_EQ(std::vector<std::string>{"prog\\help\\zepplay.html#properties"}, Platform.HelpPages);
  const PropertiesRequest& request = Controller->Properties();
  ASSERT_TRUE(request.Icon);
  EXPECT_EQ(SixImageIconFile(), IconFileBytes(*request.Icon));
  EXPECT_EQ("集計マクロ", request.Description);
  EXPECT_FALSE(request.FileVersion || request.ProductVersion || request.Product || request.Company ||
               request.Copyright || request.RuntimeOwn);
}

// The next session finds them in the executable made, and starts the dialog with them.
TEST_F(PropertiesDialog, TheConversionGivesThemToTheExecutableWhichKeepsThem) {
  PropertiesForm typed = kRuntimeForm;
  typed.IconPath = "data\\six.ico";
  typed.Copyright = "(C) 2026 集計";
  OpenDialog({typed});
  Next();
  ASSERT_EQ(WizardPage::Done, Controller->Page());
  Create();
  GoTo(WizardPage::Name);
  OpenDialog();
  typed.IconPath = "";
  EXPECT_EQ(typed, Platform.PropertiesShown.back());
  ASSERT_TRUE(Platform.PropertiesIcon);
  EXPECT_EQ(SixImageIconFile(), IconFileBytes(*Platform.PropertiesIcon));
  EXPECT_FALSE(Controller->Properties().Any());
}

TEST_F(PropertiesDialog, AWrongIconOrVersionIsToldAndTheDialogStaysOpen) {
  WriteBytes("data\\picture.ico", "\x89PNG\r\n\x1A\n");
  PropertiesForm wrongIcon = kRuntimeForm, wrongVersion = kRuntimeForm, right = kRuntimeForm;
  wrongIcon.IconPath = "data\\picture.ico";
  wrongVersion.FileVersion = "1.2.3.4.5";
  right.Company = "Fernwick Co.";
  OpenDialog({wrongIcon, wrongVersion, right});
  std::vector<std::string> told;
  for (const auto& read : std::vector<std::function<void()>>{[] { ReadIcon("data\\picture.ico"); },
                                                             [] { ReadFileVersion("1.2.3.4.5"); }}) {
    try {
      read();
    } catch (const Exception& error) {
      told.push_back(error.Message());
    }
  }
  EXPECT_EQ(told, Platform.ErrorReports);
  EXPECT_EQ(2u, told.size());
  EXPECT_EQ("Fernwick Co.", Controller->Properties().Company);
}

TEST_F(PropertiesDialog, CancelKeepsWhatWasTakenAndAnotherSettingsFileForgetsIt) {
  PropertiesForm typed = kRuntimeForm;
  typed.Product = "マクロ";
  OpenDialog({typed});
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
}  // namespace
