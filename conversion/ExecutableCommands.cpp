#include "conversion/ExecutableCommands.h"

#include "cipher/Sha256.h"
#include "engine/ExecutableLimits.h"
#include "engine/HeaderLine.h"
#include "engine/ImagePropertiesReading.h"
#include "platform/ShiftJisPath.h"

namespace {
constexpr char kIconExtension[] = ".ico";

// Reads the properties executable carries into contents. For one given properties of its
// own, the current runtime given the same properties decides whether its runtime is the
// current one, and whether its icon is one put in or the runtime's.
void ReadCarriedProperties(const ProgramFiles& program, IRandomAccessBytes& executable,
                           ExecutableContents& contents) {
  ImageProperties own;
  if (!ReadImageProperties(executable, contents.Parts.RuntimeSize, own)) {
    ImageProperties carried;
    if (ReadImageProperties(executable, contents.Parts.RuntimeSize, carried, PropertiesOrigin::Any))
      contents.Version = carried.Version;
    return;
  }
  contents.Version = own.Version;
  contents.OwnIcon = own.Icon;
  const auto sameAsMade = [&](const ImageProperties* runtime) {
    ImageProperties made = own;
    if (runtime && runtime->IconGroupData == own.IconGroupData) {
      made.Icon.reset();
      contents.OwnIcon.reset();
    }
    return made;
  };
  contents.Parts.Runtime =
      MatchWithProperties(executable, contents.Parts, CurrentRuntime(program.RuntimeFile()), sameAsMade);
}

// The parts and the properties of the executable at path; false when it is none the
// program made.
bool ReadContents(const ProgramFiles& program, FileBytes& executable, ExecutableContents& contents,
                  bool withDigest) {
  if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), contents.Parts, withDigest))
    return false;
  ReadCarriedProperties(program, executable, contents);
  return true;
}

ExtractOutcome Extracted(OutputOutcome outcome) {
  switch (outcome) {
    case OutputOutcome::Unchanged:
      return ExtractOutcome::Unchanged;
    case OutputOutcome::Kept:
      return ExtractOutcome::OtherFileKept;
    case OutputOutcome::Written:
      break;
  }
  return ExtractOutcome::Written;
}
}  // namespace

bool InspectExecutable(const ProgramFiles& program, const std::string& path, ExecutableContents& contents) {
  FileBytes executable(path);
  if (!ReadContents(program, executable, contents, true)) return false;
  const SettingsLines lines = ReadSettingsLines(executable, contents.Parts);
  contents.SettingsLines = lines.Count;
  contents.Options = OptionsInHeader(lines.Header);
  if (contents.OwnIcon) {
    const std::string file = IconFileBytes(*contents.OwnIcon);
    Sha256 digest;
    digest.Add(file.data(), file.size());
    contents.OwnIconDigest = digest.HexDigest();
    for (const IconImage& image : *contents.OwnIcon) {
      IconImageSummary summary;
      if (SummarizeIconImage(image.Bytes, summary)) contents.OwnIconImages.push_back(summary);
    }
  }
  return true;
}

ExtractResult ExtractSettings(const ProgramFiles& program, const std::string& executablePath,
                              const std::string& targetPath, ExistingTarget existing) {
  ExtractResult result;
  FileBytes executable(executablePath);
  ExecutableContents contents;
  if (!ReadContents(program, executable, contents, false)) return result;
  std::vector<KeptFile> kept = program.Kept();
  kept.push_back({executablePath, ErrorReason::OutputIsExecutableRead});
  {
    GuardedOutput settings(targetPath, kept, kLargestExecutableSize);
    CopyBytes(executable, contents.Parts.RuntimeSize, contents.Parts.SettingsSize,
              [&](const char* bytes, size_t count) { settings.Append(bytes, count); });
    result.Settings = Extracted(settings.Finish(existing));
  }
  if (contents.OwnIcon) {
    result.IconPath = ChangeExtension(targetPath, kIconExtension);
    const std::string icon = IconFileBytes(*contents.OwnIcon);
    GuardedOutput output(result.IconPath, kept, kLargestExecutableSize);
    output.Append(icon.data(), icon.size());
    result.Icon = Extracted(output.Finish(existing));
  }
  return result;
}

UpdateResult UpdateExecutable(const ProgramFiles& program, const std::string& path,
                              const OptionsChoice& choose, const PropertiesRequest& properties,
                              const ProgressCallback& progress) {
  UpdateResult result;
  SettingsFile settings;
  ExecutableContents contents;
  std::string part;
  {
    // Closed again before the executable is replaced.
    FileBytes executable(path);
    if (!FindExecutableParts(executable, CurrentRuntime(program.RuntimeFile()), contents.Parts))
      return result;
    // Looked at through once before anything of it is held in memory.
    const SettingsLines lines = ReadSettingsLines(executable, contents.Parts);
    if (lines.NulLine != 0) {
      result.Outcome = UpdateOutcome::SettingsCutAtNul;
      result.NulLine = lines.NulLine;
      return result;
    }
    if (!LinesAreSettings(lines.Header, lines.Count)) {
      result.Outcome = UpdateOutcome::NoSettingsInside;
      return result;
    }
    part = SettingsPartOf(executable, contents.Parts);
    // What decides whether a signed executable is up to date, signature and all.
    if (contents.Parts.Signed() && !properties.Any() && !properties.RuntimeOwn)
      ReadCarriedProperties(program, executable, contents);
  }
  TakeSettingsBytes(part, FolderPart(path), settings);
  const ExecutableOptions options = choose(OptionsInHeader(settings.Lines.Get(0)));
  // A signature is not part of what the executable is made of: a signed executable of the
  // current runtime with its properties and these settings stays as it is.
  if (contents.Parts.Signed() && !properties.Any() && !properties.RuntimeOwn &&
      contents.Parts.Runtime == RuntimeMatch::Current && SettingsText(settings, options) == part) {
    result.Outcome = UpdateOutcome::UpToDate;
    return result;
  }
  switch (MakeExecutable(program, settings, options, path, progress, properties,
                         &result.RuntimeSignatureDropped)) {
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
      result.SignatureGone = contents.Parts.Signed();
      break;
  }
  return result;
}
