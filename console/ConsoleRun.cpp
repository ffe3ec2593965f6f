#include "console/ConsoleRun.h"

#include <algorithm>
#include <exception>

#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/ConversionEngine.h"
#include "engine/ShiftJisPath.h"
#include "console/ConsoleCommandLine.h"
#include "console/ConsoleOptions.h"
#include "conversion/ConversionSteps.h"
#include "conversion/ErrorReportText.h"
#include "conversion/ExitCodes.h"

namespace {
constexpr char kLineEnd[] = "\r\n";

// Every warning and error as one line of standard error: the program's name, then the
// text as the window shows it, its line breaks taken out (in cp932 neither CR nor LF
// is ever the second byte of a character).
class ErrorLines : public IWarningSink {
 public:
  explicit ErrorLines(IConsoleStreams& streams) : streams_(streams) {}
  void ShowWarning(const std::string& text) override {
    std::string line = text;
    const auto lineBreak = [](char byte) { return byte == '\r' || byte == '\n'; };
    line.erase(std::remove_if(line.begin(), line.end(), lineBreak), line.end());
    streams_.Write(ConsoleStream::Error, Texts::Console::kLinePrefix + line + kLineEnd);
  }
  // An error worded as the window's default error report words it.
  void ShowError(const std::string& message) { ShowWarning(ErrorReportText(message)); }

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

// Loads, names and makes as the silent run does; returns the exit code.
int Convert(const ConsoleRunFacts& facts, const ConsoleCommand& command,
            const HeaderOptions& options, ErrorLines& errors, IConsoleStreams& streams) {
  ConversionEngine engine(errors);
  engine.SetProgram(FolderPart(facts.ProgramPath), NamePart(facts.ProgramPath));
  engine.SetWorkFolder(facts.WorkFolder);
  const IntermediateFilesGuard guard(engine);
  StopIfInterrupted(facts);
  if (LoadSettings(engine, errors, command.SettingsPath) != SettingsCheck::Accepted)
    return kExitWarning;
  const std::string outputPath =
      command.OutputPath.empty()
          ? engine.SourceFolder() + ProposedExecutableName(command.SettingsPath)
          : command.OutputPath;
  StopIfInterrupted(facts);
  // Each progress step is a chance to stop: until the executable takes its place,
  // stopping leaves nothing of it.
  if (!MakeExecutable(engine, errors, options, outputPath, [&](int) { StopIfInterrupted(facts); }))
    return kExitWarning;
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
    errors.ShowError(error.what());
    return kExitError;
  }
}
