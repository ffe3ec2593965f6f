// The warning box, the default error report and the file-open dialog, each watched
// from inside its own modal loop and closed the way a user would close it.
#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/OpenFileDialog.h"
#include "wizard/win/WarningBox.h"
#include "wizard/win/WinPlatformUi.h"

namespace {
struct BoxLayout {
  std::string Caption, Text, ButtonText, TextFont;
  RECT Frame{}, Client{}, Icon{}, TextArea{}, Button{};
  bool OwnerEnabled = true;
};

RECT ChildPlace(HWND box, int id) {
  RECT place = {};
  HWND child = GetDlgItem(box, id);
  if (!child) return place;
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

// The icon of the warning box is its only control without an id of its own.
HWND IconOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return child;
  return nullptr;
}

BoxLayout ReadBox(HWND box, HWND owner) {
  BoxLayout layout;
  layout.Caption = TextOf(box);
  layout.Text = TextOf(GetDlgItem(box, 0xFFFF));
  layout.ButtonText = TextOf(GetDlgItem(box, IDOK));
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(box, 0xFFFF, WM_GETFONT, 0, 0)), sizeof font, &font);
  layout.TextFont = font.lfFaceName;
  GetWindowRect(box, &layout.Frame);
  GetClientRect(box, &layout.Client);
  HWND icon = IconOf(box);
  if (icon) {
    GetWindowRect(icon, &layout.Icon);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&layout.Icon), 2);
  }
  layout.TextArea = ChildPlace(box, 0xFFFF);
  layout.Button = ChildPlace(box, IDOK);
  if (owner) layout.OwnerEnabled = IsWindowEnabled(owner);
  return layout;
}

void PostKey(HWND box, WPARAM key) {
  HWND focus = GetDlgItem(box, IDOK);
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

BoxLayout ShowWarningAndClose(const std::string& text, std::function<void(HWND)> close) {
  BoxLayout layout;
  BoxWatch watch;
  watch.Inspect = [&](HWND box) { layout = ReadBox(box, nullptr); };
  watch.Close = close;
  ShowWarningBox(nullptr, text);
  EXPECT_TRUE(watch.Seen);
  EXPECT_FALSE(watch.ForcedToClose) << "the box did not close";
  return layout;
}

int Height(const RECT& r) { return r.bottom - r.top; }
int Width(const RECT& r) { return r.right - r.left; }
}  // namespace

TEST(WarningBox, OneShortLineStillGetsATextAreaAsHighAsTheIcon) {
  BoxLayout box = ShowWarningAndClose("short", [](HWND box) { PostKey(box, VK_RETURN); });
  EXPECT_EQ(box.Caption, "\x8C\x78\x8D\x90");  // 警告
  EXPECT_EQ(box.Text, "short");
  EXPECT_EQ(box.ButtonText, "OK");
  NONCLIENTMETRICSA system = {};
  system.cbSize = sizeof system;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0);
  EXPECT_EQ(box.TextFont, system.lfMessageFont.lfFaceName);
  int icon = GetSystemMetrics(SM_CXICON);
  EXPECT_EQ(Height(box.Icon), icon);
  EXPECT_GE(Height(box.TextArea), icon);
  EXPECT_GE(box.TextArea.left, box.Icon.right);  // the text stands right of the icon
  EXPECT_GT(box.Button.top, box.TextArea.bottom);
  EXPECT_LE(std::abs((box.Button.left + box.Button.right) - box.Client.right), 1);  // centred
  EXPECT_LE(std::abs((box.Frame.left + box.Frame.right) - GetSystemMetrics(SM_CXSCREEN)), 1);
  EXPECT_LE(std::abs((box.Frame.top + box.Frame.bottom) - GetSystemMetrics(SM_CYSCREEN)), 1);
}

TEST(WarningBox, LongTextWrapsAtHalfTheScreenWidthAndEscapeCloses) {
  std::string text =
      "\x8E\x77\x92\xE8\x82\xB3\x82\xEA\x82\xBD\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCD\x81\x41"
      "\x8C\x60\x8E\xAE\x82\xAA\x88\xE1\x82\xA2\x82\xDC\x82\xB7\x81\x42\r\n";  // 指定されたファイルは、形式が違います。
  for (int i = 0; i < 6; ++i) text += "a rather long line of words that goes on and on ";
  BoxLayout box = ShowWarningAndClose(text, [](HWND box) { PostKey(box, VK_ESCAPE); });
  EXPECT_EQ(box.Text, text);
  EXPECT_LE(Width(box.TextArea), GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_GT(Height(box.TextArea), 3 * GetSystemMetrics(SM_CYICON) / 2);  // several lines
}

TEST(WarningBox, TheCloseBoxCloses) {
  ShowWarningAndClose("x", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

TEST_F(MainWindowTest, WarningBoxAndErrorReportAreModalForTheWholeProgram) {
  ShowWindowAndSettle();
  WinPlatformUi platform(Application);
  BoxLayout warning;
  {
    BoxWatch watch;
    watch.Inspect = [&](HWND box) { warning = ReadBox(box, Window()); };
    watch.Close = [](HWND box) { PostKey(box, VK_RETURN); };
    platform.ShowWarning("\r\n\x8E\xC0\x8D\x73\x83\x74\x83\x40\x83\x43\x83\x8B");
  }
  EXPECT_FALSE(warning.OwnerEnabled);
  EXPECT_TRUE(IsWindowEnabled(Window()));

  // The error report: the application title of the moment, the message with a period.
  Application.SetTitle("EXE\x90\xB6\x90\xAC\x92\x86\x81\x63");
  BoxLayout report;
  {
    BoxWatch watch;
    watch.Inspect = [&](HWND box) { report = ReadBox(box, Window()); };
    watch.Close = [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); };
    platform.ShowErrorReport(
        "\x83\x74\x83\x40\x83\x43\x83\x8B x \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82"
        "\xB9\x82\xF1");
  }
  EXPECT_EQ(report.Caption, "EXE\x90\xB6\x90\xAC\x92\x86\x81\x63");
  EXPECT_EQ(report.Text,
            "\x83\x74\x83\x40\x83\x43\x83\x8B x \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82"
            "\xB9\x82\xF1.");
  EXPECT_FALSE(report.OwnerEnabled);
  EXPECT_TRUE(IsWindowEnabled(Window()));
}

TEST_F(MainWindowTest, FileDialogStandsOnTheMainWindowsMonitorAndRemembersTheChoice) {
  ShowWindowAndSettle();
  WinPlatformUi platform(Application);
  std::string path = "unchanged";
  RECT frame = {};
  {
    BoxWatch watch;
    watch.Inspect = [&](HWND dialog) { GetWindowRect(dialog, &frame); };
    watch.Close = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); };
    EXPECT_FALSE(platform.ChooseSettingsFile(path));
    EXPECT_TRUE(watch.Seen);
  }
  EXPECT_EQ(path, "unchanged");
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &monitor);
  POINT expected = DialogPlaceOnMonitor(monitor.rcMonitor, {Width(frame), Height(frame)});
  EXPECT_EQ(frame.left, expected.x);
  EXPECT_EQ(frame.top, expected.y);
  EXPECT_EQ(expected.y - monitor.rcMonitor.top, (Height(monitor.rcMonitor) - Height(frame)) / 3);

  // A typed name comes back; the next time it is offered again.
  {
    BoxWatch watch;
    watch.Close = [](HWND dialog) {
      SendMessageA(dialog, CDM_SETCONTROLTEXT, 0x047C, reinterpret_cast<LPARAM>("macro.zep"));  // cmb13
      SendMessageA(dialog, CDM_SETCONTROLTEXT, 0x0480, reinterpret_cast<LPARAM>("macro.zep"));  // edt1
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
    EXPECT_TRUE(platform.ChooseSettingsFile(path));
  }
  EXPECT_GE(path.size(), 9u);
  EXPECT_EQ(path.substr(path.size() - 9), "macro.zep");
  std::string offered;
  {
    BoxWatch watch;
    watch.Inspect = [&](HWND dialog) {
      char name[MAX_PATH] = {};
      SendMessageA(dialog, CDM_GETSPEC, sizeof name, reinterpret_cast<LPARAM>(name));
      offered = name;
    };
    watch.Close = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); };
    platform.ChooseSettingsFile(path);
  }
  EXPECT_NE(offered.find("macro.zep"), std::string::npos) << offered;
}
