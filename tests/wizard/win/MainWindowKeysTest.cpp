// The keyboard of the main window through the application's message loop: Tab order,
// Enter and the default button, Esc, access keys and F1.
#include <windows.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/ControlIds.h"

namespace {
namespace C = ControlId;

class MainWindowKeysTest : public MainWindowTest {
 protected:
  MainWindowKeysTest() { ShowWindowAndSettle(); }

  // The ids the focus visits, starting with the focused control, pressing Tab (or
  // Shift+Tab) count times.
  std::vector<int> TabWalk(int count, bool backwards = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = backwards ? 0x80 : 0;
    SetKeyboardState(keys);
    std::vector<int> visited{GetDlgCtrlID(GetFocus())};
    for (int step = 0; step < count; ++step) {
      PressKey(VK_TAB);
      visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return visited;
  }

  void ShowOptionsPage() {
    Form.ShowPagePanel(WizardPage::Options);
    Form.SetBackEnabled(true);
    Form.SetNextEnabled(true);
    SetFocus(Control(C::kShowNothingRadio));
  }
};
}  // namespace

TEST_F(MainWindowKeysTest, FocusStartsInTheSettingsPathAndTabGoesRound) {
  using V = std::vector<int>;
  EXPECT_EQ(GetFocus(), Control(C::kSettingsPathEdit));
  // Back and Next are disabled and skipped.
  EXPECT_EQ(TabWalk(4), (V{C::kSettingsPathEdit, C::kBrowseButton, C::kHelpButton, C::kCloseButton,
                           C::kSettingsPathEdit}));
  EXPECT_EQ(TabWalk(4, true), (V{C::kSettingsPathEdit, C::kCloseButton, C::kHelpButton, C::kBrowseButton,
                                 C::kSettingsPathEdit}));
}

TEST_F(MainWindowKeysTest, TabOnTheOptionsPageVisitsOnlyTheSelectedRadioButton) {
  using V = std::vector<int>;
  ShowOptionsPage();
  EXPECT_EQ(TabWalk(5), (V{C::kShowNothingRadio, C::kHelpButton, C::kBackButton, C::kNextButton,
                           C::kCloseButton, C::kShowNothingRadio}));

  Form.ShowOptions({Visibility::TrayIcon, true, true, true});
  SetFocus(Control(C::kTrayIconRadio));
  EXPECT_EQ(TabWalk(5), (V{C::kTrayIconRadio, C::kPlayOnStartCheck, C::kExitAtEndCheck, C::kExitOnKeyCheck,
                           C::kHelpButton, C::kBackButton}));
}

TEST_F(MainWindowKeysTest, ArrowKeysMoveBetweenTheRadioButtonsAndSelect) {
  ShowOptionsPage();
  PressKey(VK_DOWN);
  EXPECT_EQ(GetFocus(), Control(C::kTrayIconRadio));
  EXPECT_EQ(Visibility::TrayIcon, Form.Options().Shown);
  PressKey(VK_UP);
  EXPECT_EQ(Visibility::ShowNothing, Form.Options().Shown);
  EXPECT_EQ(Events.Count("OnVisibilityChosen"), 2);
}

TEST_F(MainWindowKeysTest, EnterPressesNextOnlyWhileItIsEnabled) {
  SetFocus(Control(C::kSettingsPathEdit));
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("OnNext"), 0);

  Form.SetNextEnabled(true);
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("OnNext"), 1);

  Form.ShowPagePanel(WizardPage::Name);
  SetFocus(Control(C::kExeNameEdit));
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("OnNext"), 2);
  Form.SetNextEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("OnNext"), 2);
}

TEST_F(MainWindowKeysTest, EnterOnAnotherButtonPressesThatButton) {
  Form.SetNextEnabled(true);
  for (int step = 0; step < 2; ++step) PressKey(VK_TAB);  // from the settings path past the folder to Help
  ASSERT_EQ(GetFocus(), Control(C::kHelpButton));
  EXPECT_EQ(GetWindowLongA(Control(C::kHelpButton), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::kNextButton), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Calls, (std::vector<std::string>{"OnCreate", "OnHelp"}));
  PressKey(VK_TAB);  // to Next, which is the default again
  EXPECT_EQ(GetWindowLongA(Control(C::kHelpButton), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::kNextButton), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
}

TEST_F(MainWindowKeysTest, EscapeDoesNothing) {
  Form.SetNextEnabled(true);
  PressKey(VK_ESCAPE);
  SetFocus(Control(C::kCloseButton));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Events.Calls, std::vector<std::string>{"OnCreate"});
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_FALSE(Application.EndRequested());
}

TEST_F(MainWindowKeysTest, AccessKeysReachOnlyTheVisiblePageAndTheBottomButtons) {
  PressAltKey('t');  // TrayIconRadio is on the hidden page 1
  PressAltKey('F');  // so are ShowNothingRadio and OpenFolderButton
  PressAltKey('n');  // Next is disabled
  EXPECT_EQ(Events.Calls, std::vector<std::string>{"OnCreate"});

  PressAltKey('h');
  EXPECT_EQ(Events.Count("OnHelp"), 1);

  ShowOptionsPage();
  PressAltKey('t');
  EXPECT_EQ(Visibility::TrayIcon, Form.Options().Shown);
  EXPECT_EQ(Events.Count("OnVisibilityChosen"), 1);
  PressAltKey('f');
  EXPECT_EQ(Visibility::ShowNothing, Form.Options().Shown);
  EXPECT_EQ(Events.Count("OnVisibilityChosen"), 2);
  EXPECT_EQ(Events.Count("OnOpenFolder"), 0);

  Form.ShowPagePanel(WizardPage::Done);
  PressAltKey('f');
  EXPECT_EQ(Events.Count("OnOpenFolder"), 1);
  EXPECT_EQ(Events.Count("OnVisibilityChosen"), 2);
  PressAltKey('b');
  EXPECT_EQ(Events.Count("OnBack"), 1);
}

// The controller's help command knows the page on screen and which help there is.
TEST_F(MainWindowKeysTest, F1RunsTheHelpCommandFromAnyControl) {
  PressKey(VK_F1);
  SetFocus(Control(C::kHelpButton));
  PressKey(VK_F1);
  Form.ShowPagePanel(WizardPage::Options);
  SetFocus(Control(C::kShowNothingRadio));
  PressKey(VK_F1);
  EXPECT_EQ(Events.Count("OnHelp"), 3);
  EXPECT_TRUE(Platform.HelpContexts.empty());
}

TEST_F(MainWindowKeysTest, HidingThePageWithTheFocusMovesItToTheVisiblePage) {
  ASSERT_EQ(GetFocus(), Control(C::kSettingsPathEdit));
  Form.ShowPagePanel(WizardPage::Name);
  EXPECT_EQ(GetFocus(), Control(C::kExeNameEdit));
  Form.ShowPagePanel(WizardPage::Done);
  EXPECT_EQ(GetFocus(), Control(C::kOpenFolderButton));
}

// Every page by the keyboard alone: the focus comes into the page, Tab goes round it and the
// usable buttons, each button answers Space and Enter, the tool button and the link show it.
TEST_F(MainWindowKeysTest, TheKeyboardAloneReachesEveryActionOnEveryPage) {
  const std::vector<int> rounds[] = {
      {C::kSettingsPathEdit, C::kBrowseButton, C::kHelpButton, C::kNextButton, C::kCloseButton},
      {C::kShowNothingRadio, C::kHelpButton, C::kBackButton, C::kNextButton, C::kCloseButton},
      {C::kExeNameEdit, C::kPropertiesButton, C::kHelpButton, C::kBackButton, C::kNextButton,
       C::kCloseButton},
      {C::kOpenFolderButton, C::kStartOverLink, C::kHelpButton, C::kCloseButton}};
  const std::set<int> fields = {C::kSettingsPathEdit, C::kShowNothingRadio, C::kExeNameEdit};
  std::map<int, std::vector<COLORREF>> unmarked;
  for (int id : {C::kBrowseButton, C::kStartOverLink}) unmarked[id] = PrintedPixels(Control(id));
  for (WizardPage page : kWizardPages) {
    const std::vector<int>& round = rounds[PageNumber(page)];
    Form.ShowPagePanel(page);
    Form.SetBackEnabled(std::count(round.begin(), round.end(), C::kBackButton));
    Form.SetNextEnabled(std::count(round.begin(), round.end(), C::kNextButton));
    for (int id : round) {
      ASSERT_EQ(GetDlgCtrlID(GetFocus()), id);
      EXPECT_TRUE(!unmarked.count(id) || PrintedPixels(Control(id)) != unmarked[id]) << "no focus mark";
      const size_t calls = Events.Calls.size();
      if (!fields.count(id)) {
        PressKey(VK_SPACE);
        PressKey(VK_RETURN);
      }
      EXPECT_EQ(Events.Calls.size(), calls + (fields.count(id) ? 0 : 2)) << id;
      PressKey(VK_TAB);
    }
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), round.front());
  }
}
