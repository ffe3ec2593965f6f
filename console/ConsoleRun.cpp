#include "console/ConsoleRun.h"

#include <algorithm>
#include <exception>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "console/ConsoleCommandLine.h"
#include "console/ConsoleJob.h"
#include "console/ConsoleMessages.h"
#include "console/ConsoleOptions.h"
#include "console/ExecutableCommands.h"
#include "console/SettingsConversion.h"
#include "conversion/ExitCodes.h"
#include "platform/ShiftJisPath.h"
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

// A file to work on, or a pattern that matched none.
struct FileToDo {
  std::string Path;
  bool Unmatched = false;
};

// cp932 never uses "*" or "?" as the second byte of a character.
bool IsPattern(const std::string& argument) { return argument.find_first_of("*?") != std::string::npos; }

// The files the arguments name, a pattern's in the order of their names. A name the code
// page cannot spell comes as it is given on the command line, to be refused by its check.
std::vector<FileToDo> FilesToDo(const std::vector<std::string>& given) {
  std::vector<FileToDo> files;
  for (const std::string& argument : given) {
    if (!IsPattern(argument)) {
      files.push_back({argument});
      continue;
    }
    const std::vector<std::string> names = platform::NamesMatching(argument);
    if (names.empty()) files.push_back({argument, true});
    for (const std::string& name : names) files.push_back({FolderPart(argument) + name});
  }
  return files;
}

// Does the command for one file; an error stops only this file.
int DoOneFile(const ConsoleJob& job, const ExecutableOptions& options, const std::string& path) {
  try {
    switch (job.Command.Action) {
      case ConsoleAction::Inspect:
        return InspectCommand(job, path);
      case ConsoleAction::Extract:
        return ExtractCommand(job, path);
      case ConsoleAction::Update:
        return UpdateCommand(job, path);
      default:
        return ConvertSettingsFile(job, options, path);
    }
  } catch (const ECommandLineError& error) {
    // A flag switched off for an executable that shows nothing.
    job.Errors.ShowWarning(FormatText(Texts::Console::kAboutFile, path.c_str(), error.Message().c_str()));
    return kExitBadCommandLine;
  } catch (const std::exception& error) {
    job.Errors.ShowWarning(ConsoleErrorText(error, path));
    return kExitError;
  }
}

// Works through the files, going on after a failure; returns the highest exit code.
int DoAllFiles(const ConsoleRunFacts& facts, const ConsoleCommand& command, ErrorLines& errors,
               IConsoleStreams& streams, const ExecutableOptions& options,
               const PropertiesRequest& properties) {
  const std::vector<FileToDo> files = FilesToDo(command.Files);
  if (!command.OutputPath.empty() && files.size() > 1)
    throw ECommandLineError(FormatText(Texts::Console::kOutputWithManyFiles, static_cast<int>(files.size())));
  const ProgramFiles program(facts.ProgramPath);
  const ConsoleJob job{facts, command, program, properties, errors, streams, files.size() > 1};
  int worst = kExitMade;
  for (const FileToDo& file : files) {
    if (facts.Interrupted && facts.Interrupted()) {
      errors.ShowWarning(Texts::Console::kInterrupted);
      return std::max(worst, kExitError);
    }
    if (file.Unmatched) {
      errors.ShowWarning(FormatText(Texts::Console::kNothingMatches, file.Path));
      worst = std::max(worst, kExitWarning);
      continue;
    }
    worst = std::max(worst, DoOneFile(job, options, file.Path));
  }
  return worst;
}
}  // namespace

int RunConsoleProgram(const ConsoleRunFacts& facts, IOptionsStore& store, IConsoleStreams& streams) {
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
      default:
        break;
    }
    // A conversion takes the remembered options, and what makes executables the
    // properties asked for, once for all the files.
    const ExecutableOptions options = command.Action == ConsoleAction::Convert
                                          ? ConsoleExecutableOptions(store, command.Switches)
                                          : ExecutableOptions{};
    const PropertiesRequest properties = RequestedProperties(command);
    return DoAllFiles(facts, command, errors, streams, options, properties);
  } catch (const ECommandLineError& error) {
    errors.ShowWarning(error.Message());
    return kExitBadCommandLine;
  } catch (const std::exception& error) {
    errors.ShowWarning(error.what());
    return kExitError;
  }
}
