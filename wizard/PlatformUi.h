#pragma once
// The platform services the wizard uses that block, open other programs or belong to
// the application: modal boxes, help, the shell, the file-open dialog, the properties
// dialog, the pause after a conversion, the application title and the end of the
// application. The program implements it over Win32; tests replace it to record the calls.
#include <functional>
#include <optional>
#include <string>

#include "conversion/Conversion.h"
#include "wizard/PropertiesForm.h"

// The program's one help topic: the window and its help button carry it as their
// context, and help opens at it.
inline constexpr unsigned kHelpContext = 1;

class IPlatformUi : public IWarningSink {
 public:
  // The warning box ("警告", exclamation icon, one OK button).
  void ShowWarning(const std::string& text) override = 0;
  // The default error report: the application title as caption, the error icon, and
  // the message with "." appended when its last byte sorts after ".".
  virtual void ShowErrorReport(const std::string& message) = 0;
  // WinHelpA(main window, help file, HELP_CONTEXT, context) on the current help file.
  virtual void SetHelpFile(const std::string& path) = 0;
  virtual void ShowHelp(unsigned context) = 0;
  // Opens the help page (a cp932 path) in the default browser at the section with this
  // id; where no browser can be started with it, the page opens from its top. False
  // when neither could be opened.
  virtual bool OpenHelpPage(const std::string& page, const std::string& section) = 0;
  // ShellExecuteA(main window, "open", folder, nullptr, nullptr, SW_SHOW); false when
  // the shell could not open it.
  virtual bool OpenFolder(const std::string& folder) = 0;
  // The process's current folder (GetCurrentDirectoryA), where a path without a
  // folder part leads.
  virtual std::string CurrentFolder() = 0;
  // The file-open dialog, started from path (its folder shown, its name offered; an
  // empty path offers the file chosen last). True with the chosen path in path when
  // the user confirms; path stays as it was when the user cancels.
  virtual bool ChooseSettingsFile(std::string& path) = 0;
  // The properties dialog, modal, starting with the texts of form. Beside the icon field
  // it draws the icon of the file the field names, else keptIcon (none: no icon). OK
  // hands the texts to accept, and the dialog closes when accept returns; Cancel, Esc
  // and the close box close it without. Help and F1 run help. An Exception that accept
  // or help raises is shown as the default error report, and the dialog stays open.
  virtual void EditProperties(const PropertiesForm& form, const std::optional<IconGroup>& keptIcon,
                              const std::function<void(const PropertiesForm&)>& accept,
                              const std::function<void()>& help) = 0;
  // Waits on the GUI thread (Sleep).
  virtual void Pause(unsigned milliseconds) = 0;
  // The application title (taskbar text, caption of the error report).
  virtual void SetApplicationTitle(const std::string& title) = 0;
  // Requests the end of the application; the message loop stops at its first message
  // and the process ends with this exit code.
  virtual void RequestEnd(int exitCode) = 0;
};
