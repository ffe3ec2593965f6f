// The gauge ProgressGauge painted into a memory bitmap at the wizard's four steps.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/wizard/win/WindowTestSupport.h"
#include "wizard/win/ControlIds.h"

namespace {
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// Where the text lies: the pixels that the text "percentage%" in font covers when drawn
// at x = (W - width) div 2, y = (height + 1 - text height) div 2 with W = width + 1.
std::vector<bool> TextMask(int width, int height, HFONT font, const std::string& text) {
  Picture mask(width, height);
  HGDIOBJ old = SelectObject(mask.Dc(), font);
  RECT all = {0, 0, width, height};
  FillRect(mask.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SIZE extent;
  GetTextExtentPoint32A(mask.Dc(), text.data(), static_cast<int>(text.size()), &extent);
  SetBkMode(mask.Dc(), TRANSPARENT);
  SetTextColor(mask.Dc(), RGB(255, 255, 255));
  TextOutA(mask.Dc(), (width + 1 - extent.cx) / 2, (height + 1 - extent.cy) / 2, text.data(),
           static_cast<int>(text.size()));
  SelectObject(mask.Dc(), old);
  std::vector<bool> covered(static_cast<size_t>(width * height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) covered[y * width + x] = mask.At(x, y) == RGB(255, 255, 255);
  return covered;
}

class GaugeRenderingTest : public MainWindowTest {
 protected:
  // Paints the gauge at progress and checks every pixel: the bar in blue from the left
  // edge over barWidth pixels, the button face after it, and the text inverted.
  void ExpectPicture(int progress, int barWidth, const std::string& text) {
    SCOPED_TRACE("progress " + std::to_string(progress));
    HWND gauge = Control(ControlId::kProgressGauge);
    Form.SetProgress(progress);
    RECT area;
    GetClientRect(gauge, &area);
    Picture picture(area.right, area.bottom);
    SendMessageA(gauge, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    std::vector<bool> textMask = TextMask(
        area.right, area.bottom, reinterpret_cast<HFONT>(SendMessageA(gauge, WM_GETFONT, 0, 0)), text);

    COLORREF face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
    int wrong = 0, textPixels = 0, yellowPixels = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        COLORREF beneath = x < barWidth ? kBlue : face;
        bool inText = textMask[y * picture.Width() + x];
        COLORREF expected = inText ? (beneath ^ 0xFFFFFF) : beneath;
        COLORREF actual = picture.At(x, y);
        if (actual != expected && ++wrong <= 5)
          ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << actual << ", expected "
                        << expected;
        textPixels += inText;
        yellowPixels += actual == kYellow;
      }
    }
    EXPECT_GT(textPixels, 20);  // the text is there at all
    LastYellowPixels = yellowPixels;
  }

  int LastYellowPixels = 0;
};
}  // namespace

TEST_F(GaugeRenderingTest, BarAndInvertedTextAtTheFourSteps) {
  ExpectPicture(0, 0, "0%");
  EXPECT_EQ(LastYellowPixels, 0);
  ExpectPicture(33, 96, "33%");
  EXPECT_EQ(LastYellowPixels, 0);  // the text lies beyond the bar
  ExpectPicture(66, 193, "66%");
  EXPECT_GT(LastYellowPixels, 20);  // yellow over the blue bar
  ExpectPicture(100, 291, "100%");
  EXPECT_GT(LastYellowPixels, 20);
}
