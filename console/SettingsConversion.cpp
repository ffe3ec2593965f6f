#include "console/SettingsConversion.h"

#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/ExitCodes.h"

namespace {
// What the executable was made with that a player may not expect.
void WarnAboutTheSettings(const ConsoleJob& job, const SettingsFile& settings, size_t headerLength) {
  if (headerLength < kCompleteHeaderLength)
    job.Errors.ShowWarning(FormatText(Texts::Console::kShortHeader, static_cast<int>(headerLength)));
  if (settings.LineCutAtNul != 0)
    job.Errors.ShowWarning(FormatText(Texts::Console::kTextAfterNul, settings.LineCutAtNul));
}
}  // namespace

int ConvertSettingsFile(const ConsoleJob& job, const ExecutableOptions& options,
                        const std::string& settingsPath) {
  StopIfInterrupted(job);
  CheckPathGiven(job, settingsPath);
  const std::string& given = job.Command.OutputPath;
  if (!given.empty()) CheckPathGiven(job, given);
  SettingsFile settings;
  if (LoadSettings(settings, job.Errors, settingsPath) != SettingsCheck::Accepted) return kExitWarning;
  const size_t headerLength = settings.Lines.Get(0).size();
  const std::string outputPath =
      given.empty() ? settings.Folder + ProposedExecutableName(settingsPath) : given;
  StopIfInterrupted(job);
  switch (MakeExecutable(job.Program, settings, options, outputPath, StoppingProgress(job))) {
    case MakeOutcome::SettingsRejected:
      return kExitWarning;  // never: the settings were accepted just now
    case MakeOutcome::RuntimeMissing:
      job.Errors.ShowWarning(FormatText(Texts::Console::kRuntimeMissing, job.Program.RuntimeFile()));
      return kExitWarning;
    case MakeOutcome::Unchanged:
      job.Errors.ShowWarning(FormatText(Texts::Console::kSameExecutableThere, outputPath));
      break;
    case MakeOutcome::Made:
      break;
  }
  WarnAboutTheSettings(job, settings, headerLength);
  WriteOutputLine(job, outputPath);
  return kExitMade;
}
