#include "wizard/win/MainWindow.h"

#include <utility>

#include "common/Texts.h"
#include "wizard/ScreenPlacement.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/Gauge.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WindowDpi.h"
#include "wizard/win/WindowText.h"

namespace {
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;

bool IsUsable(HWND control) { return control && IsWindowVisible(control) && IsWindowEnabled(control); }

ScreenRect ScreenRectOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
}  // namespace

MainWindow::MainWindow(IMainFormHost& host, IPlatformUi& platform) : host_(host), platform_(platform) {}

MainWindow::~MainWindow() {
  events_ = nullptr;
  destroyedByOwner_ = true;  // the application goes on without its main window
  window_.Reset();
}

void MainWindow::Create(IWizardEvents& events) {
  events_ = &events;
  // Made without a size: that depends on the resolution of the screen it comes on.
  CheckCreated(CreateWindowExA(kWindowExStyle, kClassName, Texts::Window::kCaption, kWindowStyle, kLayoutLeft,
                               kLayoutTop, 0, 0, host_.Handle(), nullptr, GetModuleHandleA(nullptr), this),
               Texts::kWindowNotCreated, kClassName);
  scale_ = DisplayScale(WindowDpi(Handle()));
  fonts_ = WindowFonts(scale_);
  const SIZE frame = FrameSize(scale_.Dpi());
  SetWindowPos(Handle(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  KeepOnlyMoveAndClose();
  SetWindowContextHelpId(Handle(), kHelpContext);
  controls_.Create(Handle(), scale_, fonts_);
  SetWindowContextHelpId(Control(ControlId::kHelpButton), kHelpContext);
  SyncRadioButtons();
  Fire(&IWizardEvents::OnCreate);
}

void MainWindow::Show() {
  KeepWholeOnWorkArea();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  RestoreFocus();
  UpdateWindow(Handle());
}

// The window menu keeps Move and Close, with a separator between them; whatever else
// the system put there goes.
void MainWindow::KeepOnlyMoveAndClose() {
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  for (int item = GetMenuItemCount(menu) - 1; item >= 0; --item) {
    UINT command = GetMenuItemID(menu, item);
    if (command != SC_MOVE && command != SC_CLOSE) DeleteMenu(menu, item, MF_BYPOSITION);
  }
  InsertMenuA(menu, SC_CLOSE, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
}

// The outer size of the window whose client area is the layout's at dpi.
SIZE MainWindow::FrameSize(int dpi) const {
  const PixelRect client = DisplayScale(dpi).Of(PixelRect{0, 0, kClientWidth, kClientHeight});
  return FrameSizeFor({client.Width, client.Height}, kWindowStyle, kWindowExStyle, dpi);
}

// The window has come onto a monitor of another resolution: everything is laid out
// again at the new scale, and the window takes the frame that the system suggests.
void MainWindow::Rescale(int dpi, const RECT& frame) {
  scale_ = DisplayScale(dpi);
  // The fonts of the old scale stay until every control has been given the new ones.
  const WindowFonts previousFonts = std::exchange(fonts_, WindowFonts(scale_));
  controls_.Rescale(scale_, fonts_);
  MoveFrame(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// When the focus has gone with a hidden page or a disabled button, the first tab stop
// of the window takes it, so that the keyboard goes on working.
void MainWindow::KeepFocusUsable() {
  if (GetActiveWindow() != Handle()) return;
  HWND focus = GetFocus();
  if (IsChild(Handle(), focus) && IsUsable(focus)) return;
  RestoreFocus();
}

void MainWindow::RestoreFocus() {
  HWND target = IsUsable(lastFocus_) && IsChild(Handle(), lastFocus_)
                    ? lastFocus_
                    : GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (target) SetFocus(target);
}

// A remembered position may leave part of the window off the screen (a monitor that is
// gone, any stored number, a position left at a smaller scale): the window moves the
// least distance that brings it whole onto the work area of the monitor it stands on
// most, or of the nearest one, as Windows places a restored window. The remembered
// values change only when the close step writes where the window then stands.
void MainWindow::KeepWholeOnWorkArea() {
  const RECT frame = Frame();
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const ScreenPoint place = PositionOnWorkArea(ScreenRectOf(frame), ScreenRectOf(monitor.rcWork));
  if (place.X != frame.left || place.Y != frame.top)
    SetWindowPos(Handle(), nullptr, place.X, place.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT MainWindow::Frame() const {
  RECT frame = {};
  GetWindowRect(Handle(), &frame);
  return frame;
}

void MainWindow::MoveFrame(int left, int top, int width, int height) {
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- IWizardView ----

void MainWindow::PlacePages() { pages_.Place(scale_); }

void MainWindow::ShowPagePanel(WizardPage page) {
  pages_.Show(page);
  KeepFocusUsable();
}

void MainWindow::SetTitle(const std::string& text) {
  SetWindowTextA(Control(ControlId::kPageTitle), text.c_str());
  controls_.FitToText(ControlId::kPageTitle);
}

void MainWindow::SetBackEnabled(bool enabled) {
  EnableWindow(Control(ControlId::kBackButton), enabled);
  KeepFocusUsable();
}

void MainWindow::SetNextEnabled(bool enabled) {
  EnableWindow(Control(ControlId::kNextButton), enabled);
  KeepFocusUsable();
}

std::string MainWindow::SettingsPath() const { return WindowText(Control(ControlId::kSettingsPathEdit)); }

void MainWindow::SetSettingsPath(const std::string& text) {
  HWND edit = Control(ControlId::kSettingsPathEdit);
  if (WindowText(edit) != text) SetWindowTextA(edit, text.c_str());
  NoteSettingsPathChange(ControlId::kSettingsPathEdit);  // in case the edit box did not report it
}

std::string MainWindow::ExeName() const { return WindowText(Control(ControlId::kExeNameEdit)); }

void MainWindow::SetExeName(const std::string& text) {
  SetWindowTextA(Control(ControlId::kExeNameEdit), text.c_str());
}

void MainWindow::SetResult(const std::string& text) {
  SetWindowTextA(Control(ControlId::kResultPath), text.c_str());
  controls_.FitToText(ControlId::kResultPath);
  resultTip_.SetText(Control(ControlId::kResultPath), text);
}

void MainWindow::SetProgress(int progress) { GaugeSetProgress(Control(ControlId::kProgressGauge), progress); }

ExecutableOptions MainWindow::Options() const {
  ExecutableOptions options;
  // Only ShowNothingRadio counts where both might be selected.
  options.Shown = IsButtonChecked(ControlId::kShowNothingRadio) ? Visibility::ShowNothing
                  : IsButtonChecked(ControlId::kTrayIconRadio)  ? Visibility::TrayIcon
                                                                : Visibility::Unchosen;
  options.PlayOnStart = IsButtonChecked(ControlId::kPlayOnStartCheck);
  options.ExitAtEnd = IsButtonChecked(ControlId::kExitAtEndCheck);
  options.ExitOnControlKey = IsButtonChecked(ControlId::kExitOnKeyCheck);
  return options;
}

void MainWindow::ShowOptions(const ExecutableOptions& options) {
  CheckButton(ControlId::kShowNothingRadio, options.Shown == Visibility::ShowNothing);
  CheckButton(ControlId::kTrayIconRadio, options.Shown == Visibility::TrayIcon);
  CheckButton(ControlId::kPlayOnStartCheck, options.PlayOnStart);
  CheckButton(ControlId::kExitAtEndCheck, options.ExitAtEnd);
  CheckButton(ControlId::kExitOnKeyCheck, options.ExitOnControlKey);
  for (int flag : {ControlId::kPlayOnStartCheck, ControlId::kExitAtEndCheck, ControlId::kExitOnKeyCheck})
    EnableWindow(Control(flag), !FlagsLocked(options));
  SyncRadioButtons();
  KeepFocusUsable();
}

bool MainWindow::IsButtonChecked(int id) const {
  return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::CheckButton(int id, bool checked) {
  SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::SetCaption(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

int MainWindow::Left() const { return Frame().left; }
int MainWindow::Top() const { return Frame().top; }

void MainWindow::SetLeft(int left) {
  RECT frame = Frame();
  MoveFrame(left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
}

void MainWindow::SetTop(int top) {
  RECT frame = Frame();
  MoveFrame(frame.left, top, frame.right - frame.left, frame.bottom - frame.top);
}

int MainWindow::OuterWidth() const { return Frame().right - Frame().left; }
int MainWindow::OuterHeight() const { return Frame().bottom - Frame().top; }

void MainWindow::SetOuterHeight(int height) {
  RECT frame = Frame();
  MoveFrame(frame.left, frame.top, frame.right - frame.left, height);
}

void MainWindow::SetOuterWidth(int width) {
  RECT frame = Frame();
  MoveFrame(frame.left, frame.top, width, frame.bottom - frame.top);
}

void MainWindow::Close() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }
