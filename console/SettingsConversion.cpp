#include "console/SettingsConversion.h"

#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/ExitCodes.h"

namespace {
// The window shows the settings file's own warnings in a box; the console names the file.
class NoWarnings : public IWarningSink {
 public:
  void ShowWarning(const std::string&) override {}
};

// What the executable was made with that a player may not expect.
void WarnAboutTheSettings(const ConsoleJob& job, const SettingsFile& settings, size_t headerLength) {
  if (headerLength < kCompleteHeaderLength)
    job.Errors.ShowWarning(
        FormatText(Texts::Console::kShortHeader, settings.Path.c_str(), static_cast<int>(headerLength)));
  if (settings.LineCutAtNul != 0)
    job.Errors.ShowWarning(
        FormatText(Texts::Console::kTextAfterNul, settings.Path.c_str(), settings.LineCutAtNul));
}
}  // namespace

int ConvertSettingsFile(const ConsoleJob& job, const ExecutableOptions& options,
                        const std::string& settingsPath) {
  StopIfInterrupted(job);
  CheckPathGiven(settingsPath);
  const std::string& given = job.Command.OutputPath;
  if (!given.empty()) CheckPathGiven(given);
  SettingsFile settings;
  NoWarnings unshown;
  switch (LoadSettings(settings, unshown, settingsPath)) {
    case SettingsCheck::Missing:
      job.Errors.ShowWarning(FormatText(Texts::Console::kFileMissing, settingsPath));
      return kExitWarning;
    case SettingsCheck::WrongFormat:
      job.Errors.ShowWarning(FormatText(Texts::Console::kNotSettingsFile, settingsPath));
      return kExitWarning;
    case SettingsCheck::Accepted:
      break;
  }
  const size_t headerLength = settings.Lines.Get(0).size();
  const std::string outputPath =
      given.empty() ? settings.Folder + ProposedExecutableName(settingsPath) : given;
  StopIfInterrupted(job);
  bool runtimeSignatureDropped = false;
  switch (MakeExecutable(job.Program, settings, options, outputPath, StoppingProgress(job), job.Properties,
                         &runtimeSignatureDropped)) {
    case MakeOutcome::SettingsRejected:
      return kExitWarning;  // never: the settings were accepted just now
    case MakeOutcome::RuntimeMissing:
      job.Errors.ShowWarning(FormatText(Texts::Console::kFileMissing, job.Program.RuntimeFile()));
      return kExitWarning;
    case MakeOutcome::Unchanged:
      job.Errors.ShowWarning(FormatText(Texts::Console::kSameExecutableThere, outputPath));
      break;
    case MakeOutcome::Made:
      break;
  }
  WarnAboutTheSettings(job, settings, headerLength);
  if (runtimeSignatureDropped)
    job.Errors.ShowWarning(FormatText(Texts::kRuntimeSignatureDropped, job.Program.RuntimeFile()));
  WriteOutputLine(job, outputPath);
  return kExitMade;
}
