// The keyboard of the main window through the application's message loop: Tab order,
// Enter and the default button, Esc, access keys and F1.
#include <windows.h>

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
    Form.ShowPagePanel(1);
    Form.SetBackEnabled(true);
    Form.SetNextEnabled(true);
    SetFocus(Control(C::rad1));
  }
};
}  // namespace

TEST_F(MainWindowKeysTest, FocusStartsInTheSettingsPathAndTabGoesRound) {
  using V = std::vector<int>;
  EXPECT_EQ(GetFocus(), Control(C::txtZepName));
  // Back and Next are disabled and skipped.
  EXPECT_EQ(TabWalk(3), (V{C::txtZepName, C::btnHelp, C::btnClose, C::txtZepName}));
  EXPECT_EQ(TabWalk(3, true), (V{C::txtZepName, C::btnClose, C::btnHelp, C::txtZepName}));
}

TEST_F(MainWindowKeysTest, TabOnTheOptionsPageVisitsOnlyTheSelectedRadioButton) {
  using V = std::vector<int>;
  ShowOptionsPage();
  EXPECT_EQ(TabWalk(5), (V{C::rad1, C::btnHelp, C::btnBack, C::btnNext, C::btnClose, C::rad1}));

  Form.SetChecked(TOptionControl::rad2, true);
  for (auto flag : {TOptionControl::chkDouji, TOptionControl::chkEndClose, TOptionControl::chkHotClose})
    Form.SetEnabled(flag, true);
  SetFocus(Control(C::rad2));
  EXPECT_EQ(TabWalk(5), (V{C::rad2, C::chkDouji, C::chkEndClose, C::chkHotClose, C::btnHelp, C::btnBack}));
}

TEST_F(MainWindowKeysTest, ArrowKeysMoveBetweenTheRadioButtonsAndSelect) {
  ShowOptionsPage();
  PressKey(VK_DOWN);
  EXPECT_EQ(GetFocus(), Control(C::rad2));
  EXPECT_TRUE(Form.IsChecked(TOptionControl::rad2));
  EXPECT_FALSE(Form.IsChecked(TOptionControl::rad1));
  PressKey(VK_UP);
  EXPECT_TRUE(Form.IsChecked(TOptionControl::rad1));
  EXPECT_EQ(Events.Count("rad2Click"), 1);
  EXPECT_EQ(Events.Count("rad1Click"), 1);
}

TEST_F(MainWindowKeysTest, EnterPressesNextOnlyWhileItIsEnabled) {
  SetFocus(Control(C::txtZepName));
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("btnNextClick"), 0);

  Form.SetNextEnabled(true);
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("btnNextClick"), 1);

  Form.ShowPagePanel(2);
  SetFocus(Control(C::txtExeName));
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("btnNextClick"), 2);
  Form.SetNextEnabled(false);
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Count("btnNextClick"), 2);
}

TEST_F(MainWindowKeysTest, EnterOnAnotherButtonPressesThatButton) {
  Form.SetNextEnabled(true);
  PressKey(VK_TAB);  // from the settings path to Help
  ASSERT_EQ(GetFocus(), Control(C::btnHelp));
  EXPECT_EQ(GetWindowLongA(Control(C::btnHelp), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::btnNext), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  PressKey(VK_RETURN);
  EXPECT_EQ(Events.Calls, (std::vector<std::string>{"FormCreate", "btnHelpClick"}));
  PressKey(VK_TAB);  // to Next, which is the default again
  EXPECT_EQ(GetWindowLongA(Control(C::btnHelp), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::btnNext), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
}

TEST_F(MainWindowKeysTest, EscapeDoesNothing) {
  Form.SetNextEnabled(true);
  PressKey(VK_ESCAPE);
  SetFocus(Control(C::btnClose));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Events.Calls, std::vector<std::string>{"FormCreate"});
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_FALSE(Application.EndRequested());
}

TEST_F(MainWindowKeysTest, AccessKeysReachOnlyTheVisiblePageAndTheBottomButtons) {
  PressAltKey('t');  // rad2 is on the hidden page 1
  PressAltKey('F');  // so are rad1 and btnOpenFolder
  PressAltKey('n');  // Next is disabled
  EXPECT_EQ(Events.Calls, std::vector<std::string>{"FormCreate"});

  PressAltKey('h');
  EXPECT_EQ(Events.Count("btnHelpClick"), 1);

  ShowOptionsPage();
  PressAltKey('t');
  EXPECT_TRUE(Form.IsChecked(TOptionControl::rad2));
  EXPECT_EQ(Events.Count("rad2Click"), 1);
  PressAltKey('f');
  EXPECT_TRUE(Form.IsChecked(TOptionControl::rad1));
  EXPECT_EQ(Events.Count("rad1Click"), 1);
  EXPECT_EQ(Events.Count("btnOpenFolderClick"), 0);

  Form.ShowPagePanel(3);
  PressAltKey('f');
  EXPECT_EQ(Events.Count("btnOpenFolderClick"), 1);
  EXPECT_EQ(Events.Count("rad1Click"), 1);
  PressAltKey('b');
  EXPECT_EQ(Events.Count("btnBackClick"), 1);
}

TEST_F(MainWindowKeysTest, F1AsksForHelpContextOneFromAnyControl) {
  PressKey(VK_F1);
  SetFocus(Control(C::btnHelp));
  PressKey(VK_F1);
  Form.ShowPagePanel(1);
  SetFocus(Control(C::rad1));
  PressKey(VK_F1);
  EXPECT_EQ(Platform.HelpContexts, (std::vector<unsigned>{1, 1, 1}));
  EXPECT_EQ(Events.Count("btnHelpClick"), 0);
}

TEST_F(MainWindowKeysTest, HidingThePageWithTheFocusMovesItToTheVisiblePage) {
  ASSERT_EQ(GetFocus(), Control(C::txtZepName));
  Form.ShowPagePanel(2);
  EXPECT_EQ(GetFocus(), Control(C::txtExeName));
  Form.ShowPagePanel(3);
  EXPECT_EQ(GetFocus(), Control(C::btnOpenFolder));
}
