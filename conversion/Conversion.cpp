#include "conversion/Conversion.h"

#include <utility>

#include "common/Texts.h"
#include "conversion/ExecutableProperties.h"
#include "engine/ExecutableLimits.h"
#include "engine/HeaderLine.h"
#include "engine/RuntimeFile.h"
#include "platform/ShiftJisPath.h"
#include "platform/File.h"

namespace {
constexpr char kExecutableExtension[] = ".exe";
constexpr int kProgressRewritten = 33;
// Beside the runtime file: the window and the console program.
constexpr const char* kProgramFileNames[] = {"zepplay.exe", "zepplayc.exe"};

}  // namespace

ProgramFiles::ProgramFiles(std::string programPath)
    : programPath_(std::move(programPath)), folder_(FolderPart(programPath_)) {}

std::string ProgramFiles::RuntimeFile() const { return RuntimeFileIn(folder_); }

std::vector<KeptFile> ProgramFiles::Kept() const {
  std::vector<KeptFile> kept = {{RuntimeFile(), ErrorReason::OutputIsRuntimeFile},
                                {programPath_, ErrorReason::OutputIsProgram}};
  for (const char* program : kProgramFileNames)
    kept.push_back({folder_ + program, ErrorReason::OutputIsProgram});
  return kept;
}

SettingsCheck LoadSettings(SettingsFile& settings, IWarningSink& warnings, const std::string& path) {
  if (!ReadSettingsFile(path, settings)) {
    warnings.ShowWarning(Texts::kSettingsFileMissing);
    return SettingsCheck::Missing;
  }
  if (!settings.Accepted) {
    warnings.ShowWarning(Texts::kSettingsFileWrongFormat);
    return SettingsCheck::WrongFormat;
  }
  return SettingsCheck::Accepted;
}

std::string ProposedExecutableName(const std::string& settingsPath) {
  return ChangeExtension(NamePart(settingsPath), kExecutableExtension);
}

std::string SettingsText(SettingsFile& settings, const ExecutableOptions& options) {
  std::string header = RewriteHeader(settings.Lines.Get(0), options);
  settings.Lines.Insert(0, std::move(header));
  settings.Lines.Delete(1);
  return settings.Lines.Text();
}

namespace {
// How the runtime gets the properties asked for, given those the executable at outputPath
// carries of its own; none when the runtime goes in as it is.
PropertiesChoice ChoiceFor(const PropertiesRequest& request, const std::string& outputPath) {
  ImageProperties existing;
  const bool keepExisting = !request.RuntimeOwn && OwnProperties(outputPath, existing);
  if (request.RuntimeOwn || (!request.Any() && !keepExisting)) return nullptr;
  return [request, outputPath, keepExisting, existing](const ImageProperties* runtime) {
    ImageProperties base = keepExisting ? existing : runtime ? *runtime : ImageProperties{};
    // The runtime's own icon stays where it is: only an icon put in is put in again.
    if (!keepExisting || (runtime && base.IconGroupData == runtime->IconGroupData)) base.Icon.reset();
    return request.Any() ? WithRequest(base, request, outputPath) : base;
  };
}
}  // namespace

bool PropertiesRequest::Any() const {
  return Icon || FileVersion || ProductVersion || Description || Product || Company || Copyright;
}

MakeOutcome MakeExecutable(const ProgramFiles& program, SettingsFile& settings,
                           const ExecutableOptions& options, const std::string& outputPath,
                           const ProgressCallback& progress, const PropertiesRequest& properties,
                           bool* runtimeSignatureDropped) {
  // Settings that were replaced meanwhile and rejected on the way back are never converted.
  if (!settings.Accepted) return MakeOutcome::SettingsRejected;
  const std::string text = SettingsText(settings, options);
  if (progress) progress(kProgressRewritten);
  const std::string runtimeFile = program.RuntimeFile();
  if (!platform::FileExists(runtimeFile)) return MakeOutcome::RuntimeMissing;
  std::vector<KeptFile> kept = program.Kept();
  kept.push_back({settings.Path, ErrorReason::OutputIsSettingsFile});
  GuardedOutput output(outputPath, kept, kLargestExecutableSize);
  const AssemblyResult assembled =
      AssembleExecutable(runtimeFile, text, output, progress, ChoiceFor(properties, outputPath));
  // A runtime file gone meanwhile counts as missing, as it would a moment earlier.
  if (!assembled.RuntimeFound) return MakeOutcome::RuntimeMissing;
  if (runtimeSignatureDropped) *runtimeSignatureDropped = assembled.SignatureDropped;
  return output.Finish() == OutputOutcome::Unchanged ? MakeOutcome::Unchanged : MakeOutcome::Made;
}
