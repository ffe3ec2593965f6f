#pragma once
// What the program's exit code tells a calling script.

// The executable was made (and, without "-s", the window was closed normally).
inline constexpr int kExitMade = 0;
// A warning stopped the conversion: the settings file is missing or not a settings
// file, or the runtime file is missing. Nothing was made.
inline constexpr int kExitWarning = 1;
// An error stopped the conversion or the start: a file that cannot be read, created or
// written, unreadable remembered options, a window that cannot be made. Nothing was made.
inline constexpr int kExitError = 2;
// "-s" was given while another instance runs: that one was brought forward and
// nothing was converted.
inline constexpr int kExitAnotherInstance = 3;
