#pragma once
#include <string>

// The main window's event handlers, implemented by the wizard controller. The window
// calls each of them inside its error wrapper: an Exception that leaves a handler is
// shown by the default error report and the program goes on.

class IWizardEvents {
 public:
  virtual ~IWizardEvents() = default;
  // Runs once, as the last step of the window's construction, before it is shown.
  virtual void OnCreate() = 0;
  // The close request (close box, CloseButton, log-off query). The window closes after it
  // returns, also when it raised an error.
  virtual void OnCloseRequest() = 0;

  virtual void OnNext() = 0;
  virtual void OnBack() = 0;
  virtual void OnHelp() = 0;
  virtual void OnClose() = 0;
  virtual void OnBrowse() = 0;
  virtual void OnOpenFolder() = 0;
  // PropertiesButton on page 2: the properties dialog.
  virtual void OnProperties() = 0;
  virtual void OnStartOver() = 0;
  // SettingsPathEdit's text changed (typing, the browse command, code).
  virtual void OnSettingsPathChange() = 0;
  // Files were dropped onto the window; path is the first of them (cp932).
  virtual void OnFileDropped(const std::string& path) = 0;
  // The user selected a visibility radio button that was not selected before.
  virtual void OnVisibilityChosen() = 0;
};
