#include "console/SettingsConversion.h"

#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/ConversionSteps.h"
#include "conversion/ExitCodes.h"
#include "engine/ConversionEngine.h"
#include "engine/HeaderLine.h"
#include "engine/ShiftJisPath.h"

namespace {
// What the executable was made with that a player may not expect.
void WarnAboutTheSettings(const ConsoleJob& job, const ConversionEngine& engine, size_t headerLength) {
  if (headerLength < kCompleteHeaderLength)
    job.Errors.ShowWarning(FormatText(Texts::Console::kShortHeader, static_cast<int>(headerLength)));
  if (engine.LineCutAtNul() != 0)
    job.Errors.ShowWarning(FormatText(Texts::Console::kTextAfterNul, engine.LineCutAtNul()));
}
}  // namespace

int ConvertSettingsFile(const ConsoleJob& job, const HeaderOptions& options,
                        const std::string& settingsPath) {
  ConversionEngine engine(job.Errors);
  engine.SetProgram(ProgramFolder(job), NamePart(job.Facts.ProgramPath));
  StopIfInterrupted(job);
  CheckPathGiven(job, settingsPath);
  const std::string& given = job.Command.OutputPath;
  if (!given.empty()) CheckPathGiven(job, given);
  if (LoadSettings(engine, job.Errors, settingsPath) != SettingsCheck::Accepted) return kExitWarning;
  const size_t headerLength = engine.Lines().Get(0).size();
  const std::string outputPath =
      given.empty() ? engine.SourceFolder() + ProposedExecutableName(settingsPath) : given;
  StopIfInterrupted(job);
  // Each progress step is a chance to stop: until the executable takes its place,
  // stopping leaves nothing of it.
  const auto progress = [&](int) { StopIfInterrupted(job); };
  if (engine.ConvertDirectly(options, outputPath, progress, false) == DirectConversion::RuntimeMissing) {
    job.Errors.ShowWarning(Texts::kExecutableNotMade);
    return kExitWarning;
  }
  WarnAboutTheSettings(job, engine, headerLength);
  WriteOutputLine(job, outputPath);
  return kExitMade;
}
