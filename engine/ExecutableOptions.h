#pragma once
// The four options of a generated executable, which its settings file's header line
// carries: whether it shows nothing or a tray icon, and three flags of its behaviour.
// One plain value, whatever front end chose it.

enum class Visibility {
  ShowNothing,
  TrayIcon,
  // Neither chosen, as remembered options may have it: the executable shows the tray
  // icon, and the choice is remembered as it was.
  Unchosen,
};

struct ExecutableOptions {
  Visibility Shown = Visibility::ShowNothing;  // header column 57: ")" for nothing, "-" otherwise
  bool PlayOnStart = true;                     // column 70: "1" / "0"
  bool ExitAtEnd = true;                       // column 71: "1" / "0"
  bool ExitOnControlKey = true;                // column 1: "1" / "Z"

  bool ShowsNothing() const { return Shown == Visibility::ShowNothing; }
  bool operator==(const ExecutableOptions& other) const {
    return Shown == other.Shown && PlayOnStart == other.PlayOnStart && ExitAtEnd == other.ExitAtEnd &&
           ExitOnControlKey == other.ExitOnControlKey;
  }
};

// The visibility rule: an executable that shows nothing would run unseen and could not be
// stopped unless it plays on start, ends after the last step and ends on the play/stop
// key. While it shows nothing, the three flags are on and locked.
inline bool FlagsLocked(const ExecutableOptions& options) { return options.ShowsNothing(); }
inline ExecutableOptions WithVisibilityRule(ExecutableOptions options) {
  if (FlagsLocked(options)) options.PlayOnStart = options.ExitAtEnd = options.ExitOnControlKey = true;
  return options;
}
