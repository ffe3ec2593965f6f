// The main window's message dispatch: what the window handles itself, and which
// notification of which control reaches which handler of the controller.
#include "wizard/win/ControlIds.h"
#include "wizard/win/DialogKeys.h"
#include "wizard/win/DroppedFiles.h"
#include "wizard/win/MainWindow.h"
#include "wizard/win/StartPathMessage.h"
#include "wizard/win/SystemCommands.h"
#include "wizard/win/WindowText.h"

namespace {
constexpr int kRadios[] = {ControlId::kShowNothingRadio, ControlId::kTrayIconRadio};

// The controls that Enter presses while they have the focus, instead of the default button.
bool IsPressedByEnter(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::SpeedButton ||
         kind == ControlKind::LinkLabel;
}
}  // namespace

bool MainWindow::TranslateKey(const MSG& message) {
  if (!Handle()) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1 &&
      (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) {
    Fire(&IWizardEvents::OnHelp);
    return true;
  }
  return TranslateDialogKey(Handle(), Control(ControlId::kNextButton), message);
}

LRESULT MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      const ControlSpec* spec = MainWindowLayout().Find(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
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
      if (SystemCommandOf(wParam) != SC_MINIMIZE) break;
      // The application window stands for the program: it is minimised instead.
      SendMessageA(host_.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return 0;
    case WM_HELP:
      Fire(&IWizardEvents::OnHelp);
      return TRUE;
    case WM_DROPFILES:
      Fire(&IWizardEvents::OnFileDropped, TakeFirstDroppedFile(reinterpret_cast<HDROP>(wParam)));
      return 0;
    case WM_COPYDATA: {
      // The path of a second start, taken as a drop is: not while a box makes the window
      // disabled.
      std::string path;
      if (!IsWindowEnabled(window) ||
          !ReceivedStartPath(*reinterpret_cast<const COPYDATASTRUCT*>(lParam), path))
        return FALSE;
      Fire(&IWizardEvents::OnFileDropped, path);
      return TRUE;
    }
    case WM_CLOSE:
      Fire(&IWizardEvents::OnCloseRequest);
      window_.Reset();
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
      host_.MainFormDestroyed(!destroyedByOwner_);
      return 0;
    case WM_NCDESTROY:
      window_.Release();  // the system destroys it
      controls_.Clear();
      lastFocus_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
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
    {ControlId::kPropertiesButton, BN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnProperties>},
    {ControlId::kStartOverLink, STN_CLICKED, &MainWindow::Forward<&IWizardEvents::OnStartOver>},
    {ControlId::kSettingsPathEdit, EN_CHANGE, &MainWindow::NoteSettingsPathChange},
    {ControlId::kShowNothingRadio, BN_CLICKED, &MainWindow::NoteRadioClick},
    {ControlId::kTrayIconRadio, BN_CLICKED, &MainWindow::NoteRadioClick},
};

void MainWindow::OnCommand(int id, int code, HWND control) {
  // The default look follows what Enter presses (see ShowDefaultLookOn).
  const ControlSpec* spec = MainWindowLayout().Find(id);
  if (spec && IsPressedByEnter(spec->Kind) && (code == BN_SETFOCUS || code == BN_KILLFOCUS))
    ShowDefaultLookOn(code == BN_SETFOCUS ? control : nullptr);
  for (const ControlEvent& event : kControlEvents)
    if (event.Control == id && event.Notification == static_cast<UINT>(code)) (this->*event.Handler)(id);
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
  Fire(&IWizardEvents::OnVisibilityChosen);
}

// Remembers which radio button is selected and makes it the group's tab stop
// (ShowNothingRadio when neither is).
void MainWindow::SyncRadioButtons() {
  for (int index = 0; index < 2; ++index) radioSelected_[index] = IsButtonChecked(kRadios[index]);
  bool firstIsStop = radioSelected_[0] || !radioSelected_[1];
  for (int index = 0; index < 2; ++index) {
    HWND radio = Control(kRadios[index]);
    LONG style = GetWindowLongA(radio, GWL_STYLE);
    bool isStop = (index == 0) == firstIsStop;
    SetWindowLongA(radio, GWL_STYLE, isStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
}

// The push button with the focus shows the default button's heavy border; while the
// tool button or the link label has the focus, none does, as Enter presses that; with
// the focus elsewhere NextButton shows it.
void MainWindow::ShowDefaultLookOn(HWND focusedButton) {
  HWND next = Control(ControlId::kNextButton);
  HWND defaultLook = focusedButton ? focusedButton : next;
  for (const ControlSpec& spec : MainWindowLayout().Controls) {
    if (spec.Kind != ControlKind::PushButton) continue;
    HWND button = Control(spec.Id);
    DWORD style = button == defaultLook ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    SendMessageA(button, BM_SETSTYLE, style | BS_NOTIFY, TRUE);
  }
}
