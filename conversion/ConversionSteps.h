#pragma once
// The steps from a settings file to an executable, each with the warning the user
// sees when it cannot go on. The wizard's pages take them one by one (page 1 loads,
// page 2 names, page 3 makes); the silent run goes through those pages, and the
// console program takes the same steps in a row.
#include <string>

#include "engine/ConversionEngine.h"
#include "engine/WarningSink.h"

enum class SettingsCheck {
  Missing,      // no file there; the engine has shown its warning
  WrongFormat,  // not a settings file; the wrong-format warning has been shown
  Accepted,
};

// Loads the settings file into the engine and checks that it is one. Raises
// EFOpenError when the file exists but cannot be read.
SettingsCheck LoadSettings(ConversionEngine& engine, IWarningSink& warnings, const std::string& settingsPath);

// The executable's name proposed for a settings file: its name with ".exe" in place
// of its extension. The executable goes beside the settings file.
std::string ProposedExecutableName(const std::string& settingsPath);

// Makes the executable at outputPath from the accepted lines. False after a warning:
// the lines were never accepted (or a rejected file was loaded since), or the
// executable was not made (the runtime file is missing). Raises Exception without a
// work folder, and whatever the engine raises.
bool MakeExecutable(ConversionEngine& engine, IWarningSink& warnings, const HeaderOptions& options,
                    const std::string& outputPath, const ProgressCallback& progress);
