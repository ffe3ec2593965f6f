#pragma once
// The conversion that every front end runs (the wizard's pages, its silent run, the
// console program, and the update of an executable): reading a settings file, naming
// its executable, and making the executable straight into its place through the one
// guarded output. The front ends differ only in how they tell the user: progress comes
// back through a callback, outcomes as values, errors as exceptions carrying their
// reason, and each front end words them its own way.
#include <optional>
#include <string>
#include <vector>

#include "engine/ExecutableAssembly.h"
#include "engine/ExecutableOptions.h"
#include "engine/GuardedOutput.h"
#include "engine/HeaderLine.h"
#include "engine/PropertyResources.h"
#include "engine/SettingsFile.h"
#include "engine/WarningSink.h"

// The program's own folder: the runtime file every executable starts with, and the
// files beside it that no output may replace.
class ProgramFiles {
 public:
  // programPath: the running program's own file.
  explicit ProgramFiles(std::string programPath);
  const std::string& Folder() const { return folder_; }
  std::string RuntimeFile() const;
  // Zepcom.dat, the program itself and both programs beside it.
  std::vector<KeptFile> Kept() const;

 private:
  std::string programPath_;
  std::string folder_;
};

enum class SettingsCheck {
  Missing,      // no file there; the missing-file warning has been shown
  WrongFormat,  // not a settings file; the wrong-format warning has been shown
  Accepted,
};

// Reads the settings file at path into settings and checks that it is one. Raises
// EFOpenError when the file exists but cannot be read.
SettingsCheck LoadSettings(SettingsFile& settings, IWarningSink& warnings, const std::string& path);

// The executable's name proposed for a settings file: its name with ".exe" in place of
// its extension. The executable goes beside the settings file.
std::string ProposedExecutableName(const std::string& settingsPath);

// The settings as an executable carries them: options written into the header line of
// settings, every line ended by CR LF.
std::string SettingsText(SettingsFile& settings, const ExecutableOptions& options);

// The icon and version information a front end asks an executable to get. A user gives
// some of them or none; what is not given keeps what the executable being replaced or
// updated carries of its own, else what the runtime has. The executable's own name
// follows into OriginalFilename and InternalName whenever anything is given.
struct PropertiesRequest {
  std::optional<IconGroup> Icon;
  std::optional<FileVersionNumbers> FileVersion;
  std::optional<std::string> ProductVersion, Description, Product, Company, Copyright;
  // The runtime's own icon and version information back, whatever the executable had.
  bool RuntimeOwn = false;

  // True when some property is given.
  bool Any() const;
};

enum class MakeOutcome {
  SettingsRejected,  // the settings were not accepted as a settings file: nothing made
  RuntimeMissing,    // no runtime file: nothing made
  Made,              // the executable is in its place
  Unchanged,         // an executable with the same bytes was there already and was not touched
};

// Writes options into the header line of the accepted settings and makes the executable
// at outputPath: the runtime with the properties asked for, then the settings. Reports 33
// once the options are in the header line, 66 once the runtime is written, and 100. The
// settings file read and the program's own files are never replaced. A runtime that
// loses its signature for the properties sets *runtimeSignatureDropped. Raises the errors
// of the runtime and of the output; an older file at outputPath then stays as it was,
// and nothing else is left.
MakeOutcome MakeExecutable(const ProgramFiles& program, SettingsFile& settings,
                           const ExecutableOptions& options, const std::string& outputPath,
                           const ProgressCallback& progress, const PropertiesRequest& properties = {},
                           bool* runtimeSignatureDropped = nullptr);
