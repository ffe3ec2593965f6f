#include "wizard/win/Application.h"

#include "common/Texts.h"
#include "wizard/win/MainWindow.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WindowClasses.h"

TApplication::TApplication() {
  RegisterWindowClasses(GetModuleHandleA(nullptr));
  // No size: the window is never seen, only its taskbar button.
  CheckCreated(CreateWindowExA(0, ClassName, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                               GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                               nullptr, GetModuleHandleA(nullptr), this),
               Texts::WindowNotCreated, ClassName);
}

TApplication::~TApplication() {
  if (FHandle) DestroyWindow(FHandle);
}

void TApplication::SetTitle(const std::string& title) {
  FTitle = title;
  SetWindowTextA(FHandle, FTitle.c_str());
}

HWND TApplication::MainWindow() const { return FMainForm ? FMainForm->Handle() : nullptr; }

void TApplication::CreateMainWindow(TfrmZepplay& form, IWizardEvents& events) {
  FMainForm = &form;
  form.Create(events);
}

int TApplication::Run() {
  if (!FEndRequested && MainWindow()) {
    ShowWindow(FHandle, SW_SHOWNOACTIVATE);
    FMainForm->Show();
  }
  MSG message;
  while (!FQuitSeen) {
    BOOL result = GetMessageA(&message, nullptr, 0, 0);
    if (result == -1) break;
    if (result == 0)
      NoteQuit(message);
    else
      Dispatch(message);
  }
  return FExitCode;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (!FQuitSeen && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT)
      NoteQuit(message);
    else
      Dispatch(message);
  }
}

void TApplication::RequestEnd(int exitCode) {
  FEndRequested = true;
  FExitCode = exitCode;
  PostQuitMessage(exitCode);
}

void TApplication::MainWindowDestroyed(bool endApplication) {
  FMainForm = nullptr;
  if (endApplication && !FEndRequested) RequestEnd(FExitCode);
}

void TApplication::Dispatch(MSG& message) {
  if (FMainForm && FMainForm->TranslateKey(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void TApplication::NoteQuit(const MSG& quit) {
  FQuitSeen = true;
  FEndRequested = true;
  FExitCode = static_cast<int>(quit.wParam);
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = FHandle;
  HWND main = MainWindow();
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        if (main) ShowWindow(main, SW_HIDE);
      } else if ((wParam & 0xFFF0) == SC_RESTORE) {
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
      FHandle = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
