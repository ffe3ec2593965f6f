#pragma once
// The file-open dialog for settings files and for icon files: Explorer style, sizable,
// no read-only check box, the one filter it is made with, the system's own title and no
// default extension. It opens in the folder of the path it is given, with that path's
// name in the name box; without a path it offers the file chosen last. When the dialog
// has set itself up it moves to the middle of the monitor that holds a given window,
// one third down.
#include <windows.h>

#include <string>

class OpenFileDialog {
 public:
  // filter: display text and pattern, each ended by a NUL, after them one more NUL.
  explicit OpenFileDialog(const char* filter) : filter_(filter) {}

  // Shows the dialog owned by owner, placed on the monitor of placeOn, started from
  // path. True with the chosen path when the user confirms; path stays as it was when
  // the user cancels.
  bool Execute(HWND owner, HWND placeOn, std::string& path);

 private:
  const char* filter_;
  std::string fileName_;
};

// Where a dialog of the given size stands on a monitor: centred horizontally, one third
// of the free height from the top.
POINT DialogPlaceOnMonitor(const RECT& monitor, SIZE dialog);
