#include "console/ConsoleOptions.h"

#include "common/Format.h"
#include "common/Texts.h"
#include "console/ConsoleJob.h"
#include "conversion/ExecutableProperties.h"
#include "conversion/RememberedOptions.h"
#include "platform/ForeignCharacters.h"

namespace {
bool& FlagOf(ExecutableOptions& options, OptionSwitch flag) {
  switch (flag) {
    case OptionSwitch::PlayOnStart:
      return options.PlayOnStart;
    case OptionSwitch::ExitAtEnd:
      return options.ExitAtEnd;
    default:
      break;
  }
  return options.ExitOnControlKey;
}
}  // namespace

PropertiesRequest RequestedProperties(const ConsoleCommand& command) {
  PropertiesRequest request;
  request.RuntimeOwn = command.NoProperties;
  for (const auto& [property, value] : command.Properties) {
    if (property == PropertySwitch::Icon) {
      CheckPathGiven(value);
      request.Icon = ReadIcon(value);
      continue;
    }
    if (HoldsForeignCharacters(value))
      throw Exception(FormatText(Texts::Console::kForeignCharacters, value), ErrorReason::Unspecified, value);
    switch (property) {
      case PropertySwitch::FileVersion:
        request.FileVersion = ReadFileVersion(value);
        break;
      case PropertySwitch::ProductVersion:
        request.ProductVersion = value;
        break;
      case PropertySwitch::Description:
        request.Description = value;
        break;
      case PropertySwitch::Product:
        request.Product = value;
        break;
      case PropertySwitch::Company:
        request.Company = value;
        break;
      default:
        request.Copyright = value;
        break;
    }
  }
  return request;
}

ExecutableOptions ConsoleExecutableOptions(IOptionsStore& store,
                                           const std::map<OptionSwitch, bool>& switches) {
  ExecutableOptions options;
  RememberedSection section(store);
  ReadRememberedOptions(section, options);
  return SwitchedOptions(WithVisibilityRule(options), switches);
}

ExecutableOptions SwitchedOptions(ExecutableOptions options, const std::map<OptionSwitch, bool>& switches) {
  // A visibility chosen anew applies its rule, as a click on its radio button does.
  const auto tray = switches.find(OptionSwitch::TrayIcon);
  if (tray != switches.end()) {
    const Visibility chosen = tray->second ? Visibility::TrayIcon : Visibility::ShowNothing;
    if (options.Shown != chosen) {
      options.Shown = chosen;
      options = WithVisibilityRule(options);
    }
  }
  for (const auto& [option, on] : switches) {
    if (option == OptionSwitch::TrayIcon) continue;
    bool& flag = FlagOf(options, option);
    // A locked flag is on: switching it off contradicts the visibility.
    if (FlagsLocked(options) && on != flag)
      throw ECommandLineError(FormatText(Texts::Console::kFlagNeedsTray, SwitchSpelling(option, on).c_str()));
    flag = on;
  }
  return options;
}
