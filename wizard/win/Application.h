#pragma once
// The application object: the hidden application window that stands for the program
// on the taskbar (its caption is the application title, its icon the program's main
// icon) and owns the main window, the help file path, and the message loop.
//
// The program entry uses it like this:
//   TApplication application;
//   application.SetTitle(Texts::ApplicationTitle);
//   application.SetHelpFile(Texts::HelpFileName);
//   TWinPlatformUi platform(application);
//   TfrmZepplay form(application, platform);
//   TWizardController controller(form, platform, ...);
//   application.CreateMainWindow(form, controller);  // FormCreate runs in here
//   return application.Run();
#include <windows.h>

#include <string>

class TfrmZepplay;
class IWizardEvents;

class TApplication {
 public:
  static constexpr char ClassName[] = "TApplication";

  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // The application title: the caption of the application window (the taskbar text)
  // and of the default error report.
  void SetTitle(const std::string& title);
  const std::string& Title() const { return FTitle; }
  void SetHelpFile(const std::string& path) { FHelpFile = path; }
  const std::string& HelpFile() const { return FHelpFile; }

  HWND Handle() const { return FHandle; }
  // The main window, or nullptr before it is created and after it is destroyed.
  HWND MainWindow() const;

  // Makes form the main window: creates it, owned by the application window, and runs
  // events.FormCreate as the last step of its construction.
  void CreateMainWindow(TfrmZepplay& form, IWizardEvents& events);
  // Shows the main window, unless the end has been requested already, and processes
  // messages until the end. Returns the exit code.
  int Run();
  // Processes the messages that are waiting, without waiting for more.
  void ProcessMessages();
  // Ends the message loop: what is queued is still handled, then the loop stops at the
  // quit message without waiting for input. Also honoured before Run starts.
  void RequestEnd(int exitCode);
  bool EndRequested() const { return FEndRequested; }
  // The exit code for an end that comes later, when the main window is closed.
  void SetExitCode(int exitCode) { FExitCode = exitCode; }

  // Called by the main window when it is destroyed; closing it ends the application.
  void MainWindowDestroyed(bool endApplication);

 private:
  template <class Owner>
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window) { FHandle = window; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Dispatch(MSG& message);
  void NoteQuit(const MSG& quit);

  HWND FHandle = nullptr;
  std::string FTitle;
  std::string FHelpFile;
  TfrmZepplay* FMainForm = nullptr;
  bool FEndRequested = false;
  bool FQuitSeen = false;
  int FExitCode = 0;
};
