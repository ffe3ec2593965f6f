#pragma once
// The console program's command line: one settings file, "-o" with the executable's
// path, the switches of the four options, "--help" and "--version".
#include <map>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "conversion/OptionControls.h"

// A command line the program cannot follow; the message tells the user why.
class ECommandLineError : public Exception {
 public:
  using Exception::Exception;
};

enum class ConsoleAction { Convert, ShowHelp, ShowVersion };

struct ConsoleCommand {
  ConsoleAction Action = ConsoleAction::Convert;
  std::string SettingsPath;
  // Empty: beside the settings file under the proposed name, as the silent run does.
  std::string OutputPath;
  // The options given, each with the last value it was given. TrayIcon stands for the
  // visibility choice: true selects TrayIconRadio, false ShowNothingRadio.
  std::map<OptionControl, bool> Switches;
};

// Reads the arguments after the program name. "--help" (also "-h" and "/?") and
// "--version" win over everything else. Raises ECommandLineError for an unknown
// option, "-o" without a path, and no settings file or a second one.
ConsoleCommand ReadConsoleCommand(const std::vector<std::string>& arguments);

// The switch as it is written: "--no-autoplay" for PlayOnStart off.
std::string SwitchSpelling(OptionControl control, bool on);
