#pragma once
// The console program's conversion of one settings file, as the silent run makes it.
#include <string>

#include "console/ConsoleJob.h"

// Converts settingsPath beside itself, or into the command's output path, and prints
// the executable's path. Returns the exit code; raises what the conversion raises.
int ConvertSettingsFile(const ConsoleJob& job, const ExecutableOptions& options,
                        const std::string& settingsPath);
