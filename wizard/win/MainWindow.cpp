#include "wizard/win/MainWindow.h"

#include <exception>

#include "common/Exception.h"
#include "common/Texts.h"
#include "wizard/ScreenPlacement.h"
#include "wizard/win/Application.h"
#include "wizard/win/Bevel.h"
#include "wizard/win/ControlIds.h"
#include "wizard/win/DialogKeys.h"
#include "wizard/win/Gauge.h"
#include "wizard/win/GdiHandles.h"
#include "wizard/win/Image.h"
#include "wizard/win/MainWindowLayout.h"
#include "wizard/win/Panel.h"
#include "wizard/win/SpeedButton.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WindowText.h"

namespace {
constexpr DWORD WindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int Pages[] = {ControlId::pnl0, ControlId::pnl1, ControlId::pnl2, ControlId::pnl3};
constexpr int PushButtons[] = {ControlId::btnHelp, ControlId::btnBack, ControlId::btnNext,
                               ControlId::btnClose, ControlId::btnOpenFolder};
constexpr int Radios[] = {ControlId::rad1, ControlId::rad2};

struct TWindowClass {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
};

TWindowClass ClassOf(const TControlSpec& spec) {
  switch (spec.Kind) {
    case TControlKind::Label:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case TControlKind::WrappedLabel:
      return {"Static", SS_LEFT | SS_NOPREFIX, 0};
    case TControlKind::LinkLabel:
      return {"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0};
    case TControlKind::Bevel:
      return {BevelClassName, 0, 0};
    case TControlKind::Page:
      return {PanelClassName, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case TControlKind::Frame:
      return {PanelClassName, WS_CLIPCHILDREN | PanelLoweredBorder, WS_EX_CONTROLPARENT};
    case TControlKind::Picture:
    case TControlKind::Icon:
      return {ImageClassName, 0, 0};
    case TControlKind::Edit:
      return {"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case TControlKind::PushButton:
      return {"Button", static_cast<DWORD>((spec.Flags & cfDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY),
              0};
    case TControlKind::RadioButton:
      return {"Button", BS_AUTORADIOBUTTON, 0};
    case TControlKind::CheckBox:
      return {"Button", BS_AUTOCHECKBOX, 0};
    case TControlKind::SpeedButton:
      return {SpeedButtonClassName, 0, 0};
    case TControlKind::Gauge:
      return {GaugeClassName, 0, 0};
    case TControlKind::ListBox:
      return {"ListBox", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
  }
  return {"Static", 0, 0};
}

DWORD StyleOf(const TControlSpec& spec) {
  DWORD style = WS_CHILD | ClassOf(spec).Style;
  if (!(spec.Flags & cfHidden)) style |= WS_VISIBLE;
  if (spec.Flags & cfDisabled) style |= WS_DISABLED;
  if (spec.Flags & cfTabStop) style |= WS_TABSTOP;
  if (spec.Flags & cfGroup) style |= WS_GROUP;
  return style;
}

bool IsUsable(HWND control) { return control && IsWindowVisible(control) && IsWindowEnabled(control); }

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

// A picture of the program's resources at its own size (0 x 0) or at the size given.
HANDLE LoadPicture(int resource, UINT type, int width = 0, int height = 0, UINT flags = 0) {
  SetLastError(ERROR_SUCCESS);  // a picture that is no picture fails without a code
  return CheckCreated(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(resource), type, width, height, flags),
                      Texts::ResourceNotLoaded, resource);
}
}  // namespace

TfrmZepplay::TfrmZepplay(TApplication& application, IPlatformUi& platform)
    : FApplication(application), FPlatform(platform) {}

TfrmZepplay::~TfrmZepplay() {
  FEvents = nullptr;
  if (FHandle) {
    FDestroyedByOwner = true;
    DestroyWindow(FHandle);
  }
}

void TfrmZepplay::Create(IWizardEvents& events) {
  FEvents = &events;
  RECT frame = {0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&frame, WindowStyle, FALSE, WindowExStyle);
  CheckCreated(CreateWindowExA(WindowExStyle, ClassName, Texts::Window::Caption, WindowStyle, LayoutLeft,
                               LayoutTop, frame.right - frame.left, frame.bottom - frame.top,
                               FApplication.Handle(), nullptr, ProgramInstance(), this),
               Texts::WindowNotCreated, ClassName);
  KeepOnlyMoveAndClose();
  SetWindowContextHelpId(FHandle, kHelpContext);
  CreateControls();
  SyncRadioButtons();
  Fire(&IWizardEvents::FormCreate);
}

HWND TfrmZepplay::Control(int id) const {
  auto found = FControls.find(id);
  return found == FControls.end() ? nullptr : found->second;
}

void TfrmZepplay::Show() {
  KeepReachable();
  ShowWindow(FHandle, SW_SHOWNORMAL);
  SetForegroundWindow(FHandle);
  RestoreFocus();
  UpdateWindow(FHandle);
}

bool TfrmZepplay::TranslateKey(const MSG& message) {
  if (!FHandle) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1 &&
      (message.hwnd == FHandle || IsChild(FHandle, message.hwnd))) {
    ShowHelpForFocus();
    return true;
  }
  return TranslateDialogKey(FHandle, Control(ControlId::btnNext), message);
}

LRESULT TfrmZepplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = FHandle;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      const TControlSpec* spec = FindControlSpec(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      if (!spec || spec->Color == CLR_INVALID) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, spec->Color);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != Control(ControlId::Label9)) break;
      SetCursor(LoadCursor(nullptr, IDC_HAND));
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (IsChild(window, focus)) FLastFocus = focus;
      } else {
        RestoreFocus();
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_MINIMIZE) break;
      // The application window stands for the program: it is minimised instead.
      SendMessageA(FApplication.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return 0;
    case WM_HELP:
      ShowHelpForFocus();
      return TRUE;
    case WM_CLOSE:
      Fire(&IWizardEvents::FormCloseQuery);
      DestroyWindow(window);
      return 0;
    case WM_QUERYENDSESSION:
      Fire(&IWizardEvents::FormCloseQuery);
      return TRUE;
    case WM_DESTROY:
      FApplication.MainWindowDestroyed(!FDestroyedByOwner);
      return 0;
    case WM_NCDESTROY:
      FHandle = nullptr;
      FControls.clear();
      FLastFocus = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The window menu keeps Move and Close, with a separator between them; whatever else
// the system put there goes.
void TfrmZepplay::KeepOnlyMoveAndClose() {
  HMENU menu = GetSystemMenu(FHandle, FALSE);
  for (int item = GetMenuItemCount(menu) - 1; item >= 0; --item) {
    UINT command = GetMenuItemID(menu, item);
    if (command != SC_MOVE && command != SC_CLOSE) DeleteMenu(menu, item, MF_BYPOSITION);
  }
  InsertMenuA(menu, SC_CLOSE, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
}

void TfrmZepplay::CreateControls() {
  for (const TControlSpec& spec : MainWindowLayout()) CreateControl(spec);
}

void TfrmZepplay::CreateControl(const TControlSpec& spec) {
  TWindowClass windowClass = ClassOf(spec);
  bool textIsHint = spec.Kind == TControlKind::SpeedButton;
  HWND parent = spec.ParentId ? Control(spec.ParentId) : FHandle;
  HWND control = CheckCreated(
      CreateWindowExA(windowClass.ExStyle, windowClass.Name, textIsHint ? "" : spec.Text, StyleOf(spec), spec.Left,
                      spec.Top, spec.Width, spec.Height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.Id)), ProgramInstance(), nullptr),
      Texts::WindowNotCreated, windowClass.Name);
  FControls[spec.Id] = control;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FFonts.For(spec.Font)), FALSE);
  if (spec.Flags & cfAutoSize) FitToText(spec.Id);
  if (spec.Flags & cfChecked) SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
  if (spec.Id == ControlId::btnHelp) SetWindowContextHelpId(control, kHelpContext);
  switch (spec.Kind) {
    case TControlKind::Picture:
      ImageSetBitmap(control, static_cast<HBITMAP>(LoadPicture(spec.Resource, IMAGE_BITMAP)));
      break;
    case TControlKind::Icon:
      ImageSetIcon(control,
                   static_cast<HICON>(LoadPicture(spec.Resource, IMAGE_ICON, spec.Width, spec.Height, LR_SHARED)));
      break;
    case TControlKind::SpeedButton: {
      TBitmapHandle glyph(static_cast<HBITMAP>(LoadPicture(spec.Resource, IMAGE_BITMAP)));
      SpeedButtonSetGlyph(control, glyph.get());
      SpeedButtonSetHint(control, spec.Text);
      break;
    }
    case TControlKind::ListBox:
      SendMessageA(control, LB_SETITEMHEIGHT, 0, 12);
      break;
    default:
      break;
  }
}

void TfrmZepplay::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case ControlId::btnHelp:
    case ControlId::btnBack:
    case ControlId::btnNext:
    case ControlId::btnClose:
    case ControlId::btnOpenFolder:
      if (code == BN_SETFOCUS) ShowDefaultLookOn(control);
      if (code == BN_KILLFOCUS) ShowDefaultLookOn(nullptr);
      if (code != BN_CLICKED) return;
      if (id == ControlId::btnHelp) Fire(&IWizardEvents::btnHelpClick);
      if (id == ControlId::btnBack) Fire(&IWizardEvents::btnBackClick);
      if (id == ControlId::btnNext) Fire(&IWizardEvents::btnNextClick);
      if (id == ControlId::btnClose) Fire(&IWizardEvents::btnCloseClick);
      if (id == ControlId::btnOpenFolder) Fire(&IWizardEvents::btnOpenFolderClick);
      return;
    case ControlId::btn1:
      if (code == BN_CLICKED) Fire(&IWizardEvents::btn1Click);
      return;
    case ControlId::Label9:
      if (code == STN_CLICKED) Fire(&IWizardEvents::Label9Click);
      return;
    case ControlId::txtZepName:
      if (code == EN_CHANGE) NoteSettingsPathChange();
      return;
    case ControlId::rad1:
    case ControlId::rad2:
      if (code == BN_CLICKED) NoteRadioClick(id);
      return;
    default:
      return;
  }
}

void TfrmZepplay::Fire(void (IWizardEvents::*handler)()) {
  if (!FEvents) return;
  try {
    (FEvents->*handler)();
  } catch (const Exception& error) {
    FPlatform.ShowErrorReport(error.Message());
  } catch (const std::exception& error) {
    FPlatform.ShowErrorReport(error.what());
  }
}

void TfrmZepplay::NoteSettingsPathChange() {
  std::string text = WindowText(Control(ControlId::txtZepName));
  if (text == FSettingsPath) return;
  FSettingsPath = text;
  Fire(&IWizardEvents::txtZepNameChange);
}

// A radio button that was not selected before and is now runs its click handler;
// clicking the one that is already selected changes nothing.
void TfrmZepplay::NoteRadioClick(int id) {
  int index = id == ControlId::rad1 ? 0 : 1;
  bool wasSelected = FRadioSelected[index];
  SyncRadioButtons();
  if (wasSelected || !FRadioSelected[index]) return;
  Fire(index == 0 ? &IWizardEvents::rad1Click : &IWizardEvents::rad2Click);
}

// Remembers which radio button is selected and makes it the group's tab stop (rad1
// when neither is).
void TfrmZepplay::SyncRadioButtons() {
  for (int index = 0; index < 2; ++index)
    FRadioSelected[index] = SendMessageA(Control(Radios[index]), BM_GETCHECK, 0, 0) == BST_CHECKED;
  bool firstIsStop = FRadioSelected[0] || !FRadioSelected[1];
  for (int index = 0; index < 2; ++index) {
    HWND radio = Control(Radios[index]);
    LONG style = GetWindowLongA(radio, GWL_STYLE);
    bool isStop = (index == 0) == firstIsStop;
    SetWindowLongA(radio, GWL_STYLE, isStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

// The push button with the focus shows the default button's heavy border; without a
// focused push button btnNext shows it.
void TfrmZepplay::ShowDefaultLookOn(HWND focusedButton) {
  HWND next = Control(ControlId::btnNext);
  HWND defaultLook = focusedButton ? focusedButton : next;
  for (int id : PushButtons) {
    HWND button = Control(id);
    DWORD style = button == defaultLook ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    SendMessageA(button, BM_SETSTYLE, style | BS_NOTIFY, TRUE);
  }
}

// A label that grows with its text takes the size of its text in its own font, from
// its construction on. With "ＭＳ Ｐゴシック" that is the size of the layout table; a
// substitute font may make it a little larger, so that the text is never cut off.
void TfrmZepplay::FitToText(int id) {
  HWND label = Control(id);
  std::string text = WindowText(label);
  TWindowDc dc(label);
  TSelection selected(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
  RECT size = {0, 0, 0, 0};
  DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  SetWindowPos(label, nullptr, 0, 0, size.right, size.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// F1 asks for the help context of the focused control or of the nearest parent that
// has one; only btnHelp and the window itself carry one.
void TfrmZepplay::ShowHelpForFocus() {
  DWORD context = 0;
  HWND focus = GetFocus();
  for (HWND window = IsChild(FHandle, focus) ? focus : FHandle; window && !context; window = GetParent(window)) {
    context = GetWindowContextHelpId(window);
    if (window == FHandle) break;
  }
  FPlatform.ShowHelp(context);
}

// When the focus has gone with a hidden page or a disabled button, the first tab stop
// of the window takes it, so that the keyboard goes on working.
void TfrmZepplay::KeepFocusUsable() {
  if (GetActiveWindow() != FHandle) return;
  HWND focus = GetFocus();
  if (IsChild(FHandle, focus) && IsUsable(focus)) return;
  RestoreFocus();
}

void TfrmZepplay::RestoreFocus() {
  HWND target = IsUsable(FLastFocus) && IsChild(FHandle, FLastFocus) ? FLastFocus
                                                                      : GetNextDlgTabItem(FHandle, nullptr, FALSE);
  if (target) SetFocus(target);
}

HWND TfrmZepplay::OptionControl(TOptionControl control) const {
  switch (control) {
    case TOptionControl::rad1:
      return Control(ControlId::rad1);
    case TOptionControl::rad2:
      return Control(ControlId::rad2);
    case TOptionControl::chkDouji:
      return Control(ControlId::chkDouji);
    case TOptionControl::chkEndClose:
      return Control(ControlId::chkEndClose);
    case TOptionControl::chkHotClose:
      return Control(ControlId::chkHotClose);
  }
  return nullptr;
}

namespace {
TScreenRect ScreenRectOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info))
    reinterpret_cast<std::vector<TScreenRect>*>(areas)->push_back(ScreenRectOf(info.rcWork));
  return TRUE;
}
}  // namespace

// A remembered position on a monitor that is gone, or out of any range, would leave
// the window where the user cannot reach it: it moves onto the nearest monitor.
void TfrmZepplay::KeepReachable() {
  const RECT frame = Frame();
  POINT clientOrigin = {0, 0};
  ClientToScreen(FHandle, &clientOrigin);
  std::vector<TScreenRect> workAreas;
  EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&workAreas));
  MONITORINFO nearest = {};
  nearest.cbSize = sizeof nearest;
  GetMonitorInfoA(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &nearest);
  const TScreenPoint place =
      ReachablePosition(ScreenRectOf(frame), clientOrigin.y - frame.top, workAreas, ScreenRectOf(nearest.rcWork));
  if (place.X != frame.left || place.Y != frame.top)
    SetWindowPos(FHandle, nullptr, place.X, place.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TfrmZepplay::Frame() const {
  RECT frame = {};
  GetWindowRect(FHandle, &frame);
  return frame;
}

void TfrmZepplay::MoveFrame(int left, int top, int width, int height) {
  SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- IWizardView ----

void TfrmZepplay::PlacePages(int left, int top) {
  for (int page : Pages)
    SetWindowPos(Control(page), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmZepplay::ShowPagePanel(int page) {
  for (int index = 0; index < 4; ++index)
    if (index == page) ShowWindow(Control(Pages[index]), SW_SHOW);
  for (int index = 0; index < 4; ++index)
    if (index != page) ShowWindow(Control(Pages[index]), SW_HIDE);
  KeepFocusUsable();
}

void TfrmZepplay::SetTitle(const std::string& text) {
  SetWindowTextA(Control(ControlId::lblTitle), text.c_str());
  FitToText(ControlId::lblTitle);
}

void TfrmZepplay::SetBackEnabled(bool enabled) {
  EnableWindow(Control(ControlId::btnBack), enabled);
  KeepFocusUsable();
}

void TfrmZepplay::SetNextEnabled(bool enabled) {
  EnableWindow(Control(ControlId::btnNext), enabled);
  KeepFocusUsable();
}

std::string TfrmZepplay::SettingsPath() const { return WindowText(Control(ControlId::txtZepName)); }

void TfrmZepplay::SetSettingsPath(const std::string& text) {
  HWND edit = Control(ControlId::txtZepName);
  if (WindowText(edit) != text) SetWindowTextA(edit, text.c_str());
  NoteSettingsPathChange();  // in case the edit box did not report the change itself
}

std::string TfrmZepplay::ExeName() const { return WindowText(Control(ControlId::txtExeName)); }

void TfrmZepplay::SetExeName(const std::string& text) {
  SetWindowTextA(Control(ControlId::txtExeName), text.c_str());
}

void TfrmZepplay::SetResult(const std::string& text) {
  SetWindowTextA(Control(ControlId::lblExeName), text.c_str());
  FitToText(ControlId::lblExeName);
}

void TfrmZepplay::SetProgress(int progress) { GaugeSetProgress(Control(ControlId::g1), progress); }

bool TfrmZepplay::IsChecked(TOptionControl control) const {
  return SendMessageA(OptionControl(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TfrmZepplay::SetChecked(TOptionControl control, bool checked) {
  SendMessageA(OptionControl(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  bool isRadio = control == TOptionControl::rad1 || control == TOptionControl::rad2;
  if (!isRadio) return;
  if (checked) {
    TOptionControl partner = control == TOptionControl::rad1 ? TOptionControl::rad2 : TOptionControl::rad1;
    SendMessageA(OptionControl(partner), BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SyncRadioButtons();
}

void TfrmZepplay::SetEnabled(TOptionControl control, bool enabled) {
  EnableWindow(OptionControl(control), enabled);
  KeepFocusUsable();
}

void TfrmZepplay::SetCaption(const std::string& text) { SetWindowTextA(FHandle, text.c_str()); }

int TfrmZepplay::Left() const { return Frame().left; }
int TfrmZepplay::Top() const { return Frame().top; }

void TfrmZepplay::SetLeft(int left) {
  RECT frame = Frame();
  MoveFrame(left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
}

void TfrmZepplay::SetTop(int top) {
  RECT frame = Frame();
  MoveFrame(frame.left, top, frame.right - frame.left, frame.bottom - frame.top);
}

int TfrmZepplay::OuterWidth() const { return Frame().right - Frame().left; }
int TfrmZepplay::OuterHeight() const { return Frame().bottom - Frame().top; }

void TfrmZepplay::SetOuterHeight(int height) {
  RECT frame = Frame();
  MoveFrame(frame.left, frame.top, frame.right - frame.left, height);
}

void TfrmZepplay::SetOuterWidth(int width) {
  RECT frame = Frame();
  MoveFrame(frame.left, frame.top, width, frame.bottom - frame.top);
}

void TfrmZepplay::Close() { SendMessageA(FHandle, WM_CLOSE, 0, 0); }
