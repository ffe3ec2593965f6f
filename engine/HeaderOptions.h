#pragma once
// The four playback options that the header line of a settings file carries.

struct THeaderOptions {
  bool ShowNothing = true;       // rad1 selected: column 57 ")"; otherwise "-" (tray icon)
  bool PlayOnStart = true;       // chkDouji: column 70 "1" / "0"
  bool ExitAtEnd = true;         // chkEndClose: column 71 "1" / "0"
  bool ExitOnControlKey = true;  // chkHotClose: column 1 "1" / "Z"
};
