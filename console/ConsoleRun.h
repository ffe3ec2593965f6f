#pragma once
// The console program's run, without the console: it reads the command line, and
// converts settings files with the remembered options as the window shows them
// (reading, never writing), or inspects, extracts from or updates executables; it tells
// the outcome in lines and an exit code (ExitCodes.h).
#include <functional>
#include <string>
#include <vector>

#include "conversion/OptionsStore.h"

enum class ConsoleStream { Output, Error };

// Standard output and standard error, taking cp932 text with its line ends; a name in it
// may hold the escapes of characters cp932 lacks (platform/ForeignCharacters.h).
class IConsoleStreams {
 public:
  virtual ~IConsoleStreams() = default;
  virtual void Write(ConsoleStream stream, const std::string& text) = 0;
};

struct ConsoleRunFacts {
  std::string ProgramPath;  // the program's own path; Zepcom.dat lies beside it
  // The command-line arguments after the program name; characters the code page lacks are
  // escapes (platform/ForeignCharacters.h), so no file call can take such an argument.
  std::vector<std::string> Arguments;
  std::function<bool()> Interrupted;  // true once the user has asked the run to stop
};

// Runs the program and returns its exit code: with many files, the highest of theirs.
// The path of each file made goes to standard output; every warning and error is one
// line of standard error. The run stops before its next step once interrupted, leaving
// no file of the step behind. A settings file whose header line is too short for the
// option columns, or whose reading a NUL byte ended, is converted with a warning.
int RunConsoleProgram(const ConsoleRunFacts& facts, IOptionsStore& store, IConsoleStreams& streams);
