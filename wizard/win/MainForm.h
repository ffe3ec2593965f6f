#pragma once
// The two sides of the main window's life in the application: what the application
// asks of its main window, and what the main window asks of the application that owns
// it. Neither side knows the other's class.
#include <windows.h>

class IWizardEvents;

// The main window as the application runs it.
class IMainForm {
 public:
  virtual ~IMainForm() = default;
  // Creates the window, hidden and owned by the application window, with all its
  // controls; then runs events.OnCreate as the last step.
  virtual void Create(IWizardEvents& events) = 0;
  virtual HWND Handle() const = 0;
  // Shows the window, within reach of the user, with the focus on its first tab stop.
  virtual void Show() = 0;
  // The window's keys for a message about to be dispatched; true when handled.
  virtual bool TranslateKey(const MSG& message) = 0;
};

// The application as its main window sees it.
class IMainFormHost {
 public:
  virtual ~IMainFormHost() = default;
  // The application window: the main window's owner, which stands for the program.
  virtual HWND Handle() const = 0;
  // The main window is being destroyed; with endApplication the application ends.
  virtual void MainFormDestroyed(bool endApplication) = 0;
};
