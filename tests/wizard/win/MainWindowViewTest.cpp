// The main window as the controller's view: what each operation does to the controls
// and which handlers it runs; clicks; the error wrapper; creation and the end.
#include <windows.h>

#include <string>
#include <vector>

#include "common/Exception.h"
#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/Gauge.h"

namespace {
namespace C = ControlId;
using Calls = std::vector<std::string>;

void CALLBACK EndWithAnotherCode(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

int WidthOf(HWND control) {
  RECT place = PlaceInParent(control);
  return place.right - place.left;
}
}  // namespace

TEST_F(MainWindowTest, SettingsPathReportsOnlyRealChanges) {
  const std::string path = "C:\\\x8D\xEC\x8B\xC6\\\x95\x5C.zep";  // C:\作業\表.zep
  Form.SetSettingsPath(path);
  EXPECT_EQ(Form.SettingsPath(), path);
  Form.SetSettingsPath(path);
  EXPECT_EQ(Events.Count("txtZepNameChange"), 1);

  SendMessageA(Control(C::txtZepName), WM_CHAR, 'x', 1);  // typed at the caret
  EXPECT_EQ(Events.Count("txtZepNameChange"), 2);
  EXPECT_EQ(Form.SettingsPath().size(), path.size() + 1);

  Form.SetSettingsPath("");
  EXPECT_EQ(Events.Count("txtZepNameChange"), 3);
  EXPECT_EQ(Form.SettingsPath(), "");
}

TEST_F(MainWindowTest, RadioButtonsFromCodeRunNoHandler) {
  Form.SetChecked(TOptionControl::rad2, true);
  EXPECT_TRUE(Form.IsChecked(TOptionControl::rad2));
  EXPECT_FALSE(Form.IsChecked(TOptionControl::rad1));
  EXPECT_TRUE(GetWindowLongA(Control(C::rad2), GWL_STYLE) & WS_TABSTOP);
  EXPECT_FALSE(GetWindowLongA(Control(C::rad1), GWL_STYLE) & WS_TABSTOP);

  Form.SetChecked(TOptionControl::rad2, false);  // deselects only rad2
  EXPECT_FALSE(Form.IsChecked(TOptionControl::rad1));
  EXPECT_FALSE(Form.IsChecked(TOptionControl::rad2));
  EXPECT_TRUE(GetWindowLongA(Control(C::rad1), GWL_STYLE) & WS_TABSTOP);

  Form.SetChecked(TOptionControl::chkDouji, false);
  EXPECT_FALSE(Form.IsChecked(TOptionControl::chkDouji));
  Form.SetEnabled(TOptionControl::chkDouji, true);
  EXPECT_TRUE(IsWindowEnabled(Control(C::chkDouji)));
  EXPECT_EQ(Events.Calls, Calls{"FormCreate"});
}

TEST_F(MainWindowTest, ClickOnARadioButtonRunsItsHandlerOnlyWhenItBecomesSelected) {
  Form.ShowPagePanel(1);
  ClickButton(C::rad2);
  ClickButton(C::rad2);
  EXPECT_TRUE(Form.IsChecked(TOptionControl::rad2));
  EXPECT_FALSE(Form.IsChecked(TOptionControl::rad1));
  ClickButton(C::rad1);
  EXPECT_EQ(Events.Calls, (Calls{"FormCreate", "rad2Click", "rad1Click"}));
  // Selected from code, then clicked: already selected, no handler.
  Form.SetChecked(TOptionControl::rad2, true);
  ClickButton(C::rad2);
  EXPECT_EQ(Events.Count("rad2Click"), 1);
}

TEST_F(MainWindowTest, ClicksReachTheirHandlers) {
  Form.SetBackEnabled(true);
  Form.SetNextEnabled(true);
  ClickButton(C::btnHelp);
  ClickButton(C::btnBack);
  ClickButton(C::btnNext);
  ClickButton(C::btnClose);
  Form.ShowPagePanel(3);
  ClickButton(C::btnOpenFolder);
  for (int id : {C::btn1, C::Label9}) {
    HWND control = Control(id);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  EXPECT_EQ(Events.Calls, (Calls{"FormCreate", "btnHelpClick", "btnBackClick", "btnNextClick", "btnCloseClick",
                                 "btnOpenFolderClick", "btn1Click", "Label9Click"}));
  // btn1 never takes the focus.
  EXPECT_NE(GetFocus(), Control(C::btn1));
}

TEST_F(MainWindowTest, ReleasingTheToolButtonOutsideItIsNoClick) {
  HWND button = Control(C::btn1);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(40, 3));
  EXPECT_EQ(Events.Count("btn1Click"), 0);
}

TEST_F(MainWindowTest, PagesTitleResultAndExecutableName) {
  Form.PlacePages(5, 7);
  Form.ShowPagePanel(2);
  for (int page : {C::pnl0, C::pnl1, C::pnl2, C::pnl3}) {
    RECT place = PlaceInParent(Control(page));
    EXPECT_EQ(place.left, 5);
    EXPECT_EQ(place.top, 7);
    EXPECT_EQ((GetWindowLongA(Control(page), GWL_STYLE) & WS_VISIBLE) != 0, page == C::pnl2) << page;
  }

  // The title and the result grow and shrink with their text.
  Form.SetTitle("\x8D\xEC\x90\xAC\x8A\xAE\x97\xB9\x81\x49");  // 作成完了！
  int shortTitle = WidthOf(Control(C::lblTitle));
  EXPECT_LT(shortTitle, 244);
  Form.SetTitle("ZephyrClick settings file of a much longer title");
  EXPECT_GT(WidthOf(Control(C::lblTitle)), shortTitle);
  char title[64] = {};
  GetWindowTextA(Control(C::lblTitle), title, sizeof title);
  EXPECT_EQ(std::string(title), "ZephyrClick settings file of a much longer title");

  Form.SetResult("C:\\data\\macro.exe");
  int result = WidthOf(Control(C::lblExeName));
  EXPECT_GT(result, 60);
  Form.SetResult("C:\\data\\a-much-longer-folder-name\\macro.exe");
  EXPECT_GT(WidthOf(Control(C::lblExeName)), result);

  Form.SetExeName("macro.exe");
  EXPECT_EQ(Form.ExeName(), "macro.exe");
  Form.SetProgress(33);
  EXPECT_EQ(GaugeProgress(Control(C::g1)), 33);
  Form.SetProgress(140);
  EXPECT_EQ(GaugeProgress(Control(C::g1)), 100);
  Form.SetProgress(-3);
  EXPECT_EQ(GaugeProgress(Control(C::g1)), 0);
}

TEST_F(MainWindowTest, CaptionPositionAndSize) {
  Form.SetCaption("EXE\x90\xB6\x90\xAC\x92\x86\x81\x63");  // EXE生成中…
  char caption[32] = {};
  GetWindowTextA(Window(), caption, sizeof caption);
  EXPECT_EQ(std::string(caption), "EXE\x90\xB6\x90\xAC\x92\x86\x81\x63");
  Form.SetLeft(273);
  Form.SetTop(-4);
  EXPECT_EQ(Form.Left(), 273);
  EXPECT_EQ(Form.Top(), -4);
  RECT client;
  GetClientRect(Window(), &client);
  EXPECT_GT(Form.OuterWidth(), client.right);
  EXPECT_GT(Form.OuterHeight(), client.bottom);
  Form.SetOuterHeight(0);
  Form.SetOuterWidth(0);
  EXPECT_EQ(Form.OuterHeight(), 0);
  EXPECT_EQ(Form.OuterWidth(), 0);
  EXPECT_EQ(Form.Left(), 273);
}

TEST_F(MainWindowTest, AnErrorLeavingAHandlerGoesToTheErrorReport) {
  Events.Throwing = "btnNextClick";
  Events.ThrownMessage = "\x83\x74\x83\x40\x83\x43\x83\x8B x \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";
  Form.SetNextEnabled(true);
  ClickButton(C::btnNext);
  EXPECT_EQ(Platform.ErrorReports, Calls{Events.ThrownMessage});
  ClickButton(C::btnHelp);  // the window goes on
  EXPECT_EQ(Events.Count("btnHelpClick"), 1);
}

TEST_F(MainWindowTest, CloseRunsTheCloseStepAndEndsTheApplication) {
  Form.Close();
  EXPECT_EQ(Events.Calls, (Calls{"FormCreate", "FormCloseQuery"}));
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Application.MainWindow(), nullptr);
  EXPECT_TRUE(Application.EndRequested());
  EXPECT_EQ(Application.Run(), 0);
}

TEST_F(MainWindowTest, AFailingCloseStepStillClosesTheWindow) {
  Events.Throwing = "FormCloseQuery";
  Events.ThrownMessage = "registry";
  SendMessageA(Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Platform.ErrorReports, Calls{"registry"});
  EXPECT_EQ(Window(), nullptr);
}

TEST(MainWindowCreation, FormCreateRunsLastWithEveryControlAndBeforeTheWindowShows) {
  TApplication application;
  TRecordingEvents events;
  TFakePlatform platform;
  TfrmZepplay form(application, platform);
  bool allControls = false, visible = true;
  RECT frame = {};
  events.OnFormCreate = [&] {
    allControls = form.Control(ControlId::Label9) && form.Control(ControlId::g1) && form.Control(ControlId::lstAll);
    visible = IsWindowVisible(form.Handle());
    GetWindowRect(form.Handle(), &frame);
    form.SetLeft(100);  // the creation handler may move the window
  };
  application.CreateMainWindow(form, events);
  EXPECT_TRUE(allControls);
  EXPECT_FALSE(visible);
  EXPECT_EQ(frame.left, 1106);
  EXPECT_EQ(frame.top, 494);
  EXPECT_EQ(form.Left(), 100);
  EXPECT_EQ(application.MainWindow(), form.Handle());
}

TEST(MainWindowCreation, AnEndRequestedDuringCreationIsHonouredWithoutShowingTheWindow) {
  TApplication application;
  TRecordingEvents events;
  TFakePlatform platform;
  TfrmZepplay form(application, platform);
  events.OnFormCreate = [&] { application.RequestEnd(3); };
  application.CreateMainWindow(form, events);
  // Should the loop not stop by itself, this ends it with another code.
  UINT_PTR deadline = SetTimer(nullptr, 0, 5000, EndWithAnotherCode);
  EXPECT_EQ(application.Run(), 3);
  KillTimer(nullptr, deadline);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  DiscardQuit();
}

TEST(MainWindowCreation, AnErrorInFormCreateIsReportedAndTheWindowStays) {
  TApplication application;
  TRecordingEvents events;
  TFakePlatform platform;
  TfrmZepplay form(application, platform);
  events.Throwing = "FormCreate";
  events.ThrownMessage = "'Top' \x82\xCC\x83\x66\x81\x5B\x83\x5E\x8C\x5E\x82\xAA\x95\x73\x90\xB3\x82\xC5\x82\xB7";
  application.CreateMainWindow(form, events);
  EXPECT_EQ(platform.ErrorReports, Calls{events.ThrownMessage});
  EXPECT_NE(form.Handle(), nullptr);
  EXPECT_FALSE(application.EndRequested());
}

TEST_F(MainWindowTest, ApplicationWindowOwnsTheMainWindowAndMinimisesForIt) {
  Application.SetTitle("Zephyr Player");
  char title[32] = {};
  GetWindowTextA(Application.Handle(), title, sizeof title);
  EXPECT_EQ(std::string(title), "Zephyr Player");
  EXPECT_NE(GetClassLongPtrA(Application.Handle(), GCLP_HICON), 0u);
  EXPECT_EQ(GetClassLongPtrA(Window(), GCLP_HICON), 0u);  // no icon in the caption

  ShowWindowAndSettle();
  SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(Application.Handle()));
  EXPECT_FALSE(IsWindowVisible(Window()));
  // What a second start does with the owner of the window it finds.
  HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(FindWindowA("TfrmZepplay", nullptr), GWLP_HWNDPARENT));
  ASSERT_EQ(owner, Application.Handle());
  SendMessageA(owner, WM_SYSCOMMAND, SC_RESTORE, -1);
  EXPECT_FALSE(IsIconic(Application.Handle()));
  EXPECT_TRUE(IsWindowVisible(Window()));
}
