#include "wizard/win/PropertiesDialog.h"

#include <utility>

#include "common/Exception.h"
#include "common/Texts.h"
#include "wizard/ScreenPlacement.h"
#include "wizard/SettingsPathText.h"
#include "wizard/win/GroupIcon.h"
#include "wizard/win/Image.h"
#include "wizard/win/ModalScope.h"
#include "wizard/win/PropertiesDialogLayout.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WinHandles.h"
#include "wizard/win/WindowDpi.h"
#include "wizard/win/WindowText.h"

namespace {
namespace C = PropertiesControlId;
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// The fields of the form and the edit boxes that show them.
struct FieldControl {
  int Id;
  std::string PropertiesForm::*Text;
};
const FieldControl kFields[] = {
    {C::kIconPathEdit, &PropertiesForm::IconPath},
    {C::kFileVersionEdit, &PropertiesForm::FileVersion},
    {C::kProductVersionEdit, &PropertiesForm::ProductVersion},
    {C::kDescriptionEdit, &PropertiesForm::Description},
    {C::kProductEdit, &PropertiesForm::Product},
    {C::kCompanyEdit, &PropertiesForm::Company},
    {C::kCopyrightEdit, &PropertiesForm::Copyright},
};

// The sides, in 96-DPI pixels, of the icon drawn twice.
struct IconSize {
  int Id;
  int Side;
};
const IconSize kIconSizes[] = {{C::kLargeIcon, 32}, {C::kSmallIcon, 16}};

// The icon of the file at path; none while the path names no icon file.
std::optional<IconGroup> IconOfFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  try {
    return ReadIcon(path);
  } catch (const Exception&) {
    return std::nullopt;
  }
}

bool IsHelpKey(HWND box, const MSG& message) {
  return message.message == WM_KEYDOWN && message.wParam == VK_F1 &&
         (message.hwnd == box || IsChild(box, message.hwnd));
}
}  // namespace

PropertiesDialog::PropertiesDialog(const PropertiesForm& form, const std::optional<IconGroup>& keptIcon,
                                   PropertiesDialogHandlers handlers, OpenFileDialog& iconFiles)
    : form_(form),
      keptIcon_(keptIcon),
      handlers_(std::move(handlers)),
      iconFiles_(iconFiles),
      controls_(PropertiesDialogLayout()) {}

void PropertiesDialog::Run(HWND owner) {
  owner_ = owner;
  // An empty template: the dialog lays out its controls in pixels when it starts.
  alignas(DWORD) WORD dialogTemplate[16] = {};
  auto* header = reinterpret_cast<DLGTEMPLATE*>(dialogTemplate);
  header->style = kBoxStyle;
  WindowHandle box;  // goes once the windows under it are usable again
  {
    ModalScope modal;
    box.Reset(CreateDialogIndirectParamA(GetModuleHandleA(nullptr), header, owner, DialogProc,
                                         reinterpret_cast<LPARAM>(this)));
    if (!box && !failure_) ThrowSystemError(Texts::kWindowNotCreated, "#32770");
    ShowWindow(box.Get(), SW_SHOW);
    MSG message;
    while (!done_) {
      const BOOL got = GetMessageA(&message, nullptr, 0, 0);
      if (got <= 0) {
        if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the application's loop
        break;
      }
      if (IsHelpKey(box.Get(), message)) {
        Help();
      } else if (!IsDialogMessageA(box.Get(), &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    ShowWindow(box.Get(), SW_HIDE);
  }
  if (failure_) std::rethrow_exception(failure_);
}

INT_PTR CALLBACK PropertiesDialog::DialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(box, DWLP_USER, lParam);
    reinterpret_cast<PropertiesDialog*>(lParam)->box_ = box;
  }
  auto* dialog = reinterpret_cast<PropertiesDialog*>(GetWindowLongPtrA(box, DWLP_USER));
  if (!dialog) return FALSE;
  // No error may pass through the dialog manager that called this: it ends the dialog,
  // and Run raises it again.
  try {
    return dialog->HandleMessage(message, wParam, lParam);
  } catch (...) {
    dialog->failure_ = std::current_exception();
    dialog->done_ = true;
    return FALSE;
  }
}

INT_PTR PropertiesDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Start();
      return TRUE;  // the dialog manager puts the focus on the first field
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_GETDPISCALEDSIZE:
      *reinterpret_cast<SIZE*>(lParam) = FrameSize(static_cast<int>(wParam));
      SetWindowLongPtrA(box_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_DPICHANGED:
      Rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void PropertiesDialog::OnCommand(int id, int code) {
  if (id == C::kIconPathEdit && code == EN_CHANGE) ShowIcon();
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDOK:
      if (Attempt([this] { handlers_.Accept(Form()); })) done_ = true;
      break;
    case IDCANCEL:
      done_ = true;
      break;
    case C::kHelpButton:
      Help();
      break;
    case C::kIconBrowseButton:
      Browse();
      break;
    default:
      break;
  }
}

// Laid out at the scale of the window it belongs to, with the texts of the form, in the
// middle of that window and whole on the work area.
void PropertiesDialog::Start() {
  SetWindowTextA(box_, Texts::Window::kPropertiesCaption);
  scale_ = DisplayScale(WindowDpi(owner_));
  fonts_ = WindowFonts(scale_);
  controls_.Create(box_, scale_, fonts_);
  for (const FieldControl& field : kFields) SetWindowTextA(Control(field.Id), (form_.*field.Text).c_str());
  ShowIcon();
  const SIZE size = FrameSize(scale_.Dpi());
  RECT over = {};
  GetWindowRect(owner_, &over);
  const int left = (over.left + over.right - size.cx) / 2, top = (over.top + over.bottom - size.cy) / 2;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const ScreenPoint place = PositionOnWorkArea({left, top, left + size.cx, top + size.cy},
                                               {work.left, work.top, work.right, work.bottom});
  SetWindowPos(box_, nullptr, place.X, place.Y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog has come onto a monitor of another resolution: everything is laid out again
// at the new scale, and the dialog takes the frame that the system suggests.
void PropertiesDialog::Rescale(int dpi, const RECT& frame) {
  scale_ = DisplayScale(dpi);
  // The fonts of the old scale stay until every control has been given the new ones.
  const WindowFonts previousFonts = std::exchange(fonts_, WindowFonts(scale_));
  controls_.Rescale(scale_, fonts_);
  ShowIcon();
  SetWindowPos(box_, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// The outer size of the dialog whose client area is the layout's at dpi.
SIZE PropertiesDialog::FrameSize(int dpi) const {
  const ControlLayout& layout = PropertiesDialogLayout();
  const PixelRect client = DisplayScale(dpi).Of(PixelRect{0, 0, layout.ClientWidth, layout.ClientHeight});
  return FrameSizeFor({client.Width, client.Height}, kBoxStyle, GetWindowLongA(box_, GWL_EXSTYLE), dpi);
}

// The icon of the file named, else the one the executable would keep, at both sizes.
void PropertiesDialog::ShowIcon() {
  const std::optional<IconGroup> chosen = IconOfFile(IconPath());
  const std::optional<IconGroup>& shown = chosen ? chosen : keptIcon_;
  for (const IconSize& icon : kIconSizes)
    ImageSetIcon(Control(icon.Id), shown ? IconOfGroup(*shown, scale_.Of(icon.Side)) : IconHandle());
}

void PropertiesDialog::Browse() {
  std::string path = IconPath();
  if (iconFiles_.Execute(box_, box_, path)) SetWindowTextA(Control(C::kIconPathEdit), path.c_str());
}

void PropertiesDialog::Help() {
  Attempt([this] { handlers_.Help(); });
}

bool PropertiesDialog::Attempt(const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (const Exception& error) {
    handlers_.ShowError(error.Message());
    return false;
  }
}

// Explorer's "copy as path" puts the path in quotes.
std::string PropertiesDialog::IconPath() const {
  return WithoutSurroundingQuotes(WindowText(Control(C::kIconPathEdit)));
}

PropertiesForm PropertiesDialog::Form() const {
  PropertiesForm form;
  for (const FieldControl& field : kFields) form.*field.Text = WindowText(Control(field.Id));
  form.IconPath = IconPath();
  return form;
}
