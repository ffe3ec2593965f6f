#pragma once
// The application object: the hidden application window that stands for the program
// on the taskbar (its caption is the application title, its icon the program's main
// icon) and owns the main window, the help file path, and the message loop.
//
// The program entry uses it like this:
//   Application application;
//   application.SetTitle(Texts::kApplicationTitle);
//   application.SetHelpFile(Texts::kHelpFileName);
//   WinPlatformUi platform(application);
//   MainWindow form(application, platform);
//   WizardController controller(form, platform, ...);
//   application.CreateMainWindow(form, controller);  // OnCreate runs in here
//   return application.Run();
#include <windows.h>

#include <string>

#include "wizard/win/MainForm.h"
#include "wizard/win/WinHandles.h"

class Application : public IMainFormHost {
 public:
  static constexpr char kClassName[] = "TApplication";

  Application();
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The application title: the caption of the application window (the taskbar text)
  // and of the default error report.
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }
  void SetHelpFile(const std::string& path) { helpFile_ = path; }
  const std::string& HelpFile() const { return helpFile_; }

  HWND Handle() const override { return window_.Get(); }
  // The main window, or nullptr before it is created and after it is destroyed.
  HWND MainWindowHandle() const;

  // Makes form the main window: creates it, owned by the application window, and runs
  // events.OnCreate as the last step of its construction.
  void CreateMainWindow(IMainForm& form, IWizardEvents& events);
  // Shows the main window, unless the end has been requested already, and processes
  // messages until the end. Returns the exit code.
  int Run();
  // Processes the messages that are waiting, without waiting for more.
  void ProcessMessages();
  // Ends the message loop: what is queued is still handled, then the loop stops at the
  // quit message without waiting for input. Also honoured before Run starts.
  void RequestEnd(int exitCode);
  bool EndRequested() const { return endRequested_; }

  // The main window is being destroyed; closing it ends the application.
  void MainFormDestroyed(bool endApplication) override;

 private:
  template <class Owner>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window) { window_.Reset(window); }
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Dispatch(MSG& message);
  void NoteQuit(const MSG& quit);

  WindowHandle window_;
  std::string title_;
  std::string helpFile_;
  IMainForm* mainForm_ = nullptr;
  bool endRequested_ = false;
  bool quitSeen_ = false;
  int exitCode_ = 0;
};
