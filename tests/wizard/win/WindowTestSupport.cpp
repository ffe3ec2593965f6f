#include "tests/wizard/win/WindowTestSupport.h"

#include <algorithm>

#include "common/Exception.h"

namespace {
BoxWatch* ActiveWatch = nullptr;
constexpr UINT kWatchInterval = 20;
constexpr int kTicksBeforeForcedClose = 250;
}  // namespace

int RecordingEvents::Count(const std::string& handler) const {
  return static_cast<int>(std::count(Calls.begin(), Calls.end(), handler));
}

void RecordingEvents::OnCreate() {
  Record("OnCreate");
  if (OnFormCreate) OnFormCreate();
}

void RecordingEvents::Record(const char* handler) {
  Calls.push_back(handler);
  if (Throwing == handler) throw Exception(ThrownMessage);
}

Picture::Picture(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
  old_ = SelectObject(dc_, bitmap_);
}

Picture::~Picture() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Picture::At(int x, int y) const {
  GdiFlush();
  DWORD pixel = bits_[y * width_ + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::vector<COLORREF> PrintedPixels(HWND window) {
  RECT area;
  GetClientRect(window, &area);
  Picture picture(area.right, area.bottom);
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) pixels.push_back(picture.At(x, y));
  return pixels;
}

SIZE TextExtent(HWND label, const LOGFONTA& font, int width, int* lineHeight) {
  const std::string text = TextOf(label);
  const bool wraps = !(GetWindowLongA(label, GWL_STYLE) & SS_LEFTNOWORDWRAP);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const FontHandle made(CreateFontIndirectA(&font));
  const SelectionGuard selected(dc.Get(), made.Get());
  RECT extent = {0, 0, wraps ? width : 0, 0};
  DrawTextA(dc.Get(), text.c_str(), -1, &extent,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK : 0));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc.Get(), &metrics);
  if (lineHeight) *lineHeight = metrics.tmHeight;
  return {extent.right, extent.bottom};
}

TextCut CutOf(HWND label) {
  RECT client;
  GetClientRect(label, &client);
  int lineHeight = 1;
  const SIZE text = TextExtent(label, FontOf(label), client.right, &lineHeight);
  const int lines = text.cy / lineHeight;
  return {std::max<int>(0, text.cx - client.right), lines - std::min<int>(lines, client.bottom / lineHeight)};
}

int LabelHeight(HWND label, int givenHeight) {
  const RECT place = PlaceInParent(label);
  const int needed = TextExtent(label, FontOf(label), place.right - place.left).cy;
  if (needed <= givenHeight) return givenHeight;
  RECT parent;
  GetClientRect(GetParent(label), &parent);
  int bottom = parent.bottom;
  for (HWND other = GetWindow(GetParent(label), GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
    const RECT sibling = PlaceInParent(other);
    if (sibling.top > place.top && sibling.left < place.right && place.left < sibling.right)
      bottom = std::min<int>(bottom, sibling.top);
  }
  return std::min<int>(needed, bottom - place.top);
}

MainWindowTest::MainWindowTest() { Application.CreateMainWindow(Form, Events); }

MainWindowTest::~MainWindowTest() { DiscardQuit(); }

void MainWindowTest::ShowWindowAndSettle() {
  Form.Show();
  Application.ProcessMessages();
}

void MainWindowTest::PressKey(WPARAM key) {
  HWND target = GetFocus() ? GetFocus() : Window();
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
  Application.ProcessMessages();
}

void MainWindowTest::PressAltKey(char letter) {
  HWND target = GetFocus() ? GetFocus() : Window();
  PostMessageA(target, WM_SYSCHAR, static_cast<unsigned char>(letter), 0x20000001);
  Application.ProcessMessages();
}

void MainWindowTest::ClickButton(int id) {
  SendMessageA(Control(id), BM_CLICK, 0, 0);
  Application.ProcessMessages();
}

RECT PlaceInParent(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void DiscardQuit() {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

BoxWatch::BoxWatch() : timer_(kWatchInterval, Tick) { ActiveWatch = this; }

BoxWatch::~BoxWatch() { ActiveWatch = nullptr; }

void CALLBACK BoxWatch::Tick(HWND, UINT, UINT_PTR, DWORD) {
  BoxWatch* watch = ActiveWatch;
  if (!watch) return;
  if (!watch->Seen) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    watch->Seen = true;
    watch->box_ = box;
    if (watch->Inspect) watch->Inspect(box);
    watch->Close(box);
  } else if (IsWindow(watch->box_) && ++watch->ticksSinceClose_ > kTicksBeforeForcedClose) {
    watch->ForcedToClose = true;
    EndDialog(watch->box_, IDCANCEL);
  }
}

BOOL CALLBACK BoxWatch::FindBox(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || ClassNameOf(window) != "#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
