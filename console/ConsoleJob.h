#pragma once
// What the console program's work on each file shares: the run's facts, its command,
// the program's own files, its two streams, and the checks every file goes through.
#include <string>

#include "console/ConsoleCommandLine.h"
#include "console/ConsoleRun.h"
#include "conversion/Conversion.h"

struct ConsoleJob {
  const ConsoleRunFacts& Facts;
  const ConsoleCommand& Command;
  const ProgramFiles& Program;          // Zepcom.dat and the files no output replaces
  const PropertiesRequest& Properties;  // the icon and version information asked for
  IWarningSink& Errors;                 // each warning one line of standard error
  IConsoleStreams& Streams;
  bool ManyFiles;  // more than one file: what is printed about each names it
};

// text and a line end on standard output.
void WriteOutputLine(const ConsoleJob& job, const std::string& text);
// Raises Exception (kInterrupted) once the user has asked the run to stop.
void StopIfInterrupted(const ConsoleJob& job);
// The progress of a conversion, each step a chance to stop: until the executable takes
// its place, stopping leaves nothing of it.
ProgressCallback StoppingProgress(const ConsoleJob& job);
// Raises Exception for a path that no file call can take: too long, or with characters
// the code page lacks.
void CheckPathGiven(const std::string& path);
