#include "console/ConsoleRun.h"

#include <algorithm>
#include <exception>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ConversionEngine.h"
#include "engine/HeaderLine.h"
#include "engine/ShiftJisPath.h"
#include "console/ConsoleCommandLine.h"
#include "console/ConsoleMessages.h"
#include "console/ConsoleOptions.h"
#include "conversion/ConversionSteps.h"
#include "conversion/ErrorReportText.h"
#include "conversion/ExitCodes.h"
#include "platform/File.h"

namespace {
constexpr char kLineEnd[] = "\r\n";

// Every warning and error as one line of standard error: the program's name, then the
// text as one sentence.
class ErrorLines : public IWarningSink {
 public:
  explicit ErrorLines(IConsoleStreams& streams) : streams_(streams) {}
  void ShowWarning(const std::string& text) override {
    streams_.Write(ConsoleStream::Error, Texts::Console::kLinePrefix + ConsoleSentence(text) + kLineEnd);
  }

 private:
  IConsoleStreams& streams_;
};

// Deletes the intermediate files when the conversion ends, however it ends.
class IntermediateFilesGuard {
 public:
  explicit IntermediateFilesGuard(const ConversionEngine& engine) : engine_(engine) {}
  ~IntermediateFilesGuard() { engine_.DeleteIntermediateFiles(); }
  IntermediateFilesGuard(const IntermediateFilesGuard&) = delete;
  IntermediateFilesGuard& operator=(const IntermediateFilesGuard&) = delete;

 private:
  const ConversionEngine& engine_;
};

void StopIfInterrupted(const ConsoleRunFacts& facts) {
  if (facts.Interrupted && facts.Interrupted()) throw Exception(Texts::Console::kInterrupted);
}

// Refuses a path that no file call can take: too long, or with characters the code page
// lacks.
void CheckPathGiven(const ConsoleRunFacts& facts, const std::string& path) {
  const auto& foreign = facts.ForeignArguments;
  if (std::find(foreign.begin(), foreign.end(), path) != foreign.end())
    throw Exception(FormatText(Texts::Console::kForeignCharacters, path));
  if (platform::FullPathLength(path) > platform::kLongestPath)
    throw Exception(
        FormatText(Texts::Console::kPathTooLong, path.c_str(), static_cast<int>(platform::kLongestPath)));
}

// What the executable was made with that a player may not expect.
void WarnAboutTheSettings(const ConversionEngine& engine, size_t headerLength, ErrorLines& errors) {
  if (headerLength < kCompleteHeaderLength)
    errors.ShowWarning(FormatText(Texts::Console::kShortHeader, static_cast<int>(headerLength)));
  if (engine.LineCutAtNul() != 0)
    errors.ShowWarning(FormatText(Texts::Console::kTextAfterNul, engine.LineCutAtNul()));
}

// Loads, names and makes as the silent run does; returns the exit code.
int Convert(const ConsoleRunFacts& facts, const ConsoleCommand& command,
            const HeaderOptions& options, ErrorLines& errors, IConsoleStreams& streams) {
  ConversionEngine engine(errors);
  engine.SetProgram(FolderPart(facts.ProgramPath), NamePart(facts.ProgramPath));
  engine.SetWorkFolder(facts.WorkFolder);
  const IntermediateFilesGuard guard(engine);
  StopIfInterrupted(facts);
  CheckPathGiven(facts, command.SettingsPath);
  if (!command.OutputPath.empty()) CheckPathGiven(facts, command.OutputPath);
  if (LoadSettings(engine, errors, command.SettingsPath) != SettingsCheck::Accepted)
    return kExitWarning;
  const size_t headerLength = engine.Lines().Get(0).size();
  const std::string outputPath =
      command.OutputPath.empty()
          ? engine.SourceFolder() + ProposedExecutableName(command.SettingsPath)
          : command.OutputPath;
  StopIfInterrupted(facts);
  // Each progress step is a chance to stop: until the executable takes its place,
  // stopping leaves nothing of it.
  if (!MakeExecutable(engine, errors, options, outputPath, [&](int) { StopIfInterrupted(facts); }))
    return kExitWarning;
  WarnAboutTheSettings(engine, headerLength, errors);
  streams.Write(ConsoleStream::Output, outputPath + kLineEnd);
  return kExitMade;
}
}  // namespace

int RunConsoleProgram(const ConsoleRunFacts& facts, IOptionsStore& store,
                      IConsoleStreams& streams) {
  ErrorLines errors(streams);
  try {
    const ConsoleCommand command = ReadConsoleCommand(facts.Arguments);
    switch (command.Action) {
      case ConsoleAction::ShowHelp:
        streams.Write(ConsoleStream::Output, Texts::Console::kHelp);
        return kExitMade;
      case ConsoleAction::ShowVersion:
        streams.Write(ConsoleStream::Output, std::string(Texts::Console::kVersion) + kLineEnd);
        return kExitMade;
      case ConsoleAction::Convert:
        break;
    }
    const HeaderOptions options = ConsoleHeaderOptions(store, command.Switches);
    return Convert(facts, command, options, errors, streams);
  } catch (const ECommandLineError& error) {
    errors.ShowWarning(error.Message());
    return kExitBadCommandLine;
  } catch (const std::exception& error) {
    errors.ShowWarning(ConsoleErrorText(error, {FolderPart(facts.ProgramPath), facts.WorkFolder}));
    return kExitError;
  }
}
