#include "conversion/ExecutableCommands.h"

#include "engine/ExecutableLimits.h"
#include "engine/HeaderLine.h"
#include "platform/ShiftJisPath.h"

bool InspectExecutable(const ProgramFiles& program, const std::string& path, ExecutableContents& contents) {
  FileBytes executable(path);
  if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), contents.Parts, true))
    return false;
  const SettingsLines lines = ReadSettingsLines(executable, contents.Parts);
  contents.SettingsLines = lines.Count;
  contents.Options = OptionsInHeader(lines.Header);
  return true;
}

ExtractOutcome ExtractSettings(const ProgramFiles& program, const std::string& executablePath,
                               const std::string& targetPath, ExistingTarget existing) {
  FileBytes executable(executablePath);
  ExecutableParts parts;
  if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), parts))
    return ExtractOutcome::NotMadeByZepplay;
  std::vector<KeptFile> kept = program.Kept();
  kept.push_back({executablePath, ErrorReason::OutputIsExecutableRead});
  GuardedOutput settings(targetPath, kept, kLargestExecutableSize);
  CopyBytes(executable, parts.RuntimeSize, parts.SettingsSize,
            [&](const char* bytes, size_t count) { settings.Append(bytes, count); });
  switch (settings.Finish(existing)) {
    case OutputOutcome::Unchanged:
      return ExtractOutcome::Unchanged;
    case OutputOutcome::Kept:
      return ExtractOutcome::OtherFileKept;
    case OutputOutcome::Written:
      break;
  }
  return ExtractOutcome::Written;
}

UpdateResult UpdateExecutable(const ProgramFiles& program, const std::string& path,
                              const OptionsChoice& choose, const ProgressCallback& progress) {
  UpdateResult result;
  SettingsFile settings;
  ExecutableParts parts;
  std::string part;
  {
    // Closed again before the executable is replaced.
    FileBytes executable(path);
    if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), parts)) return result;
    // Looked at through once before anything of it is held in memory.
    const SettingsLines lines = ReadSettingsLines(executable, parts);
    if (lines.NulLine != 0) {
      result.Outcome = UpdateOutcome::SettingsCutAtNul;
      result.NulLine = lines.NulLine;
      return result;
    }
    if (!LinesAreSettings(lines.Header, lines.Count)) {
      result.Outcome = UpdateOutcome::NoSettingsInside;
      return result;
    }
    part = SettingsPartOf(executable, parts);
  }
  TakeSettingsBytes(part, FolderPart(path), settings);
  const ExecutableOptions options = choose(OptionsInHeader(settings.Lines.Get(0)));
  // A signature is not part of what the executable is made of: a signed executable of the
  // current runtime and these settings stays as it is.
  if (parts.Signed() && parts.Runtime == RuntimeMatch::Current && SettingsText(settings, options) == part) {
    result.Outcome = UpdateOutcome::UpToDate;
    return result;
  }
  switch (MakeExecutable(program, settings, options, path, progress)) {
    case MakeOutcome::SettingsRejected:
      result.Outcome = UpdateOutcome::NoSettingsInside;
      break;
    case MakeOutcome::RuntimeMissing:
      result.Outcome = UpdateOutcome::RuntimeMissing;
      break;
    case MakeOutcome::Unchanged:
      result.Outcome = UpdateOutcome::UpToDate;
      break;
    case MakeOutcome::Made:
      result.Outcome = UpdateOutcome::Updated;
      result.SignatureGone = parts.Signed();
      break;
  }
  return result;
}
