#pragma once
// The file-open dialog for settings files: Explorer style, sizable, no read-only check
// box, the one filter "ZephyrClick設定ファイル (*.zep)", the system's own title, no
// initial folder and no default extension. The file chosen last is offered again as
// the initial file name. When the dialog has set itself up it moves to the middle of
// the monitor that holds a given window, one third down.
#include <windows.h>

#include <string>

class OpenSettingsDialog {
 public:
  // Shows the dialog owned by owner, placed on the monitor of placeOn. True with the
  // chosen path when the user confirms; path stays as it was when the user cancels.
  bool Execute(HWND owner, HWND placeOn, std::string& path);

 private:
  std::string fileName_;
};

// Where a dialog of the given size stands on a monitor: centred horizontally, one third
// of the free height from the top.
POINT DialogPlaceOnMonitor(const RECT& monitor, SIZE dialog);
