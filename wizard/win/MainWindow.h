#pragma once
// The main window (window class "TfrmZepplay"): a fixed dialog frame with only the
// close box, a 473 x 275 client area on the button face, and the controls of
// MainWindowLayout built in pixels, all of them scaled to the resolution of the screen
// it stands on (DisplayScale), again when it moves to a monitor of another one. It is
// what the wizard controller sees as its view, and what the application runs as its
// main form. Every event it passes on to the controller runs inside one error wrapper
// that shows an escaping Exception in the default error report.
//
// MainWindow.cpp: creation, frame, scale, position and the view's setters;
// MainWindowMessages.cpp: the message dispatch and the keys.
#include <windows.h>

#include <exception>
#include <string>
#include <utility>

#include "common/Exception.h"
#include "wizard/PlatformUi.h"
#include "wizard/WizardEvents.h"
#include "wizard/WizardView.h"
#include "wizard/win/DisplayScale.h"
#include "wizard/win/MainForm.h"
#include "wizard/win/LayoutControls.h"
#include "wizard/win/MainWindowLayout.h"
#include "wizard/win/PageSwitcher.h"
#include "wizard/win/Tooltip.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowFonts.h"

class MainWindow : public IWizardView, public IMainForm {
 public:
  static constexpr char kClassName[] = "TfrmZepplay";
  static constexpr int kClientWidth = kLayoutClientWidth;  // pixels of a 96-DPI screen
  static constexpr int kClientHeight = kLayoutClientHeight;
  static constexpr int kLayoutLeft = 1106;  // where the window stands until it is moved
  static constexpr int kLayoutTop = 494;

  MainWindow(IMainFormHost& host, IPlatformUi& platform);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // IMainForm.
  void Create(IWizardEvents& events) override;
  HWND Handle() const override { return window_.Get(); }
  void Show() override;
  bool TranslateKey(const MSG& message) override;

  // The control with this id (ControlId), or nullptr.
  HWND Control(int id) const { return controls_.Control(id); }

  // IWizardView.
  void PlacePages() override;
  void ShowPagePanel(WizardPage page) override;
  void SetTitle(const std::string& text) override;
  void SetBackEnabled(bool enabled) override;
  void SetNextEnabled(bool enabled) override;
  std::string SettingsPath() const override;
  void SetSettingsPath(const std::string& text) override;
  std::string ExeName() const override;
  void SetExeName(const std::string& text) override;
  void SetResult(const std::string& text) override;
  void SetProgress(int progress) override;
  ExecutableOptions Options() const override;
  void ShowOptions(const ExecutableOptions& options) override;
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

  // MainWindow.cpp.
  SIZE FrameSize(int dpi) const;
  void Rescale(int dpi, const RECT& frame);
  void KeepOnlyMoveAndClose();
  void KeepFocusUsable();
  void RestoreFocus();
  RECT Frame() const;
  void KeepWholeOnWorkArea();
  void MoveFrame(int left, int top, int width, int height);

  // MainWindowMessages.cpp.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  struct ControlEvent {
    int Control;
    UINT Notification;
    void (MainWindow::*Handler)(int control);
  };
  static const ControlEvent kControlEvents[];
  void OnCommand(int id, int code, HWND control);
  // Runs a handler of the controller inside the error wrapper.
  template <class... Parameters, class... Arguments>
  void Fire(void (IWizardEvents::*handler)(Parameters...), Arguments&&... arguments) {
    if (!events_) return;
    try {
      (events_->*handler)(std::forward<Arguments>(arguments)...);
    } catch (const Exception& error) {
      platform_.ShowErrorReport(error.Message());
    } catch (const std::exception& error) {
      platform_.ShowErrorReport(error.what());
    }
  }
  template <void (IWizardEvents::*Event)()>
  void Forward(int) {
    Fire(Event);
  }
  void NoteSettingsPathChange(int control);
  void NoteRadioClick(int control);
  void SyncRadioButtons();
  bool IsButtonChecked(int id) const;
  void CheckButton(int id, bool checked);
  void ShowDefaultLookOn(HWND focusedButton);

  IMainFormHost& host_;
  IPlatformUi& platform_;
  IWizardEvents* events_ = nullptr;
  WindowHandle window_;
  bool destroyedByOwner_ = false;
  DisplayScale scale_;
  WindowFonts fonts_;
  LayoutControls controls_{MainWindowLayout()};
  PageSwitcher pages_{controls_};
  std::string settingsPath_;    // SettingsPathEdit's text as the controller last heard of it
  bool radioSelected_[2] = {};  // ShowNothingRadio and TrayIconRadio as the window last saw them
  HWND lastFocus_ = nullptr;    // the focus when the window was last deactivated
  Tooltip resultTip_;           // the whole of ResultPath, which may be shortened
};
