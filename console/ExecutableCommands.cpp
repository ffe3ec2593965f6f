#include "console/ExecutableCommands.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/Format.h"
#include "common/Texts.h"
#include "console/ConsoleOptions.h"
#include "conversion/ExitCodes.h"
#include "engine/ConversionEngine.h"
#include "engine/ExecutableAssembly.h"
#include "engine/ExecutableReading.h"
#include "engine/HeaderLine.h"
#include "engine/LineList.h"
#include "engine/PendingFile.h"
#include "engine/ShiftJisPath.h"
#include "platform/File.h"

namespace {
constexpr char kSettingsExtension[] = ".zep";

// An executable opened for reading and its two parts; Found is false when it is none
// that Zephyr Player made, after the warning saying so.
struct ReadExecutable {
  ReadExecutable(const ConsoleJob& job, const std::string& path, bool withDigest = false) : Bytes(path) {
    Found = FindExecutableParts(Bytes, RuntimeFileIn(ProgramFolder(job)), Parts, withDigest);
    if (!Found) job.Errors.ShowWarning(FormatText(Texts::Console::kNotMadeByZepplay, path));
  }
  std::string SettingsBytes() { return SettingsPartOf(Bytes, Parts); }
  FileBytes Bytes;
  ExecutableParts Parts;
  bool Found = false;
};

// One value of the inspection: a number, or a word.
struct Field {
  const char* Name;
  std::string Value;
  bool IsNumber;
};

const char* OnOff(bool on) { return on ? "on" : "off"; }

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
}  // namespace

int InspectExecutable(const ConsoleJob& job, const std::string& executablePath) {
  CheckPathGiven(job, executablePath);
  ReadExecutable executable(job, executablePath, true);
  if (!executable.Found) return kExitWarning;
  const std::string settings = executable.SettingsBytes();
  LineList lines;
  lines.AddText(settings.data(), settings.size());
  const HeaderOptions options = OptionsInHeader(lines.Count() > 0 ? lines.Get(0) : std::string());
  const ExecutableParts& parts = executable.Parts;
  PrintFields(job, executablePath,
              {{"settings-bytes", std::to_string(parts.SettingsSize), true},
               {"settings-lines", std::to_string(lines.Count()), true},
               {"runtime-bytes", std::to_string(parts.RuntimeSize), true},
               {"runtime-sha256", parts.RuntimeDigest, false},
               {"runtime-current", MatchWord(parts.Runtime), false},
               {"tray", OnOff(!options.ShowNothing), false},
               {"autoplay", OnOff(options.PlayOnStart), false},
               {"exit-at-end", OnOff(options.ExitAtEnd), false},
               {"exit-on-key", OnOff(options.ExitOnControlKey), false}});
  return kExitMade;
}

int ExtractSettings(const ConsoleJob& job, const std::string& executablePath) {
  CheckPathGiven(job, executablePath);
  const std::string& given = job.Command.OutputPath;
  const std::string target = given.empty() ? FolderPart(executablePath) +
                                                 ChangeExtension(NamePart(executablePath), kSettingsExtension)
                                           : given;
  CheckPathGiven(job, target);
  ReadExecutable executable(job, executablePath);
  if (!executable.Found) return kExitWarning;
  // Extracting over the executable itself would lose it.
  if (platform::SameFile(target, executablePath))
    throw EFCreateError(FormatText(Texts::kFileCreateError, target));
  PendingFile settings(target, kLargestExecutableSize);
  CopyBytes(executable.Bytes, executable.Parts.RuntimeSize, executable.Parts.SettingsSize,
            [&](const char* bytes, size_t count) { settings.Append(bytes, count); });
  if (platform::FileExists(target)) {
    if (settings.SameAsTarget()) {
      job.Errors.ShowWarning(FormatText(Texts::Console::kSameSettingsThere, target));
      WriteOutputLine(job, target);
      return kExitMade;
    }
    if (!job.Command.Force) {
      job.Errors.ShowWarning(FormatText(Texts::Console::kOtherFileThere, target));
      return kExitWarning;
    }
  }
  settings.Commit();
  WriteOutputLine(job, target);
  return kExitMade;
}

int UpdateExecutable(const ConsoleJob& job, const std::string& executablePath) {
  CheckPathGiven(job, executablePath);
  ConversionEngine engine(job.Errors);
  engine.SetProgram(ProgramFolder(job), NamePart(job.Facts.ProgramPath));
  {
    // Closed again before the executable is replaced.
    ReadExecutable executable(job, executablePath);
    if (!executable.Found) return kExitWarning;
    if (!engine.LoadSettingsBytes(executable.SettingsBytes(), FolderPart(executablePath))) {
      job.Errors.ShowWarning(FormatText(Texts::Console::kNoSettingsInside, executablePath));
      return kExitWarning;
    }
  }
  const HeaderOptions options =
      UpdatedHeaderOptions(OptionsInHeader(engine.Lines().Get(0)), job.Command.Switches);
  StopIfInterrupted(job);
  const auto progress = [&](int) { StopIfInterrupted(job); };
  switch (engine.ConvertDirectly(options, executablePath, progress, true)) {
    case DirectConversion::RuntimeMissing:
      job.Errors.ShowWarning(Texts::kExecutableNotMade);
      return kExitWarning;
    case DirectConversion::Unchanged:
      job.Errors.ShowWarning(FormatText(Texts::Console::kAlreadyUpToDate, executablePath));
      break;
    case DirectConversion::Made:
      break;
  }
  WriteOutputLine(job, executablePath);
  return kExitMade;
}
