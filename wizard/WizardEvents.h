#pragma once
// The main window's event handlers, implemented by the wizard controller. The window
// calls each of them inside its error wrapper: an Exception that leaves a handler is
// shown by the default error report and the program goes on.

class IWizardEvents {
 public:
  virtual ~IWizardEvents() = default;
  // Runs once, as the last step of the window's construction, before it is shown.
  virtual void FormCreate() = 0;
  // The close request (close box, btnClose, log-off query). The window closes after it
  // returns, also when it raised an error.
  virtual void FormCloseQuery() = 0;

  virtual void btnNextClick() = 0;
  virtual void btnBackClick() = 0;
  virtual void btnHelpClick() = 0;
  virtual void btnCloseClick() = 0;
  virtual void btn1Click() = 0;
  virtual void btnOpenFolderClick() = 0;
  virtual void Label9Click() = 0;
  // txtZepName's text changed (typing, the browse command, code).
  virtual void txtZepNameChange() = 0;
  // rad1 or rad2 became selected by the user.
  virtual void rad1Click() = 0;
  virtual void rad2Click() = 0;
};
