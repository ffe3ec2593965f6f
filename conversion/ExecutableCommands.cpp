#include "conversion/ExecutableCommands.h"

#include "engine/ExecutableLimits.h"
#include "engine/HeaderLine.h"
#include "platform/ShiftJisPath.h"

bool InspectExecutable(const ProgramFiles& program, const std::string& path, ExecutableContents& contents) {
  FileBytes executable(path);
  if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), contents.Parts, true))
    return false;
  const std::string settings = SettingsPartOf(executable, contents.Parts);
  LineList lines;
  lines.AddText(settings.data(), settings.size());
  contents.SettingsLines = lines.Count();
  contents.Options = OptionsInHeader(lines.Count() > 0 ? lines.Get(0) : std::string());
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

UpdateOutcome UpdateExecutable(const ProgramFiles& program, const std::string& path,
                               const OptionsChoice& choose, const ProgressCallback& progress) {
  SettingsFile settings;
  {
    // Closed again before the executable is replaced.
    FileBytes executable(path);
    ExecutableParts parts;
    if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), parts))
      return UpdateOutcome::NotMadeByZepplay;
    TakeSettingsBytes(SettingsPartOf(executable, parts), FolderPart(path), settings);
  }
  if (!settings.Accepted) return UpdateOutcome::NoSettingsInside;
  const ExecutableOptions options = choose(OptionsInHeader(settings.Lines.Get(0)));
  switch (MakeExecutable(program, settings, options, path, progress)) {
    case MakeOutcome::SettingsRejected:
      return UpdateOutcome::NoSettingsInside;
    case MakeOutcome::RuntimeMissing:
      return UpdateOutcome::RuntimeMissing;
    case MakeOutcome::Unchanged:
      return UpdateOutcome::UpToDate;
    case MakeOutcome::Made:
      break;
  }
  return UpdateOutcome::Updated;
}
