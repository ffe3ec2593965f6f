#pragma once
// The real main window in the test process, driven by messages, with recording
// stand-ins for the controller and the platform services.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/FakePlatformUi.h"
#include "tests/support/WindowQueries.h"
#include "wizard/WizardEvents.h"
#include "wizard/win/Application.h"
#include "wizard/win/MainWindow.h"

// Records the handlers the window calls, in order. A handler named in Throwing raises
// an Exception with ThrownMessage after it is recorded.
class RecordingEvents : public IWizardEvents {
 public:
  std::vector<std::string> Calls;
  std::vector<std::string> DroppedPaths;
  std::function<void()> OnFormCreate;
  std::string Throwing;
  std::string ThrownMessage;

  int Count(const std::string& handler) const;

  void OnCreate() override;
  void OnCloseRequest() override { Record("OnCloseRequest"); }
  void OnNext() override { Record("OnNext"); }
  void OnBack() override { Record("OnBack"); }
  void OnHelp() override { Record("OnHelp"); }
  void OnClose() override { Record("OnClose"); }
  void OnBrowse() override { Record("OnBrowse"); }
  void OnOpenFolder() override { Record("OnOpenFolder"); }
  void OnProperties() override { Record("OnProperties"); }
  void OnStartOver() override { Record("OnStartOver"); }
  void OnSettingsPathChange() override { Record("OnSettingsPathChange"); }
  void OnFileDropped(const std::string& path) override {
    DroppedPaths.push_back(path);
    Record("OnFileDropped");
  }
  void OnVisibilityChosen() override { Record("OnVisibilityChosen"); }

 private:
  void Record(const char* handler);
};

// A created (not yet shown) main window with its application.
class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  HWND Window() const { return Form.Handle(); }
  HWND Control(int id) const { return Form.Control(id); }
  // Shows the window as the message loop does and handles what follows.
  void ShowWindowAndSettle();
  // A key pressed on the focused control, passed through the application's loop.
  void PressKey(WPARAM key);
  // Alt with a letter.
  void PressAltKey(char letter);
  void ClickButton(int id);

  Application Application;
  RecordingEvents Events;
  FakePlatform Platform;
  MainWindow Form{Application, Platform};
};

// A 32-bit top-down picture in memory, for what a window paints.
class Picture {
 public:
  Picture(int width, int height);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  DWORD* bits_ = nullptr;
};

// A timer of the thread (SetTimer without a window) for the life of the object.
class ThreadTimer {
 public:
  ThreadTimer(UINT milliseconds, TIMERPROC tick) : timer_(SetTimer(nullptr, 0, milliseconds, tick)) {}
  ~ThreadTimer() { KillTimer(nullptr, timer_); }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

 private:
  UINT_PTR timer_;
};

// The size of the label's text in font, word-wrapped at width for a wrapped label (one
// without SS_LEFTNOWORDWRAP); with the height of one of its lines.
SIZE TextExtent(HWND label, const LOGFONTA& font, int width, int* lineHeight = nullptr);
// How much of a label's text does not show in the label as it stands: the pixels cut off
// at the right, and the lines that do not show whole.
struct TextCut {
  int Width, Lines;
};
TextCut CutOf(HWND label);
// The height a label of a fixed size takes: the height it was given when its text fits,
// else its text's height, at most up to the next control below it on its parent (one
// whose columns overlap its own) or the parent's bottom.
int LabelHeight(HWND label, int givenHeight);

// Every pixel of the window's client area as it paints it (WM_PRINTCLIENT), row by row.
std::vector<COLORREF> PrintedPixels(HWND window);

// Position and size of a window in its parent's client area.
RECT PlaceInParent(HWND control);
// Removes a quit message left by a test that ended an application.
void DiscardQuit();

// Watches for a box (window class "#32770") of this thread while a modal call runs,
// on a thread timer that fires inside the box's own message loop. When one shows,
// Inspect runs once with it and the box is then closed by Close. A box that does not
// close that way is ended after a while so that no test waits for ever.
class BoxWatch {
 public:
  std::function<void(HWND box)> Inspect;
  std::function<void(HWND box)> Close;
  bool Seen = false;
  bool ForcedToClose = false;

  BoxWatch();
  ~BoxWatch();

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK FindBox(HWND window, LPARAM found);

  ThreadTimer timer_;
  HWND box_ = nullptr;
  int ticksSinceClose_ = 0;
};
