#include "tests/wizard/win/WindowTestSupport.h"

#include <algorithm>

#include "common/Exception.h"

namespace {
TBoxWatch* ActiveWatch = nullptr;
constexpr UINT WatchInterval = 20;
constexpr int TicksBeforeForcedClose = 250;
}  // namespace

int TRecordingEvents::Count(const std::string& handler) const {
  return static_cast<int>(std::count(Calls.begin(), Calls.end(), handler));
}

void TRecordingEvents::FormCreate() {
  Record("FormCreate");
  if (OnFormCreate) OnFormCreate();
}

void TRecordingEvents::Record(const char* handler) {
  Calls.push_back(handler);
  if (Throwing == handler) throw Exception(ThrownMessage);
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

std::string ClassNameOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

void DiscardQuit() {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

TBoxWatch::TBoxWatch() : FTimer(SetTimer(nullptr, 0, WatchInterval, Tick)) { ActiveWatch = this; }

TBoxWatch::~TBoxWatch() {
  KillTimer(nullptr, FTimer);
  ActiveWatch = nullptr;
}

void CALLBACK TBoxWatch::Tick(HWND, UINT, UINT_PTR, DWORD) {
  TBoxWatch* watch = ActiveWatch;
  if (!watch) return;
  if (!watch->Seen) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    watch->Seen = true;
    watch->FBox = box;
    if (watch->Inspect) watch->Inspect(box);
    watch->Close(box);
  } else if (IsWindow(watch->FBox) && ++watch->FTicksSinceClose > TicksBeforeForcedClose) {
    watch->ForcedToClose = true;
    EndDialog(watch->FBox, IDCANCEL);
  }
}

BOOL CALLBACK TBoxWatch::FindBox(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || ClassNameOf(window) != "#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
