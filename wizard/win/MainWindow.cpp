#include "wizard/win/MainWindow.h"

#include <exception>
#include <utility>

#include "common/Exception.h"
#include "common/Texts.h"
#include "resources/ResourceIds.h"
#include "wizard/ScreenPlacement.h"
#include "wizard/win/Application.h"
#include "wizard/win/Bevel.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/DialogKeys.h"
#include "wizard/win/DroppedFiles.h"
#include "wizard/win/Gauge.h"
#include "wizard/win/Image.h"
#include "wizard/win/MainWindowLayout.h"
#include "wizard/win/Panel.h"
#include "wizard/win/SpeedButton.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowDpi.h"
#include "wizard/win/WindowText.h"

namespace {
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
constexpr int kPages[] = {ControlId::kChooseFilePage, ControlId::kOptionsPage, ControlId::kNamePage, ControlId::kDonePage};
constexpr int kRadios[] = {ControlId::kShowNothingRadio, ControlId::kTrayIconRadio};
constexpr int kListItemHeight = 12;

struct ControlClass {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
};

ControlClass ClassOf(const ControlSpec& spec) {
  switch (spec.Kind) {
    case ControlKind::Label:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::WrappedLabel:
      return {"Static", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::LinkLabel:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::PathLabel:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_PATHELLIPSIS | SS_NOTIFY, 0};
    case ControlKind::Bevel:
      return {kBevelClassName, 0, 0};
    case ControlKind::Page:
      return {kPanelClassName, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Frame:
      return {kPanelClassName, WS_CLIPCHILDREN | kPanelLoweredBorder, WS_EX_CONTROLPARENT};
    case ControlKind::Picture:
    case ControlKind::Icon:
      return {kImageClassName, 0, 0};
    case ControlKind::Edit:
      return {"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
      return {"Button", static_cast<DWORD>((spec.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY),
              0};
    case ControlKind::RadioButton:
      return {"Button", BS_AUTORADIOBUTTON, 0};
    case ControlKind::CheckBox:
      return {"Button", BS_AUTOCHECKBOX, 0};
    case ControlKind::SpeedButton:
      return {kSpeedButtonClassName, 0, 0};
    case ControlKind::Gauge:
      return {kGaugeClassName, 0, 0};
    case ControlKind::ListBox:
      return {"ListBox", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
  }
  return {"Static", 0, 0};
}

DWORD StyleOf(const ControlSpec& spec) {
  DWORD style = WS_CHILD | ClassOf(spec).Style;
  if (!spec.Hidden) style |= WS_VISIBLE;
  if (spec.Disabled) style |= WS_DISABLED;
  if (spec.TabStop) style |= WS_TABSTOP;
  if (spec.Group) style |= WS_GROUP;
  return style;
}

bool IsUsable(HWND control) { return control && IsWindowVisible(control) && IsWindowEnabled(control); }

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

// A picture of the program's resources at its own size (0 x 0) or at the size given.
HANDLE LoadPicture(int resource, UINT type, int width = 0, int height = 0, UINT flags = 0) {
  SetLastError(ERROR_SUCCESS);  // a picture that is no picture fails without a code
  return CheckCreated(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(resource), type, width, height, flags),
                      Texts::kResourceNotLoaded, resource);
}
}  // namespace

MainWindow::MainWindow(Application& application, IPlatformUi& platform)
    : application_(application), platform_(platform) {}

MainWindow::~MainWindow() {
  events_ = nullptr;
  destroyedByOwner_ = true;  // the application goes on without its main window
  window_.Reset();
}

void MainWindow::Create(IWizardEvents& events) {
  events_ = &events;
  // Made without a size: that depends on the resolution of the screen it comes on.
  CheckCreated(CreateWindowExA(kWindowExStyle, kClassName, Texts::Window::kCaption, kWindowStyle, kLayoutLeft,
                               kLayoutTop, 0, 0, application_.Handle(), nullptr, ProgramInstance(), this),
               Texts::kWindowNotCreated, kClassName);
  scale_ = DisplayScale(WindowDpi(Handle()));
  fonts_ = WindowFonts(scale_);
  const SIZE frame = FrameSize(scale_.Dpi());
  SetWindowPos(Handle(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  KeepOnlyMoveAndClose();
  SetWindowContextHelpId(Handle(), kHelpContext);
  CreateControls();
  SyncRadioButtons();
  Fire(&IWizardEvents::OnCreate);
}

HWND MainWindow::Control(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

void MainWindow::Show() {
  KeepReachable();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  RestoreFocus();
  UpdateWindow(Handle());
}

bool MainWindow::TranslateKey(const MSG& message) {
  if (!Handle()) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1 &&
      (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) {
    Fire(&IWizardEvents::OnHelp);
    return true;
  }
  return TranslateDialogKey(Handle(), Control(ControlId::kNextButton), message);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Handle();
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      const ControlSpec* spec = FindControlSpec(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      if (!spec || spec->Color == CLR_INVALID) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, spec->Color);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != Control(ControlId::kStartOverLink)) break;
      SetCursor(LoadCursor(nullptr, IDC_HAND));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (IsChild(window, focus)) lastFocus_ = focus;
      } else {
        RestoreFocus();
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_MINIMIZE) break;
      // The application window stands for the program: it is minimised instead.
      SendMessageA(application_.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return 0;
    case WM_HELP:
      Fire(&IWizardEvents::OnHelp);
      return TRUE;
    case WM_DROPFILES:
      Fire(&IWizardEvents::OnFileDropped, TakeFirstDroppedFile(reinterpret_cast<HDROP>(wParam)));
      return 0;
    case WM_CLOSE:
      Fire(&IWizardEvents::OnCloseRequest);
      DestroyWindow(window);
      return 0;
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<int>(wParam));
      return TRUE;
    case WM_DPICHANGED:
      Rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_QUERYENDSESSION:
      Fire(&IWizardEvents::OnCloseRequest);
      return TRUE;
    case WM_DESTROY:
      application_.MainWindowDestroyed(!destroyedByOwner_);
      return 0;
    case WM_NCDESTROY:
      window_.Release();  // the system destroys it
      controls_.clear();
      lastFocus_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
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

void MainWindow::CreateControls() {
  for (const ControlSpec& spec : MainWindowLayout()) CreateControl(spec);
}

void MainWindow::CreateControl(const ControlSpec& spec) {
  ControlClass windowClass = ClassOf(spec);
  bool textIsHint = spec.Kind == ControlKind::SpeedButton;
  HWND parent = spec.Parent ? Control(spec.Parent) : Handle();
  const PixelRect place = scale_.Of(spec.Place);
  HWND control = CheckCreated(
      CreateWindowExA(windowClass.ExStyle, windowClass.Name, textIsHint ? "" : spec.Text, StyleOf(spec),
                      place.Left, place.Top, place.Width, place.Height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.Id)), ProgramInstance(), nullptr),
      Texts::kWindowNotCreated, windowClass.Name);
  controls_[spec.Id] = control;
  if (spec.Checked) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
  if (spec.Id == ControlId::kHelpButton) SetWindowContextHelpId(control, kHelpContext);
  if (spec.Kind == ControlKind::SpeedButton) SpeedButtonSetHint(control, spec.Text);
  ScaleControl(spec);
}

// What depends on the window's scale apart from the control's place: its font, the
// size of a label that fits its text, its picture, the list box's item height.
void MainWindow::ScaleControl(const ControlSpec& spec) {
  HWND control = Control(spec.Id);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(spec.Font)), FALSE);
  if (spec.AutoSize) FitToText(spec.Id);
  const int picture = SCALED_PICTURE(spec.Resource, scale_.PictureIndex());
  switch (spec.Kind) {
    case ControlKind::Picture:
      ImageSetBitmap(control, BitmapHandle(static_cast<HBITMAP>(LoadPicture(picture, IMAGE_BITMAP))));
      break;
    case ControlKind::Icon: {
      const DisplayScale drawn = scale_.PictureScale();
      ImageSetIcon(control, IconHandle(static_cast<HICON>(LoadPicture(
                                spec.Resource, IMAGE_ICON, drawn.Of(spec.Place.Width), drawn.Of(spec.Place.Height)))));
      break;
    }
    case ControlKind::SpeedButton:
      SpeedButtonSetGlyph(control, BitmapHandle(static_cast<HBITMAP>(LoadPicture(picture, IMAGE_BITMAP))));
      break;
    case ControlKind::ListBox:
      SendMessageA(control, LB_SETITEMHEIGHT, 0, scale_.Of(kListItemHeight));
      break;
    default:
      break;
  }
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
  for (const ControlSpec& spec : MainWindowLayout()) {
    const PixelRect place = scale_.Of(spec.Place);
    SetWindowPos(Control(spec.Id), nullptr, place.Left, place.Top, place.Width, place.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ScaleControl(spec);
  }
  MoveFrame(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The notifications of the controls and who handles them: most go on to the
// controller; the settings path and the radio buttons pass through the window first.
const MainWindow::ControlEvent MainWindow::kControlEvents[] = {
    {ControlId::kHelpButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnHelp>},
    {ControlId::kBackButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnBack>},
    {ControlId::kNextButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnNext>},
    {ControlId::kCloseButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnClose>},
    {ControlId::kOpenFolderButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnOpenFolder>},
    {ControlId::kBrowseButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnBrowse>},
    {ControlId::kStartOverLink, STN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnStartOver>},
    {ControlId::kSettingsPathEdit, EN_CHANGE, &MainWindow::NoteSettingsPathChange},
    {ControlId::kShowNothingRadio, BN_CLICKED, &MainWindow::NoteRadioClick},
    {ControlId::kTrayIconRadio, BN_CLICKED, &MainWindow::NoteRadioClick},
};

void MainWindow::OnCommand(int id, int code, HWND control) {
  // A push button with the focus looks like the default button (see ShowDefaultLookOn).
  const ControlSpec* spec = FindControlSpec(id);
  if (spec && spec->Kind == ControlKind::PushButton && (code == BN_SETFOCUS || code == BN_KILLFOCUS))
    ShowDefaultLookOn(code == BN_SETFOCUS ? control : nullptr);
  for (const ControlEvent& event : kControlEvents)
    if (event.Control == id && event.Notification == static_cast<UINT>(code)) (this->*event.Handler)(id);
}

template <class... Parameters, class... Arguments>
void MainWindow::Fire(void (IWizardEvents::*handler)(Parameters...), Arguments&&... arguments) {
  if (!events_) return;
  try {
    (events_->*handler)(std::forward<Arguments>(arguments)...);
  } catch (const Exception& error) {
    platform_.ShowErrorReport(error.Message());
  } catch (const std::exception& error) {
    platform_.ShowErrorReport(error.what());
  }
}

void MainWindow::NoteSettingsPathChange(int) {
  std::string text = WindowText(Control(ControlId::kSettingsPathEdit));
  if (text == settingsPath_) return;
  settingsPath_ = text;
  Fire(&IWizardEvents::OnSettingsPathChange);
}

// A radio button that was not selected before and is now runs its click handler;
// clicking the one that is already selected changes nothing.
void MainWindow::NoteRadioClick(int id) {
  int index = id == ControlId::kShowNothingRadio ? 0 : 1;
  bool wasSelected = radioSelected_[index];
  SyncRadioButtons();
  if (wasSelected || !radioSelected_[index]) return;
  Fire(index == 0 ? &IWizardEvents::OnShowNothingSelected : &IWizardEvents::OnTrayIconSelected);
}

// Remembers which radio button is selected and makes it the group's tab stop (ShowNothingRadio
// when neither is).
void MainWindow::SyncRadioButtons() {
  for (int index = 0; index < 2; ++index)
    radioSelected_[index] = SendMessageA(Control(kRadios[index]), BM_GETCHECK, 0, 0) == BST_CHECKED;
  bool firstIsStop = radioSelected_[0] || !radioSelected_[1];
  for (int index = 0; index < 2; ++index) {
    HWND radio = Control(kRadios[index]);
    LONG style = GetWindowLongA(radio, GWL_STYLE);
    bool isStop = (index == 0) == firstIsStop;
    SetWindowLongA(radio, GWL_STYLE, isStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

// The push button with the focus shows the default button's heavy border; without a
// focused push button NextButton shows it.
void MainWindow::ShowDefaultLookOn(HWND focusedButton) {
  HWND next = Control(ControlId::kNextButton);
  HWND defaultLook = focusedButton ? focusedButton : next;
  for (const ControlSpec& spec : MainWindowLayout()) {
    if (spec.Kind != ControlKind::PushButton) continue;
    HWND button = Control(spec.Id);
    DWORD style = button == defaultLook ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    SendMessageA(button, BM_SETSTYLE, style | BS_NOTIFY, TRUE);
  }
}

// A label that grows with its text takes the size of its text in its own font, from
// its construction on. With "ＭＳ Ｐゴシック" that is the size of the layout table; a
// substitute font may make it a little larger, so that the text is never cut off. A
// path label grows no wider than its place and shortens its text beyond.
void MainWindow::FitToText(int id) {
  HWND label = Control(id);
  std::string text = WindowText(label);
  WindowDc dc(GetDC(label));
  SelectionGuard selected(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT size = {0, 0, 0, 0};
  DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  const ControlSpec* spec = FindControlSpec(id);
  const bool capped = spec->Kind == ControlKind::PathLabel && size.right > spec->Place.Width;
  const int width = capped ? spec->Place.Width : size.right;
  SetWindowPos(label, nullptr, 0, 0, width, size.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  HWND target = IsUsable(lastFocus_) && IsChild(Handle(), lastFocus_) ? lastFocus_
                                                                      : GetNextDlgTabItem(Handle(), nullptr, FALSE);
  if (target) SetFocus(target);
}

HWND MainWindow::OptionControlHandle(OptionControl control) const {
  switch (control) {
    case OptionControl::ShowNothing:
      return Control(ControlId::kShowNothingRadio);
    case OptionControl::TrayIcon:
      return Control(ControlId::kTrayIconRadio);
    case OptionControl::PlayOnStart:
      return Control(ControlId::kPlayOnStartCheck);
    case OptionControl::ExitAtEnd:
      return Control(ControlId::kExitAtEndCheck);
    case OptionControl::ExitOnControlKey:
      return Control(ControlId::kExitOnKeyCheck);
  }
  return nullptr;
}

namespace {
ScreenRect ScreenRectOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info))
    reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(ScreenRectOf(info.rcWork));
  return TRUE;
}
}  // namespace

// A remembered position on a monitor that is gone, or out of any range, would leave
// the window where the user cannot reach it: it moves onto the nearest monitor.
void MainWindow::KeepReachable() {
  const RECT frame = Frame();
  POINT clientOrigin = {0, 0};
  ClientToScreen(Handle(), &clientOrigin);
  std::vector<ScreenRect> workAreas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&workAreas));
  MONITORINFO nearest = {};
  nearest.cbSize = sizeof nearest;
  GetMonitorInfoA(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &nearest);
  const ScreenPoint place =
      ReachablePosition(ScreenRectOf(frame), clientOrigin.y - frame.top, workAreas, ScreenRectOf(nearest.rcWork));
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

void MainWindow::PlacePages() {
  for (int page : kPages) {
    const PixelRect place = scale_.Of(FindControlSpec(page)->Place);
    SetWindowPos(Control(page), nullptr, place.Left, place.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindow::ShowPagePanel(int page) {
  for (int index = 0; index < 4; ++index)
    if (index == page) ShowWindow(Control(kPages[index]), SW_SHOW);
  for (int index = 0; index < 4; ++index)
    if (index != page) ShowWindow(Control(kPages[index]), SW_HIDE);
  KeepFocusUsable();
}

void MainWindow::SetTitle(const std::string& text) {
  SetWindowTextA(Control(ControlId::kPageTitle), text.c_str());
  FitToText(ControlId::kPageTitle);
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
  FitToText(ControlId::kResultPath);
  resultTip_.SetText(Control(ControlId::kResultPath), text);
}

void MainWindow::SetProgress(int progress) { GaugeSetProgress(Control(ControlId::kProgressGauge), progress); }

bool MainWindow::IsChecked(OptionControl control) const {
  return SendMessageA(OptionControlHandle(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::SetChecked(OptionControl control, bool checked) {
  SendMessageA(OptionControlHandle(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  bool isRadio = control == OptionControl::ShowNothing || control == OptionControl::TrayIcon;
  if (!isRadio) return;
  if (checked) {
    OptionControl partner = control == OptionControl::ShowNothing ? OptionControl::TrayIcon : OptionControl::ShowNothing;
    SendMessageA(OptionControlHandle(partner), BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SyncRadioButtons();
}

void MainWindow::SetEnabled(OptionControl control, bool enabled) {
  EnableWindow(OptionControlHandle(control), enabled);
  KeepFocusUsable();
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
