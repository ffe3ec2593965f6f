#include "console/ExecutableCommands.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/Format.h"
#include "common/Texts.h"
#include "console/ConsoleOptions.h"
#include "conversion/ExecutableCommands.h"
#include "conversion/ExitCodes.h"
#include "platform/ShiftJisPath.h"

namespace {
constexpr char kSettingsExtension[] = ".zep";

// One value of the inspection: a number, or a word.
struct Field {
  const char* Name;
  std::string Value;
  bool IsNumber;
};

const char* OnOff(bool on) { return on ? "on" : "off"; }
const char* YesNo(bool yes) { return yes ? "yes" : "no"; }
const char* TrueFalse(bool value) { return value ? "true" : "false"; }

const char* MatchWord(RuntimeMatch match) {
  switch (match) {
    case RuntimeMatch::Current:
      return "yes";
    case RuntimeMatch::Different:
      return "no";
    case RuntimeMatch::Unknown:
      break;
  }
  return "unknown";
}

// text as a JSON string of cp932 bytes. A double-byte character is kept whole: its
// second byte may be that of "\\".
std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (IsLeadByte(static_cast<unsigned char>(byte)) && i + 1 < text.size()) {
      quoted += text.substr(i++, 2);
    } else if (byte == '"' || byte == '\\') {
      quoted += '\\';
      quoted += byte;
    } else if (static_cast<unsigned char>(byte) < 0x20) {
      quoted += FormatText("\\u%04x", static_cast<unsigned>(byte));
    } else {
      quoted += byte;
    }
  }
  return quoted + "\"";
}

void PrintFields(const ConsoleJob& job, const std::string& path, const std::vector<Field>& fields) {
  if (job.Command.Json) {
    std::string object = "{";
    if (job.ManyFiles) object += "\"file\":" + JsonString(path) + ",";
    for (const Field& field : fields)
      object += JsonString(field.Name) + ":" + (field.IsNumber ? field.Value : JsonString(field.Value)) + ",";
    object.back() = '}';
    WriteOutputLine(job, object);
    return;
  }
  if (job.ManyFiles) WriteOutputLine(job, "file: " + path);
  for (const Field& field : fields) WriteOutputLine(job, std::string(field.Name) + ": " + field.Value);
}
// Tells what became of a file extracted to target; the exit code for it.
int TellExtracted(const ConsoleJob& job, ExtractOutcome outcome, const std::string& target) {
  switch (outcome) {
    case ExtractOutcome::OtherFileKept:
      job.Errors.ShowWarning(FormatText(Texts::Console::kOtherFileThere, target));
      return kExitWarning;
    case ExtractOutcome::Unchanged:
      job.Errors.ShowWarning(FormatText(Texts::Console::kSameFileThere, target));
      break;
    case ExtractOutcome::Written:
    case ExtractOutcome::NotMadeByZepplay:
      break;
  }
  WriteOutputLine(job, target);
  return kExitMade;
}

// "16x16x32, 256x256x32 png": each image's size and colour depth, as the image has them;
// "runtime" for the runtime's icon.
std::string IconText(const ExecutableContents& contents) {
  if (!contents.OwnIcon) return "runtime";
  std::string text;
  for (const IconImageSummary& image : contents.OwnIconImages) {
    if (!text.empty()) text += ", ";
    text += FormatText("%ux%ux%u", image.Width, image.Height, image.BitDepth);
    if (image.IsPng) text += " png";
  }
  return text;
}
}  // namespace

int InspectCommand(const ConsoleJob& job, const std::string& executablePath) {
  CheckPathGiven(executablePath);
  ExecutableContents contents;
  if (!InspectExecutable(job.Program, executablePath, contents)) {
    job.Errors.ShowWarning(FormatText(Texts::Console::kNotMadeByZepplay, executablePath));
    return kExitWarning;
  }
  const ExecutableParts& parts = contents.Parts;
  const ExecutableOptions& options = contents.Options;
  const VersionInfo& version = contents.Version;
  PrintFields(
      job, executablePath,
      {{"settings-bytes", std::to_string(parts.SettingsSize), true},
       {"settings-lines", std::to_string(contents.SettingsLines), true},
       {"runtime-bytes", std::to_string(parts.RuntimeSize), true},
       {"runtime-sha256", parts.RuntimeDigest, false},
       {"runtime-current", MatchWord(parts.Runtime), false},
       {"signed", job.Command.Json ? TrueFalse(parts.Signed()) : YesNo(parts.Signed()), job.Command.Json},
       {"tray", OnOff(!options.ShowsNothing()), false},
       {"autoplay", OnOff(options.PlayOnStart), false},
       {"exit-at-end", OnOff(options.ExitAtEnd), false},
       {"exit-on-key", OnOff(options.ExitOnControlKey), false},
       {"icon", IconText(contents), false},
       {"icon-sha256", contents.OwnIcon ? contents.OwnIconDigest : "none", false},
       {"file-version", FileVersionText(version.FileVersion), false},
       {"product-version", version.ProductVersion, false},
       {"description", version.FileDescription, false},
       {"product", version.ProductName, false},
       {"company", version.CompanyName, false},
       {"copyright", version.LegalCopyright, false}});
  return kExitMade;
}

int ExtractCommand(const ConsoleJob& job, const std::string& executablePath) {
  CheckPathGiven(executablePath);
  const std::string& given = job.Command.OutputPath;
  const std::string target = given.empty() ? FolderPart(executablePath) +
                                                 ChangeExtension(NamePart(executablePath), kSettingsExtension)
                                           : given;
  CheckPathGiven(target);
  const ExistingTarget existing = job.Command.Force ? ExistingTarget::Replace : ExistingTarget::Keep;
  const ExtractResult result = ExtractSettings(job.Program, executablePath, target, existing);
  if (result.Settings == ExtractOutcome::NotMadeByZepplay) {
    job.Errors.ShowWarning(FormatText(Texts::Console::kNotMadeByZepplay, executablePath));
    return kExitWarning;
  }
  int exitCode = TellExtracted(job, result.Settings, target);
  if (result.Icon) exitCode = std::max(exitCode, TellExtracted(job, *result.Icon, result.IconPath));
  return exitCode;
}

int UpdateCommand(const ConsoleJob& job, const std::string& executablePath) {
  CheckPathGiven(executablePath);
  StopIfInterrupted(job);
  const auto choose = [&](const ExecutableOptions& current) {
    return SwitchedOptions(current, job.Command.Switches);
  };
  const UpdateResult result =
      UpdateExecutable(job.Program, executablePath, choose, job.Properties, StoppingProgress(job));
  switch (result.Outcome) {
    case UpdateOutcome::NotMadeByZepplay:
      job.Errors.ShowWarning(FormatText(Texts::Console::kNotMadeByZepplay, executablePath));
      return kExitWarning;
    case UpdateOutcome::NoSettingsInside:
      job.Errors.ShowWarning(FormatText(Texts::Console::kNoSettingsInside, executablePath));
      return kExitWarning;
    case UpdateOutcome::SettingsCutAtNul:
      job.Errors.ShowWarning(FormatText(Texts::Console::kUpdateWouldCut, executablePath.c_str(),
                                        static_cast<int>(result.NulLine)));
      return kExitWarning;
    case UpdateOutcome::RuntimeMissing:
      job.Errors.ShowWarning(FormatText(Texts::Console::kFileMissing, job.Program.RuntimeFile()));
      return kExitWarning;
    case UpdateOutcome::UpToDate:
      job.Errors.ShowWarning(FormatText(Texts::Console::kAlreadyUpToDate, executablePath));
      break;
    case UpdateOutcome::Updated:
      if (result.RuntimeSignatureDropped)
        job.Errors.ShowWarning(FormatText(Texts::kRuntimeSignatureDropped, job.Program.RuntimeFile()));
      if (result.SignatureGone)
        job.Errors.ShowWarning(FormatText(Texts::Console::kSignatureGone, executablePath));
      break;
  }
  WriteOutputLine(job, executablePath);
  return kExitMade;
}
