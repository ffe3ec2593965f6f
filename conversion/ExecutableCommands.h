#pragma once
// The commands on executables that the program made: reading back what one holds,
// taking its settings file (and its own icon) out, and making it again with the current
// runtime. Each finds the executable's two parts exactly, or tells that it is none of the
// program's; each reads in memory that does not grow with the executable.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "conversion/Conversion.h"
#include "engine/ExecutableReading.h"

struct ExecutableContents {
  // Sizes, the signature, the runtime's digest and whether it is the current one (for an
  // executable given properties: the current runtime given the same properties).
  ExecutableParts Parts;
  uint64_t SettingsLines = 0;
  ExecutableOptions Options;         // as the header line carries them
  VersionInfo Version;               // the version information it carries, its own or the runtime's
  std::optional<IconGroup> OwnIcon;  // an icon put in; none: the runtime's
  // Inspected only: what the images of an icon put in are, and the SHA-256 of its icon file.
  std::vector<IconImageSummary> OwnIconImages;
  std::string OwnIconDigest;
};

// False when path is no executable the program made. Raises EFOpenError or EReadError
// when it cannot be read.
bool InspectExecutable(const ProgramFiles& program, const std::string& path, ExecutableContents& contents);

enum class ExtractOutcome { NotMadeByZepplay, Written, Unchanged, OtherFileKept };

struct ExtractResult {
  ExtractOutcome Settings = ExtractOutcome::NotMadeByZepplay;
  // The icon of its own, beside the settings file under its name with ".ico"; none when
  // the executable has the runtime's.
  std::optional<ExtractOutcome> Icon;
  std::string IconPath;
};

// Writes the settings part of executablePath, byte for byte and without a signature, to
// targetPath, and an icon of its own as an icon file beside it, each through the guarded
// output, which also keeps the executable itself; a target with other bytes is replaced
// or kept as existing asks.
ExtractResult ExtractSettings(const ProgramFiles& program, const std::string& executablePath,
                              const std::string& targetPath, ExistingTarget existing);

enum class UpdateOutcome {
  NotMadeByZepplay,
  NoSettingsInside,  // the settings part is no settings file
  SettingsCutAtNul,  // a NUL byte would cut the settings short: nothing made
  RuntimeMissing,    // no runtime file: nothing made
  Updated,
  UpToDate,  // the executable holds what it would be made of: it was not touched
};

struct UpdateResult {
  UpdateOutcome Outcome = UpdateOutcome::NotMadeByZepplay;
  uint64_t NulLine = 0;        // SettingsCutAtNul: the line (from 1) the NUL byte is in
  bool SignatureGone = false;  // Updated: the executable was signed, and no signature survives a change
  bool RuntimeSignatureDropped = false;  // Updated: the runtime's own signature could not stay
};

// The options an executable is made again with, given those it has.
using OptionsChoice = std::function<ExecutableOptions(const ExecutableOptions& current)>;

// Makes the executable at path again, in its place, from its own settings with the
// options choose gives, the properties asked for and the current runtime. Settings a NUL
// byte would cut short are not made again: no byte may be lost. A signed executable that
// holds the current runtime and these settings already is up to date, signature and all.
UpdateResult UpdateExecutable(const ProgramFiles& program, const std::string& path,
                              const OptionsChoice& choose, const PropertiesRequest& properties,
                              const ProgressCallback& progress);
