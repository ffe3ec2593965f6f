#include "console/ConsoleCommandLine.h"

#include <algorithm>

#include "common/Format.h"
#include "common/Texts.h"

namespace {
constexpr char kOutputOption[] = "-o";
constexpr char kVersionOption[] = "--version";
constexpr char kJsonOption[] = "--json";
constexpr char kForceOption[] = "--force";
constexpr const char* kHelpOptions[] = {"--help", "-h", "/?"};

// The switches name what the player does, as the window's option controls do.
struct SwitchNames {
  OptionSwitch Option;
  const char* On;
  const char* Off;
};
constexpr SwitchNames kSwitches[] = {
    {OptionSwitch::TrayIcon, "--tray", "--no-tray"},
    {OptionSwitch::PlayOnStart, "--autoplay", "--no-autoplay"},
    {OptionSwitch::ExitAtEnd, "--exit-at-end", "--no-exit-at-end"},
    {OptionSwitch::ExitOnControlKey, "--exit-on-key", "--no-exit-on-key"},
};

struct PropertyName {
  PropertySwitch Property;
  const char* Spelling;
};
constexpr PropertyName kProperties[] = {
    {PropertySwitch::Icon, "--icon"},
    {PropertySwitch::FileVersion, "--file-version"},
    {PropertySwitch::ProductVersion, "--product-version"},
    {PropertySwitch::Description, "--description"},
    {PropertySwitch::Product, "--product"},
    {PropertySwitch::Company, "--company"},
    {PropertySwitch::Copyright, "--copyright"},
};
constexpr char kNoPropertiesOption[] = "--no-properties";

struct CommandName {
  ConsoleAction Action;
  const char* Spelling;
};
constexpr CommandName kCommands[] = {
    {ConsoleAction::Inspect, "--inspect"},
    {ConsoleAction::Extract, "--extract"},
    {ConsoleAction::Update, "--update"},
};

bool Contains(const std::vector<std::string>& arguments, const std::string& option) {
  return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
}

// Notes the switch in command when argument is one; false when it is none.
bool ReadSwitch(const std::string& argument, ConsoleCommand& command) {
  for (const SwitchNames& names : kSwitches) {
    if (argument == names.On || argument == names.Off) {
      command.Switches[names.Option] = argument == names.On;
      return true;
    }
  }
  return false;
}

// Notes the property with the argument after it when argument is one; false when it is
// none.
bool ReadProperty(const std::vector<std::string>& arguments, size_t& i, ConsoleCommand& command) {
  for (const PropertyName& name : kProperties) {
    if (arguments[i] != name.Spelling) continue;
    if (i + 1 == arguments.size())
      throw ECommandLineError(FormatText(Texts::Console::kNoValue, name.Spelling));
    command.Properties[name.Property] = arguments[++i];
    return true;
  }
  return false;
}

// Notes the command when argument is one; false when it is none. commandGiven keeps its
// spelling, to name it when a second one comes.
bool ReadCommand(const std::string& argument, ConsoleCommand& command, std::string& commandGiven) {
  for (const CommandName& name : kCommands) {
    if (argument != name.Spelling) continue;
    if (!commandGiven.empty())
      throw ECommandLineError(FormatText(Texts::Console::kNotTogether, commandGiven.c_str(), name.Spelling));
    command.Action = name.Action;
    commandGiven = name.Spelling;
    return true;
  }
  return false;
}

[[noreturn]] void ThrowNotTogether(const std::string& first, const std::string& second) {
  throw ECommandLineError(FormatText(Texts::Console::kNotTogether, first.c_str(), second.c_str()));
}

// Checks that every option given belongs to the command: the switches change what is
// made, "-o" names what is written anew, "--json" and "--force" have one command each.
void CheckOptionsFit(const ConsoleCommand& command, const std::string& commandGiven,
                     const std::string& firstSwitch) {
  const ConsoleAction action = command.Action;
  const bool makes = action == ConsoleAction::Convert || action == ConsoleAction::Update;
  if (!makes && !firstSwitch.empty()) ThrowNotTogether(firstSwitch, commandGiven);
  if (!command.OutputPath.empty() && (action == ConsoleAction::Inspect || action == ConsoleAction::Update))
    ThrowNotTogether(kOutputOption, commandGiven);
  if (command.Json && action != ConsoleAction::Inspect)
    throw ECommandLineError(FormatText(Texts::Console::kOptionNeedsCommand, kJsonOption, "--inspect"));
  if (command.Force && action != ConsoleAction::Extract)
    throw ECommandLineError(FormatText(Texts::Console::kOptionNeedsCommand, kForceOption, "--extract"));
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
  std::string commandGiven, firstSwitch;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == kOutputOption) {
      if (i + 1 == arguments.size())
        throw ECommandLineError(FormatText(Texts::Console::kNoOutputPath, argument.c_str()));
      command.OutputPath = arguments[++i];
    } else if (argument == kJsonOption) {
      command.Json = true;
    } else if (argument == kForceOption) {
      command.Force = true;
    } else if (ReadCommand(argument, command, commandGiven)) {
    } else if (argument == kNoPropertiesOption || ReadProperty(arguments, i, command)) {
      command.NoProperties = command.NoProperties || argument == kNoPropertiesOption;
      if (firstSwitch.empty()) firstSwitch = argument;
      if (command.NoProperties && !command.Properties.empty())
        ThrowNotTogether(kNoPropertiesOption, PropertySpelling(command.Properties.begin()->first));
    } else if (argument[0] == '-') {
      if (!ReadSwitch(argument, command))
        throw ECommandLineError(FormatText(Texts::Console::kUnknownOption, argument.c_str()));
      if (firstSwitch.empty()) firstSwitch = argument;
    } else {
      command.Files.push_back(argument);
    }
  }
  CheckOptionsFit(command, commandGiven, firstSwitch);
  if (command.Files.empty())
    throw ECommandLineError(command.Action == ConsoleAction::Convert ? Texts::Console::kNoSettingsFile
                                                                     : Texts::Console::kNoExecutableFile);
  return command;
}

std::string PropertySpelling(PropertySwitch property) {
  for (const PropertyName& name : kProperties)
    if (name.Property == property) return name.Spelling;
  return {};
}

std::string SwitchSpelling(OptionSwitch option, bool on) {
  for (const SwitchNames& names : kSwitches)
    if (names.Option == option) return on ? names.On : names.Off;
  return {};
}
