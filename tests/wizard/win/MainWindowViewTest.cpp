// The main window as the controller's view: what each operation does to the controls
// and which handlers it runs; clicks; the error wrapper; creation and the end.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/StartPathMessage.h"

namespace {
namespace C = ControlId;
using Calls = std::vector<std::string>;

void CALLBACK EndWithAnotherCode(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

int WidthOf(HWND control) {
  RECT place = PlaceInParent(control);
  return place.right - place.left;
}

// A drop of files as the shell delivers it: a DROPFILES header, then the paths, each
// ending with a zero, and one more zero.
HDROP DropOf(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& path : paths) list += path + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  std::memcpy(header + 1, list.data(), list.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

struct TooltipSearch {
  HWND Control;
  std::string Text = "(none)";
};

BOOL CALLBACK ReadToolText(HWND window, LPARAM found) {
  auto* search = reinterpret_cast<TooltipSearch*>(found);
  if (ClassNameOf(window) != TOOLTIPS_CLASSA) return TRUE;
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = GetParent(search->Control);
  tool.uId = reinterpret_cast<UINT_PTR>(search->Control);
  if (!SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) return TRUE;
  char text[80] = {};  // the most a tooltip gives through TTM_GETTEXTA
  tool.lpszText = text;
  SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  search->Text = text;
  return FALSE;
}

// The text a tooltip of this thread shows for control; "(none)" without one.
std::string TooltipTextOf(HWND control) {
  TooltipSearch search{control};
  EnumThreadWindows(GetCurrentThreadId(), ReadToolText, reinterpret_cast<LPARAM>(&search));
  return search.Text;
}
}  // namespace

TEST_F(MainWindowTest, SettingsPathReportsOnlyRealChanges) {
  const std::string path = "C:\\\x8D\xEC\x8B\xC6\\\x95\x5C.zep";  // C:\作業\表.zep
  Form.SetSettingsPath(path);
  EXPECT_EQ(Form.SettingsPath(), path);
  Form.SetSettingsPath(path);
  EXPECT_EQ(Events.Count("OnSettingsPathChange"), 1);

  SendMessageA(Control(C::kSettingsPathEdit), WM_CHAR, 'x', 1);  // typed at the caret
  EXPECT_EQ(Events.Count("OnSettingsPathChange"), 2);
  EXPECT_EQ(Form.SettingsPath().size(), path.size() + 1);

  Form.SetSettingsPath("");
  EXPECT_EQ(Events.Count("OnSettingsPathChange"), 3);
  EXPECT_EQ(Form.SettingsPath(), "");
}

TEST_F(MainWindowTest, ADropOfFilesPassesOnTheFirst) {
  EXPECT_TRUE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  const std::string first = "C:\\\x8D\xEC\x8B\xC6\\\x95\x5C.zep";  // C:\作業\表.zep
  SendMessageA(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({first, "D:\\b.zep"})), 0);
  EXPECT_EQ(Events.DroppedPaths, Calls{first});
}

// A second start's path arrives as a drop; no other data does, nor one while disabled.
TEST_F(MainWindowTest, AStartPathArrivesAsADropAndNothingElseDoes) {
  const std::string path = "C:\\\x8D\xEC\x8B\xC6\\\x95\x5C.zep";  // C:\作業\表.zep
  for (const std::string& noPath : {std::string(), std::string(519, 'a'), std::string("a\0b", 3)})
    SendStartPath(Window(), noPath);
  COPYDATASTRUCT otherData = {0, static_cast<DWORD>(path.size()), const_cast<char*>(path.data())};
  SendMessageA(Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&otherData));
  EnableWindow(Window(), FALSE);
  SendStartPath(Window(), path);
  EnableWindow(Window(), TRUE);
  SendStartPath(Window(), path);
  EXPECT_EQ(Events.DroppedPaths, Calls{path});
}

// The options go onto the controls and come back as the same value, the flags locked
// while nothing is shown; no handler runs.
TEST_F(MainWindowTest, OptionsShownFromCodeComeBackAsTheyWereAndRunNoHandler) {
  using V = Visibility;
  const ExecutableOptions values[] = {{V::TrayIcon, false, true, false},
                                      {V::Unchosen, true, false, true},
                                      {V::ShowNothing, true, true, true}};
  for (const ExecutableOptions& options : values) {
    Form.ShowOptions(options);
    EXPECT_TRUE(options == Form.Options());
    EXPECT_EQ(options.Shown != V::ShowNothing, IsWindowEnabled(Control(C::kPlayOnStartCheck)) != FALSE);
    // The selected radio button, or the first when neither is, is the group's tab stop.
    EXPECT_EQ(options.Shown == V::TrayIcon,
              (GetWindowLongA(Control(C::kTrayIconRadio), GWL_STYLE) & WS_TABSTOP) != 0);
  }
  EXPECT_EQ(Events.Calls, Calls{"OnCreate"});
}

TEST_F(MainWindowTest, ClickOnARadioButtonRunsItsHandlerOnlyWhenItBecomesSelected) {
  Form.ShowPagePanel(WizardPage::Options);
  ClickButton(C::kTrayIconRadio);
  ClickButton(C::kTrayIconRadio);
  EXPECT_EQ(Visibility::TrayIcon, Form.Options().Shown);
  ClickButton(C::kShowNothingRadio);
  EXPECT_EQ(Events.Calls, (Calls{"OnCreate", "OnVisibilityChosen", "OnVisibilityChosen"}));
  // Selected from code, then clicked: already selected, no handler.
  Form.ShowOptions({Visibility::TrayIcon, true, true, true});
  ClickButton(C::kTrayIconRadio);
  EXPECT_EQ(Events.Count("OnVisibilityChosen"), 2);
}

TEST_F(MainWindowTest, ClicksReachTheirHandlers) {
  Form.SetBackEnabled(true);
  Form.SetNextEnabled(true);
  ClickButton(C::kHelpButton);
  ClickButton(C::kBackButton);
  ClickButton(C::kNextButton);
  ClickButton(C::kCloseButton);
  Form.ShowPagePanel(WizardPage::Done);
  ClickButton(C::kOpenFolderButton);
  for (int id : {C::kBrowseButton, C::kStartOverLink}) {
    HWND control = Control(id);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  EXPECT_EQ(Events.Calls, (Calls{"OnCreate", "OnHelp", "OnBack", "OnNext", "OnClose", "OnOpenFolder",
                                 "OnBrowse", "OnStartOver"}));
  // The mouse gives BrowseButton no focus; only the keyboard does.
  EXPECT_NE(GetFocus(), Control(C::kBrowseButton));
}

TEST_F(MainWindowTest, ReleasingTheToolButtonOutsideItIsNoClick) {
  HWND button = Control(C::kBrowseButton);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(40, 3));
  EXPECT_EQ(Events.Count("OnBrowse"), 0);
}

TEST_F(MainWindowTest, PagesTitleResultAndExecutableName) {
  // Pages moved away come back to where the layout has them.
  for (int page : {C::kChooseFilePage, C::kDonePage})
    SetWindowPos(Control(page), nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Form.PlacePages();
  Form.ShowPagePanel(WizardPage::Name);
  for (int page : {C::kChooseFilePage, C::kOptionsPage, C::kNamePage, C::kDonePage}) {
    RECT place = PlaceInParent(Control(page));
    EXPECT_EQ(place.left, 120);
    EXPECT_EQ(place.top, 44);
    EXPECT_EQ((GetWindowLongA(Control(page), GWL_STYLE) & WS_VISIBLE) != 0, page == C::kNamePage) << page;
  }

  // The title and the result grow and shrink with their text.
  Form.SetTitle("\x8D\xEC\x90\xAC\x8A\xAE\x97\xB9\x81\x49");  // 作成完了！
  int shortTitle = WidthOf(Control(C::kPageTitle));
  EXPECT_LT(shortTitle, 244);
  Form.SetTitle("ZephyrClick settings file of a much longer title");
  EXPECT_GT(WidthOf(Control(C::kPageTitle)), shortTitle);
  char title[64] = {};
  GetWindowTextA(Control(C::kPageTitle), title, sizeof title);
  EXPECT_EQ(std::string(title), "ZephyrClick settings file of a much longer title");

  Form.SetResult("C:\\data\\macro.exe");
  int result = WidthOf(Control(C::kResultPath));
  EXPECT_GT(result, 60);
  Form.SetResult("C:\\data\\a-much-longer-folder-name\\macro.exe");
  EXPECT_GT(WidthOf(Control(C::kResultPath)), result);

  Form.SetExeName("macro.exe");
  EXPECT_EQ(Form.ExeName(), "macro.exe");
  // Progress beyond the range shows as its end.
  HWND gauge = Control(C::kProgressGauge);
  Form.SetProgress(100);
  const std::vector<COLORREF> full = PrintedPixels(gauge);
  Form.SetProgress(140);
  EXPECT_EQ(PrintedPixels(gauge), full);
  Form.SetProgress(0);
  const std::vector<COLORREF> empty = PrintedPixels(gauge);
  EXPECT_NE(empty, full);
  Form.SetProgress(-3);
  EXPECT_EQ(PrintedPixels(gauge), empty);
}

// A result too long for the page is shortened in the middle; the tooltip shows it whole.
TEST_F(MainWindowTest, ALongResultStaysInsideItsPageAndIsWholeInTheTooltip) {
  const std::string path = "C:\\Users\\someone\\Documents\\ZephyrClick macros\\\x95\x5C\\weekly\\macro.exe";
  Form.SetResult("C:\\data\\macro.exe");
  Form.SetResult(path);
  HWND label = Control(C::kResultPath);
  RECT page;
  GetClientRect(Control(C::kDonePage), &page);
  EXPECT_LE(PlaceInParent(label).right, page.right);
  const LONG style = GetWindowLongA(label, GWL_STYLE);
  EXPECT_EQ(style & SS_ELLIPSISMASK, SS_PATHELLIPSIS);
  EXPECT_TRUE(style & SS_NOTIFY);  // else the tooltip never sees the mouse
  EXPECT_EQ(TooltipTextOf(label), path);
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
  Events.Throwing = "OnNext";
  Events.ThrownMessage =
      "\x83\x74\x83\x40\x83\x43\x83\x8B x \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";
  Form.SetNextEnabled(true);
  ClickButton(C::kNextButton);
  EXPECT_EQ(Platform.ErrorReports, Calls{Events.ThrownMessage});
  ClickButton(C::kHelpButton);  // the window goes on
  EXPECT_EQ(Events.Count("OnHelp"), 1);
}

TEST_F(MainWindowTest, CloseRunsTheCloseStepAndEndsTheApplication) {
  Form.Close();
  EXPECT_EQ(Events.Calls, (Calls{"OnCreate", "OnCloseRequest"}));
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(Application.MainWindowHandle(), nullptr);
  EXPECT_TRUE(Application.EndRequested());
  EXPECT_EQ(Application.Run(), 0);
}

TEST_F(MainWindowTest, AFailingCloseStepStillClosesTheWindow) {
  Events.Throwing = "OnCloseRequest";
  Events.ThrownMessage = "registry";
  SendMessageA(Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Platform.ErrorReports, Calls{"registry"});
  EXPECT_EQ(Window(), nullptr);
}

TEST(MainWindowCreation, FormCreateRunsLastWithEveryControlAndBeforeTheWindowShows) {
  Application application;
  RecordingEvents events;
  FakePlatform platform;
  MainWindow form(application, platform);
  bool allControls = false, visible = true;
  RECT frame = {};
  events.OnFormCreate = [&] {
    allControls = form.Control(ControlId::kStartOverLink) && form.Control(ControlId::kProgressGauge) &&
                  form.Control(ControlId::kLineListBox);
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
  EXPECT_EQ(application.MainWindowHandle(), form.Handle());
}

TEST(MainWindowCreation, AnEndRequestedDuringCreationIsHonouredWithoutShowingTheWindow) {
  Application application;
  RecordingEvents events;
  FakePlatform platform;
  MainWindow form(application, platform);
  events.OnFormCreate = [&] { application.RequestEnd(3); };
  application.CreateMainWindow(form, events);
  // Should the loop not stop by itself, this ends it with another code.
  const ThreadTimer deadline(5000, EndWithAnotherCode);
  EXPECT_EQ(application.Run(), 3);
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  DiscardQuit();
}

TEST(MainWindowCreation, AnErrorInFormCreateIsReportedAndTheWindowStays) {
  Application application;
  RecordingEvents events;
  FakePlatform platform;
  MainWindow form(application, platform);
  events.Throwing = "OnCreate";
  events.ThrownMessage =
      "'Top' \x82\xCC\x83\x66\x81\x5B\x83\x5E\x8C\x5E\x82\xAA\x95\x73\x90\xB3\x82\xC5\x82\xB7";
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
  HWND owner =
      reinterpret_cast<HWND>(GetWindowLongPtrA(FindWindowA("TfrmZepplay", nullptr), GWLP_HWNDPARENT));
  ASSERT_EQ(owner, Application.Handle());
  SendMessageA(owner, WM_SYSCOMMAND, SC_RESTORE, -1);
  EXPECT_FALSE(IsIconic(Application.Handle()));
  EXPECT_TRUE(IsWindowVisible(Window()));
}
