#pragma once
// The properties dialog (PropertiesDialogLayout, caption "実行ファイルのプロパティ"): the
// executable's icon file, with the icon drawn beside it at 32 and 16 pixels, and the six
// texts of its version information. A box of the dialog manager with a message loop of
// its own, modal for the whole program; laid out in pixels at the display scale of its
// monitor as the main window is, again when it moves to a monitor of another one. The
// dialog manager gives it Tab and Shift+Tab, the access keys of its labels and buttons,
// Enter for OK, and Esc and the close box for Cancel; F1 presses Help.
#include <windows.h>

#include <exception>
#include <functional>
#include <optional>
#include <string>

#include "wizard/PropertiesForm.h"
#include "wizard/win/DisplayScale.h"
#include "wizard/win/LayoutControls.h"
#include "wizard/win/OpenFileDialog.h"
#include "wizard/win/WindowFonts.h"

// What the dialog hands on: the texts when OK is pressed (an Exception raised leaves them
// not taken), Help, and the error report for such an Exception.
struct PropertiesDialogHandlers {
  std::function<void(const PropertiesForm&)> Accept;
  std::function<void()> Help;
  std::function<void(const std::string& message)> ShowError;
};

class PropertiesDialog {
 public:
  // The dialog will start with the texts of form and draw the icon of the file that its
  // icon field names, else keptIcon. iconFiles chooses that file.
  PropertiesDialog(const PropertiesForm& form, const std::optional<IconGroup>& keptIcon,
                   PropertiesDialogHandlers handlers, OpenFileDialog& iconFiles);
  PropertiesDialog(const PropertiesDialog&) = delete;
  PropertiesDialog& operator=(const PropertiesDialog&) = delete;

  // Shows the dialog owned by owner, in the middle of it, until OK has its texts taken or
  // the user cancels. Raises what stopped the dialog otherwise (a control not made,
  // say); a quit message that came meanwhile goes on to the application's loop.
  void Run(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void Start();
  void Rescale(int dpi, const RECT& frame);
  SIZE FrameSize(int dpi) const;
  void ShowIcon();
  void Browse();
  void Help();
  // Runs action; an Exception it raises is shown, and the result is false.
  bool Attempt(const std::function<void()>& action);
  std::string IconPath() const;
  PropertiesForm Form() const;
  HWND Control(int id) const { return controls_.Control(id); }

  PropertiesForm form_;
  const std::optional<IconGroup>& keptIcon_;
  PropertiesDialogHandlers handlers_;
  OpenFileDialog& iconFiles_;
  HWND box_ = nullptr;
  HWND owner_ = nullptr;
  DisplayScale scale_;
  WindowFonts fonts_;
  LayoutControls controls_;
  bool done_ = false;
  std::exception_ptr failure_;  // what stopped the dialog, raised again after it
};
