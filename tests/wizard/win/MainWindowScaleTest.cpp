// The main window on a screen of 120, 144 or 192 DPI (ZEP_DPI; ctest runs the program in a
// Wine prefix of that resolution): every pixel figure of the 96-DPI layout is multiplied
// by DPI / 96 and rounded to the nearest pixel, a rectangle by its edges.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/ResourceIds.h"
#include "tests/support/ProcessDriver.h"
#include "tests/wizard/win/WindowTestSupport.h"
#include "conversion/win/RegistryOptionsStore.h"
#include "wizard/RememberedPosition.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/MainWindowLayout.h"
#include "wizard/win/WinHandles.h"

namespace {
namespace C = ControlId;

int ScreenDpi() {
  const char* dpi = std::getenv("ZEP_DPI");
  return dpi ? std::atoi(dpi) : 96;
}

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

RECT ScaledEdges(const PixelRect& place, int dpi) {
  return {Scaled(place.Left, dpi), Scaled(place.Top, dpi), Scaled(place.Left + place.Width, dpi),
          Scaled(place.Top + place.Height, dpi)};
}

bool TakesAFont(const ControlSpec& spec) {
  switch (spec.Kind) {
    case ControlKind::Bevel:
    case ControlKind::Page:
    case ControlKind::Frame:
    case ControlKind::Picture:
    case ControlKind::Icon:
    case ControlKind::SpeedButton:
      return false;
    default:
      return true;
  }
}

bool IsLabel(const ControlSpec& spec) {
  return spec.Kind == ControlKind::Label || spec.Kind == ControlKind::WrappedLabel ||
         spec.Kind == ControlKind::LinkLabel;
}

int CountYellow(HBITMAP bitmap) {
  BITMAP size = {};
  GetObjectA(bitmap, sizeof size, &size);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<DWORD> pixels(static_cast<size_t>(size.bmWidth * size.bmHeight));
  const WindowDc screen(nullptr);
  GetDIBits(screen.Dc(), bitmap, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
  return static_cast<int>(std::count_if(pixels.begin(), pixels.end(),
                                        [](DWORD pixel) { return (pixel & 0xFFFFFF) == 0xFFFF00; }));
}

// In the control's client area as it paints itself.
int CountYellowPainted(HWND control) {
  const std::vector<COLORREF> pixels = PrintedPixels(control);
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), RGB(255, 255, 0)));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP size = {};
  GetObjectA(bitmap, sizeof size, &size);
  return {size.bmWidth, size.bmHeight};
}

class MainWindowScaleTest : public MainWindowTest {
 protected:
  // Every control at its layout place scaled to dpi (a label that fits its text at the
  // size of its text), with the fonts and the list box's item height scaled.
  void ExpectLayoutAt(int dpi) {
    for (const ControlSpec& spec : MainWindowLayout().Controls) {
      SCOPED_TRACE("control id " + std::to_string(spec.Id));
      HWND control = Control(spec.Id);
      const RECT expected = ScaledEdges(spec.Place, dpi);
      const RECT place = PlaceInParent(control);
      EXPECT_EQ(place.left, expected.left);
      EXPECT_EQ(place.top, expected.top);
      if (spec.AutoSize) {
        const SIZE text = TextExtent(control, FontOf(control), 0);
        EXPECT_EQ(place.right - place.left, text.cx);
        EXPECT_EQ(place.bottom - place.top, text.cy);
      } else if (IsLabel(spec)) {
        EXPECT_EQ(place.right, expected.right);
        EXPECT_EQ(place.bottom - place.top, LabelHeight(control, expected.bottom - expected.top));
      } else {
        EXPECT_EQ(place.right, expected.right);
        EXPECT_EQ(place.bottom, expected.bottom);
      }
      if (TakesAFont(spec)) {
        EXPECT_EQ(FontOf(control).lfHeight, -Scaled(spec.Font == FontRole::Title ? 16 : 12, dpi));
      }
    }
    EXPECT_EQ(SendMessageA(Control(C::kLineListBox), LB_GETITEMHEIGHT, 0, 0), Scaled(12, dpi));
  }

  // The pictures drawn for the largest of the scales 100, 125, 150 and 200 % that is
  // not above dpi.
  void ExpectPicturesFor(int dpi) {
    const int pictureDpis[] = {96, 120, 144, 192};
    const int index = dpi >= 192 ? 3 : dpi >= 144 ? 2 : dpi >= 120 ? 1 : 0;
    const int pictureDpi = pictureDpis[index];
    SCOPED_TRACE("pictures for " + std::to_string(pictureDpi) + " DPI");

    auto side =
        reinterpret_cast<HBITMAP>(SendMessageA(Control(C::kSidePicture), STM_GETIMAGE, IMAGE_BITMAP, 0));
    const SIZE sideSize = BitmapSize(side);
    EXPECT_EQ(sideSize.cx, Scaled(100, pictureDpi));
    EXPECT_EQ(sideSize.cy, Scaled(215, pictureDpi));

    auto icon = reinterpret_cast<HICON>(SendMessageA(Control(C::kDoneIcon), STM_GETIMAGE, IMAGE_ICON, 0));
    ICONINFO iconInfo = {};
    ASSERT_TRUE(GetIconInfo(icon, &iconInfo));
    const BitmapHandle iconColour(iconInfo.hbmColor), iconMask(iconInfo.hbmMask);
    EXPECT_EQ(BitmapSize(iconColour.Get()).cx, Scaled(32, pictureDpi));

    // The folder glyph is drawn 1:1: as many yellow pixels as the glyph of that scale.
    const BitmapHandle glyph(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(SCALED_PICTURE(IDB_FOLDERGLYPH, index)),
                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    EXPECT_EQ(CountYellowPainted(Control(C::kBrowseButton)), CountYellow(glyph.Get()));
  }
};

// The options of a first start: nothing stored.
class NothingStored : public IOptionsStore {
 public:
  bool Open() override { return true; }
  StoredValue Read(const std::string&, const std::string&) override { return {}; }
  WriteResult Write(const std::string&, const std::string&, const std::string&) override {
    return WriteResult::Written;
  }
  void Close() override {}
};
}  // namespace

TEST_F(MainWindowScaleTest, EveryPixelFigureIsTheLayoutsScaledToTheScreen) {
  const int dpi = ScreenDpi();
  ASSERT_EQ(GetDeviceCaps(WindowDc(nullptr).Dc(), LOGPIXELSY), dpi)
      << "the Wine prefix is not at the resolution of the test";
  RECT client;
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, Scaled(473, dpi));
  EXPECT_EQ(client.bottom, Scaled(275, dpi));
  for (int page : {C::kChooseFilePage, C::kOptionsPage, C::kNamePage, C::kDonePage})
    SetWindowPos(Control(page), nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Form.PlacePages();  // the pages' origin
  ExpectLayoutAt(dpi);
  ExpectPicturesFor(dpi);
  // Asked for its size at its own resolution, the window answers the size it has.
  SIZE size = {};
  SendMessageA(Window(), WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size));
  EXPECT_EQ(size.cx, Form.OuterWidth());
  EXPECT_EQ(size.cy, Form.OuterHeight());
}

TEST_F(MainWindowScaleTest, NoLabelCutsOffItsText) {
  for (const ControlSpec& spec : MainWindowLayout().Controls) {
    if (!IsLabel(spec)) continue;
    SCOPED_TRACE("label id " + std::to_string(spec.Id));
    const TextCut cut = CutOf(Control(spec.Id));
    EXPECT_EQ(cut.Width, 0);
    EXPECT_EQ(cut.Lines, 0);
  }
}

TEST_F(MainWindowScaleTest, AtTheFirstStartTheWindowStandsInTheMiddleOfTheScreen) {
  NothingStored store;
  const ScreenSize screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RememberedSection section(store);
  ReadRememberedPosition(section, screen, Form);
  EXPECT_LE(std::abs(2 * Form.Left() + Form.OuterWidth() - screen.Width), 1);
  EXPECT_LE(std::abs(2 * Form.Top() + Form.OuterHeight() - screen.Height), 1);
}

TEST_F(MainWindowScaleTest, OnAMonitorOfAnotherResolutionTheWindowIsLaidOutAgainInTheSuggestedFrame) {
  const int dpi = ScreenDpi() == 192 ? 120 : 192;
  Form.SetResult("C:\\data\\macro.exe");
  RECT suggested = {50, 60, 50 + Scaled(480, dpi), 60 + Scaled(300, dpi)};
  SendMessageA(Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RECT frame;
  GetWindowRect(Window(), &frame);
  EXPECT_TRUE(EqualRect(&frame, &suggested));
  ExpectLayoutAt(dpi);
  ExpectPicturesFor(dpi);
}

// Left at 100 % near the right edge of 1024 x 768, the larger window would reach past it:
// it moves the least distance that brings it whole onto the work area.
TEST_F(MainWindowScaleTest, APositionLeftAtASmallerScaleKeepsTheWholeWindowOnTheWorkArea) {
  PlantText("Left", "545");
  PlantText("Top", "234");
  RegistryOptionsStore store;
  {
    RememberedSection section(store);
    ReadRememberedPosition(section, {1024, 768}, Form);
  }
  DeleteOptionsKey();
  ShowWindowAndSettle();
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(Form.Left(), std::min<int>(545, work.right - Form.OuterWidth()));
  EXPECT_EQ(Form.Top(), std::min<int>(234, work.bottom - Form.OuterHeight()));
}
