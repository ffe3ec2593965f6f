#pragma once
// What the programs' exit codes tell a calling script: zepplay.exe and the console
// program zepplayc.exe share the table.

// The executable was made (and, without "-s", the window was closed normally; the
// console program's help and version were written, its inspection printed, its
// settings file extracted). With many files, every one of them.
inline constexpr int kExitMade = 0;
// A warning stopped the conversion: the settings file is missing or not a settings
// file, or the runtime file is missing; in the console program also a file that no
// conversion made, a different file where one is extracted to, a pattern that matches
// nothing. Nothing was made. With many files, the console program ends with the
// highest code of them.
inline constexpr int kExitWarning = 1;
// An error stopped the conversion or the start: a file that cannot be read, created or
// written, unreadable remembered options, a window that cannot be made, a console run
// interrupted by the user. Nothing was made.
inline constexpr int kExitError = 2;
// "-s" was given while another instance runs: that one was brought forward and
// nothing was converted.
inline constexpr int kExitAnotherInstance = 3;
// The console program only: its command line is wrong (an unknown option, no file, "-o"
// without a path or with many files, options that do not go together, a flag that the
// visibility forbids). Nothing was made.
inline constexpr int kExitBadCommandLine = 4;
