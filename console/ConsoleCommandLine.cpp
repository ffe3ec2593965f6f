#include "console/ConsoleCommandLine.h"

#include <algorithm>

#include "common/Format.h"
#include "common/Texts.h"

namespace {
constexpr char kOutputOption[] = "-o";
constexpr char kVersionOption[] = "--version";
constexpr const char* kHelpOptions[] = {"--help", "-h", "/?"};

// The switches name what the player does, as the window's option controls do.
struct SwitchNames {
  OptionControl Control;
  const char* On;
  const char* Off;
};
constexpr SwitchNames kSwitches[] = {
    {OptionControl::TrayIcon, "--tray", "--no-tray"},
    {OptionControl::PlayOnStart, "--autoplay", "--no-autoplay"},
    {OptionControl::ExitAtEnd, "--exit-at-end", "--no-exit-at-end"},
    {OptionControl::ExitOnControlKey, "--exit-on-key", "--no-exit-on-key"},
};

bool Contains(const std::vector<std::string>& arguments, const std::string& option) {
  return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

// Notes the switch in command when argument is one; false when it is none.
bool ReadSwitch(const std::string& argument, ConsoleCommand& command) {
  for (const SwitchNames& names : kSwitches) {
    if (argument == names.On || argument == names.Off) {
      command.Switches[names.Control] = argument == names.On;
      return true;
    }
  }
  return false;
}
}  // namespace

ConsoleCommand ReadConsoleCommand(const std::vector<std::string>& arguments) {
  ConsoleCommand command;
  for (const char* help : kHelpOptions) {
    if (Contains(arguments, help)) {
      command.Action = ConsoleAction::ShowHelp;
      return command;
    }
  }
  if (Contains(arguments, kVersionOption)) {
    command.Action = ConsoleAction::ShowVersion;
    return command;
  }
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == kOutputOption) {
      if (i + 1 == arguments.size())
        throw ECommandLineError(FormatText(Texts::Console::kNoOutputPath, argument));
      command.OutputPath = arguments[++i];
    } else if (argument[0] == '-') {
      if (!ReadSwitch(argument, command))
        throw ECommandLineError(FormatText(Texts::Console::kUnknownOption, argument));
    } else if (!command.SettingsPath.empty()) {
      throw ECommandLineError(FormatText(Texts::Console::kSecondSettingsFile, argument));
    } else {
      command.SettingsPath = argument;
    }
  }
  if (command.SettingsPath.empty()) throw ECommandLineError(Texts::Console::kNoSettingsFile);
  return command;
}

std::string SwitchSpelling(OptionControl control, bool on) {
  for (const SwitchNames& names : kSwitches)
    if (names.Control == control) return on ? names.On : names.Off;
  return {};
}
