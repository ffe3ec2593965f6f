#pragma once
// The four playback options that the header line of a settings file carries.

struct HeaderOptions {
  bool ShowNothing = true;       // ShowNothingRadio selected: column 57 ")"; otherwise "-" (tray icon)
  bool PlayOnStart = true;       // PlayOnStartCheck: column 70 "1" / "0"
  bool ExitAtEnd = true;         // ExitAtEndCheck: column 71 "1" / "0"
  bool ExitOnControlKey = true;  // ExitOnKeyCheck: column 1 "1" / "Z"
};
