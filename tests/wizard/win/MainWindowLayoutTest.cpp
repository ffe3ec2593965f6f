// The main window as it stands after construction: frame, font, and every control with
// its id, class, place, text, state and tab order.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/WinHandles.h"

namespace {
namespace C = ControlId;

struct ExpectedControl {
  int Id;
  int ParentId;  // 0: the window
  const char* Class;
  int Left, Top, Width, Height;
  std::string Text;  // cp932 bytes
  bool Visible, Enabled, TabStop;
};

// Texts are UTF-8 in this source and compiled to cp932 bytes.
// clang-format off
const std::vector<ExpectedControl> kExpected = {
    {C::kPageTitle, 0, "Static", 123, 11, 244, 16, "ZephyrClick設定ファイルの選択", true, true, false},
    {C::kTitleRule, 0, "TBevel", 120, 34, 344, 10, "", true, true, false},
    {C::kSidePictureFrame, 0, "TPanel", 8, 9, 102, 213, "", true, true, false},
    {C::kSidePicture, C::kSidePictureFrame, "TImage", 1, 1, 100, 211, "", true, true, false},
    {C::kChooseFilePage, 0, "TPanel", 120, 44, 343, 179, "", true, true, false},
    {C::kOptionsPage, 0, "TPanel", 120, 44, 343, 177, "", false, true, false},
    {C::kNamePage, 0, "TPanel", 120, 44, 343, 177, "", false, true, false},
    {C::kDonePage, 0, "TPanel", 120, 44, 343, 177, "", false, true, false},
    {C::kButtonRule, 0, "TBevel", 8, 232, 456, 10, "", true, true, false},
    {C::kHelpButton, 0, "Button", 12, 244, 83, 25, "ヘルプ(&H)", true, true, true},
    {C::kBackButton, 0, "Button", 200, 244, 83, 25, "< 戻る(&B)", true, false, true},
    {C::kNextButton, 0, "Button", 283, 244, 83, 25, "次へ(&N) >", true, false, true},
    {C::kCloseButton, 0, "Button", 377, 244, 83, 25, "閉じる(&C)", true, true, true},
    {C::kLineListBox, 0, "ListBox", 116, 260, 201, 17, "", false, true, false},
    {C::kWelcomeText, C::kChooseFilePage, "Static", 1, 2, 339, 100,
     "Zephyr Player へようこそ！\r\n\r\nこのツールはZephyrClickで作成された設定ファイル(*.zep)を"
     "ZephyrClickがインストールされていない環境でも実行できるよう、実行ファイル(*.exe)に変換する"
     "アプリケーションです。\r\n\r\nこのツールを使って変換された実行ファイルは、ご自由に配布して"
     "いただくことが可能です。",
     true, true, false},
    {C::kSettingsPathLabel, C::kChooseFilePage, "Static", 13, 119, 222, 12, "変換するZephyrClick設定ファイルの選択：", true, true, false},
    {C::kSettingsPathEdit, C::kChooseFilePage, "Edit", 14, 140, 293, 20, "", true, true, true},
    {C::kBrowseButton, C::kChooseFilePage, "TSpeedButton", 308, 139, 23, 22, "", true, true, true},
    {C::kVisibilityLabel, C::kOptionsPage, "Static", 4, 2, 159, 12, "作成する実行ファイルの可視性", true, true, false},
    {C::kShowNothingRadio, C::kOptionsPage, "Button", 16, 21, 113, 17, "何も表示しない(&F)", true, true, true},
    {C::kTrayIconRadio, C::kOptionsPage, "Button", 16, 44, 163, 17, "トレイアイコンで表示する(&T)", true, true, false},
    {C::kPlayOnStartCheck, C::kOptionsPage, "Button", 36, 68, 129, 17, "起動と同時に再生(&R)", true, false, true},
    {C::kExitAtEndCheck, C::kOptionsPage, "Button", 36, 94, 161, 17, "最後まで再生したら終了(&D)", true, false, true},
    {C::kExitOnKeyCheck, C::kOptionsPage, "Button", 36, 119, 185, 17, "再生・停止の制御キーで終了(&K)", true, false, true},
    {C::kNoteMark, C::kOptionsPage, "Static", 19, 148, 13, 12, "※", true, true, false},
    {C::kNoteText, C::kOptionsPage, "Static", 34, 148, 297, 27,
     "安全に処理を途中停止できるよう、できる限り再生・停止の制御キーはZephyrClickで設定しておいて下さい。", true,
     true, false},
    {C::kNameIntroText, C::kNamePage, "Static", 6, 8, 333, 54,
     "作成する実行ファイルの名前を決めて下さい。\r\n\r\n特に問題がなければ[次へ]を押すと、元の設定ファイルと同じ"
     "場所に実行ファイルが作成されます。",
     true, true, false},
    {C::kExeNameLabel, C::kNamePage, "Static", 16, 73, 59, 12, "ファイル名：", true, true, false},
    {C::kExeNameEdit, C::kNamePage, "Edit", 79, 70, 254, 20, "", true, true, true},
    {C::kPropertiesButton, C::kNamePage, "Button", 223, 98, 110, 25, "プロパティ(&P)...", true, true, true},
    {C::kGaugeFrame, C::kNamePage, "TPanel", 24, 140, 293, 25, "", true, true, false},
    {C::kProgressGauge, C::kGaugeFrame, "TGauge", 1, 1, 291, 23, "", true, true, false},
    {C::kDoneIcon, C::kDonePage, "TImage", 7, 6, 32, 32, "", true, true, false},
    {C::kResultPath, C::kDonePage, "Static", 48, 17, 60, 12, "lblExeName", true, true, false},
    {C::kDoneText, C::kDonePage, "Static", 7, 54, 229, 36,
     "実行ファイルの作成が完了しました。\r\n\r\n作成した実行ファイルをどうぞご活用下さい！", true, true, false},
    {C::kOpenFolderButton, C::kDonePage, "Button", 8, 110, 166, 25, "作成先のフォルダを開く(&F)", true, true, true},
    {C::kStartOverLink, C::kDonePage, "Static", 252, 152, 57, 12, "最初に戻る", true, true, true},
};
// clang-format on

// Labels that take the size of their text. With "ＭＳ Ｐゴシック" that is the size of
// the table; Wine's substitute font is a little taller.
bool IsAutoSize(int id) { return id == C::kPageTitle || id == C::kResultPath || id == C::kDoneText; }

SIZE TextExtentOf(HWND label) {
  char text[256] = {};
  GetWindowTextA(label, text, sizeof text);
  const WindowDc dc(label);
  const SelectionGuard selected(dc.Dc(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT extent = {};
  DrawTextA(dc.Dc(), text, -1, &extent, DT_CALCRECT | DT_NOPREFIX);
  return {extent.right, extent.bottom};
}

std::string Bytes(HWND window) {
  char text[1024] = {};
  int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length);
}

int CountDescendants(HWND parent) {
  int count = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    count += 1 + CountDescendants(child);
  return count;
}

// A label that keeps the size of the table unless its text needs more room.
bool IsFixedLabel(const ExpectedControl& control) {
  return std::string(control.Class) == "Static" && !IsAutoSize(control.Id) && control.Id != C::kResultPath;
}

// Tab stops under parent in creation (z) order.
std::vector<int> TabStopsIn(HWND parent) {
  std::vector<int> ids;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) ids.push_back(GetDlgCtrlID(child));
  return ids;
}
}  // namespace

TEST_F(MainWindowTest, EveryControlAsBuilt) {
  for (const ExpectedControl& expected : kExpected) {
    SCOPED_TRACE("control id " + std::to_string(expected.Id));
    HWND control = Control(expected.Id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetDlgCtrlID(control), expected.Id);
    EXPECT_EQ(GetParent(control), expected.ParentId ? Control(expected.ParentId) : Window());
    EXPECT_EQ(ClassNameOf(control), expected.Class);
    RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, expected.Left);
    EXPECT_EQ(place.top, expected.Top);
    SIZE size = IsAutoSize(expected.Id) ? TextExtentOf(control) : SIZE{expected.Width, expected.Height};
    if (IsFixedLabel(expected)) size.cy = LabelHeight(control, expected.Height);
    EXPECT_EQ(place.right - place.left, size.cx);
    EXPECT_EQ(place.bottom - place.top, size.cy);
    EXPECT_EQ(Bytes(control), expected.Text);
    LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ((style & WS_VISIBLE) != 0, expected.Visible);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.Enabled);
    EXPECT_EQ((style & WS_TABSTOP) != 0, expected.TabStop);
  }
  EXPECT_EQ(CountDescendants(Window()), static_cast<int>(kExpected.size()));
}

// The face that stands in for the design font is a little taller: a label whose text
// would be cut grows into the free space below it.
TEST_F(MainWindowTest, NoLabelCutsOffItsText) {
  for (const ExpectedControl& expected : kExpected) {
    if (std::string(expected.Class) != "Static") continue;
    SCOPED_TRACE("label id " + std::to_string(expected.Id));
    const TextCut cut = CutOf(Control(expected.Id));
    EXPECT_EQ(cut.Width, 0);
    EXPECT_EQ(cut.Lines, 0);
  }
}

TEST_F(MainWindowTest, TabOrderWithinEachParent) {
  using V = std::vector<int>;
  EXPECT_EQ(TabStopsIn(Window()), (V{C::kHelpButton, C::kBackButton, C::kNextButton, C::kCloseButton}));
  std::vector<int> pages;
  for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassNameOf(child) == "TPanel" && GetDlgCtrlID(child) != C::kSidePictureFrame)
      pages.push_back(GetDlgCtrlID(child));
  EXPECT_EQ(pages, (V{C::kChooseFilePage, C::kOptionsPage, C::kNamePage, C::kDonePage}));
  // The pages come before the bottom buttons.
  EXPECT_EQ(GetWindow(Control(C::kDonePage), GW_HWNDNEXT), Control(C::kButtonRule));
  EXPECT_EQ(GetWindow(Control(C::kButtonRule), GW_HWNDNEXT), Control(C::kHelpButton));
  EXPECT_EQ(TabStopsIn(Control(C::kChooseFilePage)), (V{C::kSettingsPathEdit, C::kBrowseButton}));
  EXPECT_EQ(TabStopsIn(Control(C::kOptionsPage)),
            (V{C::kShowNothingRadio, C::kPlayOnStartCheck, C::kExitAtEndCheck, C::kExitOnKeyCheck}));
  EXPECT_EQ(TabStopsIn(Control(C::kNamePage)), (V{C::kExeNameEdit, C::kPropertiesButton}));
  EXPECT_EQ(TabStopsIn(Control(C::kDonePage)), (V{C::kOpenFolderButton, C::kStartOverLink}));
}

TEST_F(MainWindowTest, InitialStatesOfTheOptionsAndTheGauge) {
  EXPECT_EQ(SendMessageA(Control(C::kShowNothingRadio), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Control(C::kTrayIconRadio), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  for (int id : {C::kPlayOnStartCheck, C::kExitAtEndCheck, C::kExitOnKeyCheck})
    EXPECT_EQ(SendMessageA(Control(id), BM_GETCHECK, 0, 0), BST_CHECKED) << id;
  EXPECT_EQ(GetWindowLongA(Control(C::kNextButton), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::kHelpButton), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::kShowNothingRadio), GWL_STYLE) & 0x0F, BS_AUTORADIOBUTTON);
  EXPECT_EQ(GetWindowLongA(Control(C::kPlayOnStartCheck), GWL_STYLE) & 0x0F, BS_AUTOCHECKBOX);
  EXPECT_EQ(SendMessageA(Control(C::kLineListBox), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageA(Control(C::kLineListBox), LB_GETITEMHEIGHT, 0, 0), 12);
  EXPECT_EQ(Form.ExeName(), "");
  EXPECT_EQ(Form.SettingsPath(), "");
}

TEST_F(MainWindowTest, FrameCaptionAndClientArea) {
  EXPECT_EQ(ClassNameOf(Window()), "TfrmZepplay");
  EXPECT_EQ(Bytes(Window()), "Zephyr Player\x81\x40v6.10");
  RECT client;
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 473);
  EXPECT_EQ(client.bottom, 275);
  LONG style = GetWindowLongA(Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_TRUE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetWindowContextHelpId(Window()), 1u);
  EXPECT_EQ(GetWindowContextHelpId(Control(C::kHelpButton)), 1u);
  EXPECT_EQ(GetWindowContextHelpId(Control(C::kSettingsPathEdit)), 0u);
  EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrA(Window(), GWLP_HWNDPARENT)), Application.Handle());

  HMENU menu = GetSystemMenu(Window(), FALSE);
  std::vector<UINT> commands;
  for (int item = 0; item < GetMenuItemCount(menu); ++item) commands.push_back(GetMenuItemID(menu, item));
  EXPECT_EQ(commands, (std::vector<UINT>{SC_MOVE, 0, SC_CLOSE}));  // 0: the separator
}

TEST_F(MainWindowTest, FontsOfTheWindowAndItsSpecialLabels) {
  const std::string face = "ＭＳ Ｐゴシック";
  ASSERT_EQ(face, "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
  for (int id :
       {C::kNextButton, C::kSettingsPathEdit, C::kWelcomeText, C::kShowNothingRadio, C::kProgressGauge}) {
    LOGFONTA font = FontOf(Control(id));
    EXPECT_EQ(std::string(font.lfFaceName), face) << id;
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << id;
    EXPECT_EQ(font.lfHeight, -12) << id;
    EXPECT_EQ(font.lfWeight, FW_NORMAL) << id;
  }
  LOGFONTA title = FontOf(Control(C::kPageTitle));
  EXPECT_EQ(std::string(title.lfFaceName), face);
  EXPECT_EQ(title.lfHeight, -16);
  EXPECT_EQ(title.lfWeight, FW_BOLD);
  EXPECT_EQ(FontOf(Control(C::kNoteMark)).lfWeight, FW_BOLD);
  EXPECT_EQ(FontOf(Control(C::kNoteMark)).lfHeight, -12);
  EXPECT_TRUE(FontOf(Control(C::kStartOverLink)).lfUnderline);
}

TEST_F(MainWindowTest, RedMarkBlueLinkAndTheHandOverTheLink) {
  HDC dc = CreateCompatibleDC(nullptr);
  auto textColourOf = [&](int id) {
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageA(GetParent(Control(id)), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Control(id)));
    return GetTextColor(dc);
  };
  EXPECT_EQ(textColourOf(C::kNoteMark), RGB(255, 0, 0));
  EXPECT_EQ(textColourOf(C::kStartOverLink), RGB(0, 0, 255));
  EXPECT_EQ(textColourOf(C::kNoteText), GetSysColor(COLOR_WINDOWTEXT));
  DeleteDC(dc);

  HWND link = Control(C::kStartOverLink);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
  SendMessageA(Control(C::kNoteText), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(C::kNoteText)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

namespace {
BOOL CALLBACK FindTooltip(HWND window, LPARAM found) {
  if (ClassNameOf(window) != TOOLTIPS_CLASSA) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
}  // namespace

TEST_F(MainWindowTest, ToolButtonShowsItsGlyphOnTheButtonFaceAndHasItsTooltip) {
  HWND button = Control(C::kBrowseButton);
  HWND tooltip = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  char hint[32] = {};
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = GetParent(button);
  tool.uId = reinterpret_cast<UINT_PTR>(button);
  tool.lpszText = hint;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof hint, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::string(hint), "\x8A\x4A\x82\xAD");  // 開く

  // Painted without the mouse over it: no border, the glyph's silver turned into the
  // button face, the folder in yellow.
  const std::vector<COLORREF> pixels = PrintedPixels(button);
  ASSERT_EQ(pixels.size(), 23u * 22u);
  const COLORREF face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
  int yellow = 0, silver = 0;
  for (COLORREF pixel : pixels) {
    yellow += pixel == RGB(255, 255, 0);
    silver += pixel == RGB(192, 192, 192) && face != RGB(192, 192, 192);
  }
  EXPECT_EQ(pixels[0], face);        // top-left corner: no border
  EXPECT_EQ(pixels[21 * 23], face);  // bottom-left corner
  EXPECT_GT(yellow, 30);
  EXPECT_EQ(silver, 0);
}
