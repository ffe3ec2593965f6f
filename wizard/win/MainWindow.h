#pragma once
// The main window (window class "TfrmZepplay"): a fixed dialog frame with
// only the close box, a 473 x 275 client area on the button face, and the controls of
// MainWindowLayout built in pixels, all of them scaled to the resolution of the screen
// it stands on (DisplayScale), again when it moves to a monitor of another one. It is
// what the wizard controller sees as its view;
// every event it passes on to the controller runs inside one error wrapper that shows
// an escaping Exception in the default error report.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "wizard/PlatformUi.h"
#include "wizard/WizardEvents.h"
#include "wizard/WizardView.h"
#include "wizard/win/DisplayScale.h"
#include "wizard/win/Tooltip.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowFonts.h"

class Application;

class MainWindow : public IWizardView {
 public:
  static constexpr char kClassName[] = "TfrmZepplay";
  static constexpr int kClientWidth = 473;  // pixels of a 96-DPI screen
  static constexpr int kClientHeight = 275;
  static constexpr int kLayoutLeft = 1106;  // where the window stands until it is moved
  static constexpr int kLayoutTop = 494;

  MainWindow(Application& application, IPlatformUi& platform);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window, hidden and owned by the application window, with all its
  // controls; then runs events.OnCreate as the last step. Application calls it.
  void Create(IWizardEvents& events);
  HWND Handle() const { return window_.Get(); }
  // The control with this id (ControlId), or nullptr.
  HWND Control(int id) const;
  // Shows the window, within reach of the user, and puts the focus on its first tab
  // stop.
  void Show();
  // The window's keys (Tab, Enter, Esc, arrows, access keys, F1) for a message about
  // to be dispatched; true when the message has been handled.
  bool TranslateKey(const MSG& message);

  // IWizardView.
  void PlacePages() override;
  void ShowPagePanel(int page) override;
  void SetTitle(const std::string& text) override;
  void SetBackEnabled(bool enabled) override;
  void SetNextEnabled(bool enabled) override;
  std::string SettingsPath() const override;
  void SetSettingsPath(const std::string& text) override;
  std::string ExeName() const override;
  void SetExeName(const std::string& text) override;
  void SetResult(const std::string& text) override;
  void SetProgress(int progress) override;
  bool IsChecked(OptionControl control) const override;
  void SetChecked(OptionControl control, bool checked) override;
  void SetEnabled(OptionControl control, bool enabled) override;
  void SetCaption(const std::string& text) override;
  int Left() const override;
  int Top() const override;
  void SetLeft(int left) override;
  void SetTop(int top) override;
  int OuterWidth() const override;
  int OuterHeight() const override;
  void SetOuterHeight(int height) override;
  void SetOuterWidth(int width) override;
  void Close() override;

 private:
  template <class Owner>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window) { window_.Reset(window); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void CreateControl(const ControlSpec& spec);
  void ScaleControl(const ControlSpec& spec);
  SIZE FrameSize(int dpi) const;
  void Rescale(int dpi, const RECT& frame);
  void KeepOnlyMoveAndClose();
  struct ControlEvent {
    int Control;
    UINT Notification;
    void (MainWindow::*Handler)(int control);
  };
  static const ControlEvent kControlEvents[];

  void OnCommand(int id, int code, HWND control);
  // Runs a handler of the controller inside the error wrapper.
  template <class... Parameters, class... Arguments>
  void Fire(void (IWizardEvents::*handler)(Parameters...), Arguments&&... arguments);
  template <void (IWizardEvents::*Event)()>
  void Forward(int) {
    Fire(Event);
  }
  void NoteSettingsPathChange(int control);
  void NoteRadioClick(int control);
  void SyncRadioButtons();
  void ShowDefaultLookOn(HWND focusedButton);
  void FitToText(int id);
  void KeepFocusUsable();
  void RestoreFocus();
  HWND OptionControlHandle(OptionControl control) const;
  RECT Frame() const;
  void KeepReachable();
  void MoveFrame(int left, int top, int width, int height);

  Application& application_;
  IPlatformUi& platform_;
  IWizardEvents* events_ = nullptr;
  WindowHandle window_;
  bool destroyedByOwner_ = false;
  DisplayScale scale_;
  WindowFonts fonts_;
  std::map<int, HWND> controls_;
  std::string settingsPath_;       // SettingsPathEdit's text as the controller last heard of it
  bool radioSelected_[2] = {};     // ShowNothingRadio and TrayIconRadio as the window last saw them
  HWND lastFocus_ = nullptr;       // the focus when the window was last deactivated
  Tooltip resultTip_;              // the whole of ResultPath, which may be shortened
};
