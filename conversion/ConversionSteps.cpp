#include "conversion/ConversionSteps.h"

#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/ShiftJisPath.h"

namespace {
constexpr char kExecutableExtension[] = ".exe";
}  // namespace

SettingsCheck LoadSettings(ConversionEngine& engine, IWarningSink& warnings,
                           const std::string& settingsPath) {
  if (!engine.LoadSettingsFile(settingsPath)) return SettingsCheck::Missing;
  if (!engine.ValidateSettingsFile(settingsPath)) {
    warnings.ShowWarning(Texts::kSettingsFileWrongFormat);
    return SettingsCheck::WrongFormat;
  }
  return SettingsCheck::Accepted;
}

std::string ProposedExecutableName(const std::string& settingsPath) {
  return ChangeExtension(NamePart(settingsPath), kExecutableExtension);
}

bool MakeExecutable(ConversionEngine& engine, IWarningSink& warnings, const HeaderOptions& options,
                    const std::string& outputPath, const ProgressCallback& progress) {
  if (engine.WorkFolder().empty()) throw Exception(Texts::kNoWorkFolder);
  // A file that was replaced meanwhile and rejected on the way back is never converted.
  if (!engine.LinesAccepted()) {
    warnings.ShowWarning(Texts::kSettingsFileWrongFormat);
    return false;
  }
  if (!engine.Convert(options, outputPath, progress)) {
    warnings.ShowWarning(Texts::kExecutableNotMade);
    return false;
  }
  return true;
}
