#include "wizard/win/Application.h"

#include "common/Texts.h"
#include "wizard/win/SystemCommands.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WindowClasses.h"

Application::Application() {
  RegisterWindowClasses(GetModuleHandleA(nullptr));
  // No size: the window is never seen, only its taskbar button.
  CheckCreated(CreateWindowExA(0, kClassName, "",
                               WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                               GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                               nullptr, nullptr, GetModuleHandleA(nullptr), this),
               Texts::kWindowNotCreated, kClassName);
}

Application::~Application() = default;

void Application::SetTitle(const std::string& title) {
  title_ = title;
  SetWindowTextA(Handle(), title_.c_str());
}

HWND Application::MainWindowHandle() const { return mainForm_ ? mainForm_->Handle() : nullptr; }

void Application::CreateMainWindow(IMainForm& form, IWizardEvents& events) {
  mainForm_ = &form;
  form.Create(events);
}

int Application::Run() {
  if (!endRequested_ && MainWindowHandle()) {
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    mainForm_->Show();
  }
  MSG message;
  while (!quitSeen_) {
    BOOL result = GetMessageA(&message, nullptr, 0, 0);
    if (result == -1) break;
    if (result == 0)
      NoteQuit(message);
    else
      Dispatch(message);
  }
  return exitCode_;
}

void Application::ProcessMessages() {
  MSG message;
  while (!quitSeen_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT)
      NoteQuit(message);
    else
      Dispatch(message);
  }
}

void Application::RequestEnd(int exitCode) {
  endRequested_ = true;
  exitCode_ = exitCode;
  PostQuitMessage(exitCode);
}

void Application::MainFormDestroyed(bool endApplication) {
  mainForm_ = nullptr;
  if (endApplication && !endRequested_) RequestEnd(exitCode_);
}

void Application::Dispatch(MSG& message) {
  if (mainForm_ && mainForm_->TranslateKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void Application::NoteQuit(const MSG& quit) {
  quitSeen_ = true;
  endRequested_ = true;
  exitCode_ = static_cast<int>(quit.wParam);
}

LRESULT Application::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND main = MainWindowHandle();
  switch (message) {
    case WM_SYSCOMMAND:
      if (SystemCommandOf(wParam) == SC_MINIMIZE) {
        if (main) ShowWindow(main, SW_HIDE);
      } else if (SystemCommandOf(wParam) == SC_RESTORE) {
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        if (main) {
          ShowWindow(main, SW_SHOW);
          SetForegroundWindow(main);
        }
        return result;
      }
      break;
    case WM_SETFOCUS: {
      // Activating the program (its taskbar button) activates the window the user
      // worked in last: the main window or a box above it.
      HWND popup = GetLastActivePopup(window);
      if (popup != window && IsWindowVisible(popup) && IsWindowEnabled(popup)) SetFocus(popup);
      return 0;
    }
    case WM_CLOSE:
      if (main) PostMessageA(main, WM_CLOSE, 0, 0);
      return 0;
    case WM_NCDESTROY:
      window_.Release();  // the system destroys it
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
