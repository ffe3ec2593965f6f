// The properties dialog over the main window at the resolution of the test's Wine prefix:
// its texts, the places of its controls, the icon it draws, and its keys.
#include <windows.h>

#include <algorithm>

#include "tests/support/PropertySamples.h"
#include "tests/support/TestFiles.h"
#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/PropertiesDialog.h"
#include "wizard/win/PropertiesDialogLayout.h"

namespace {
namespace C = PropertiesControlId;

// clang-format off
const std::pair<int, std::string> kTexts[] = {
    {C::kIconLabel, "アイコン(&I)："}, {C::kIconBrowseButton, "参照(&B)..."},
    {C::kIconNote, "ファイルを指定しないときは、今のアイコンのままです。"},
    {C::kFileVersionLabel, "ファイルバージョン(&F)："}, {C::kProductVersionLabel, "製品バージョン(&V)："},
    {C::kDescriptionLabel, "ファイルの説明(&D)："}, {C::kProductLabel, "製品名(&N)："},
    {C::kCompanyLabel, "会社名(&C)："}, {C::kCopyrightLabel, "著作権(&R)："},
    {C::kHelpButton, "ヘルプ(&H)"}, {IDOK, "OK"}, {IDCANCEL, "キャンセル"}};
// clang-format on

class PropertiesDialogTest : public MainWindowTest {
 protected:
  PropertiesDialogTest() { ReadIconFile(IconFileOf({BitmapIconImage(32, 8)}), *Kept); }
  // Runs the dialog: inspect sees it once it shows, then the keys go to its focused
  // control one after the other. accept refuses the first refusals OKs.
  void Run(const std::function<void(HWND)>& inspect, std::vector<WPARAM> keys, size_t refusals = 0) {
    BoxWatch watch;
    watch.Inspect = inspect;
    watch.Close = [&](HWND) {
      for (WPARAM key : keys) PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    };
    const auto accept = [&](const PropertiesForm& form) {
      Accepted.push_back(form);
      if (Accepted.size() <= refusals) throw Exception("refused");
    };
    OpenFileDialog iconFiles(Texts::Window::kIconDialogFilter);
    const auto tell = [this](const std::string& message) { Told.push_back(message); };
    PropertiesDialog(Form, Kept, {accept, [tell] { tell("help"); }, tell}, iconFiles).Run(Window());
  }

  PropertiesForm Form = {"", "1.2.0.0", "1.2", "集計", "マクロ", "Fernwick", "(C) Fernwick"};
  std::optional<IconGroup> Kept = IconGroup();
  std::vector<PropertiesForm> Accepted;
  std::vector<std::string> Told;  // "help" and the errors shown
};

TEST_F(PropertiesDialogTest, TextsPlacesAndIconAtTheScreensResolution) {
  TempFolder folder;
  WriteBytes(folder / "other.ico", IconFileOf({BitmapIconImage(32, 24)}));
  const int dpi = GetDeviceCaps(WindowDc(nullptr).Dc(), LOGPIXELSY);
  Run(
      [&](HWND box) {
        EXPECT_EQ(TextOf(box), "実行ファイルのプロパティ");
        for (const auto& [id, text] : kTexts) EXPECT_EQ(TextOf(GetDlgItem(box, id)), text) << id;
        RECT client, both;
        GetClientRect(box, &client);
        EXPECT_TRUE(client.right == MulDiv(380, dpi, 96) && client.bottom == MulDiv(297, dpi, 96));
        std::vector<RECT> placed;
        for (const ControlSpec& spec : PropertiesDialogLayout().Controls) {
          HWND control = GetDlgItem(box, spec.Id);
          const RECT place = PlaceInParent(control);
          EXPECT_TRUE(place.right <= client.right && place.bottom <= client.bottom) << spec.Id;
          for (const RECT& other : placed) EXPECT_FALSE(IntersectRect(&both, &place, &other)) << spec.Id;
          placed.push_back(place);
          const TextCut cut = ClassNameOf(control) == "Static" ? CutOf(control) : TextCut{0, 0};
          EXPECT_EQ(cut.Width + cut.Lines, 0) << spec.Id;
        }
        // The icon kept, at both sizes; the icon of the file named, while it names one.
        HWND large = GetDlgItem(box, C::kLargeIcon), edit = GetDlgItem(box, C::kIconPathEdit);
        for (HWND icon : {large, GetDlgItem(box, C::kSmallIcon)}) {
          const std::vector<COLORREF> pixels = PrintedPixels(icon);
          EXPECT_LT(std::count(pixels.begin(), pixels.end(), GetSysColor(COLOR_BTNFACE)), pixels.size() / 2);
        }
        const std::vector<COLORREF> kept = PrintedPixels(large);
        SetWindowTextA(edit, (folder / "other.ico").c_str());
        EXPECT_NE(PrintedPixels(large), kept);
        SetWindowTextA(edit, (folder / "missing.ico").c_str());
        EXPECT_EQ(PrintedPixels(large), kept);
      },
      {VK_ESCAPE});
  EXPECT_TRUE(Accepted.empty());
}

TEST_F(PropertiesDialogTest, TheKeyboardReachesEveryFieldAndEnterIsOkUntilTaken) {
  Run(
      [&](HWND box) {
        std::vector<int> round;
        for (HWND at = GetFocus(); round.size() < 12; at = GetNextDlgTabItem(box, at, FALSE))
          round.push_back(GetDlgCtrlID(at));
        EXPECT_EQ(round, (std::vector<int>{C::kIconPathEdit, C::kIconBrowseButton, C::kFileVersionEdit,
                                           C::kProductVersionEdit, C::kDescriptionEdit, C::kProductEdit,
                                           C::kCompanyEdit, C::kCopyrightEdit, C::kHelpButton, IDOK, IDCANCEL,
                                           C::kIconPathEdit}));
        MSG altD = {GetFocus(), WM_SYSCHAR, 'd', 0x20000001, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(box, &altD));
        EXPECT_EQ(GetFocus(), GetDlgItem(box, C::kDescriptionEdit));
        SetWindowTextA(GetFocus(), "新しい説明");
      },
      {VK_F1, VK_RETURN, VK_RETURN}, 1);
  EXPECT_EQ(Told, (std::vector<std::string>{"help", "refused"}));
  Form.Description = "新しい説明";
  EXPECT_EQ(Accepted, (std::vector<PropertiesForm>{Form, Form}));
}
}  // namespace
