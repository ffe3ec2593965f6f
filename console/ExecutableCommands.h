#pragma once
// The console program's commands on executables that Zephyr Player made: inspect what
// one holds, extract its settings file, and rebuild it with the current Zepcom.dat.
// Each returns the exit code for its file and raises the errors of reading and writing.
#include <string>

#include "console/ConsoleJob.h"

// Prints `name: value` lines (or one JSON object with --json): the sizes of both parts,
// the line count of the settings file, the runtime part's SHA-256, whether it is the
// current runtime, and the four options.
int InspectCommand(const ConsoleJob& job, const std::string& executablePath);
// Writes the settings file inside, byte for byte, as the command's output path or as
// the executable's name with ".zep" beside it, and prints its path. A file there with
// other bytes is replaced only with --force.
int ExtractCommand(const ConsoleJob& job, const std::string& executablePath);
// Rebuilds the executable in place from its own settings file and options, changed by
// the switches, with the current Zepcom.dat; touches nothing when the bytes would stay.
int UpdateCommand(const ConsoleJob& job, const std::string& executablePath);
