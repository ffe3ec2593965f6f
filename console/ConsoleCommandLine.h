#pragma once
// The console program's command line: what to do (convert settings files, or inspect,
// extract from or update executables), the files, "-o" with the output's path, the
// switches of the four options, the executable's icon and version information,
// "--json", "--force", "--help" and "--version".
#include <map>
#include <string>
#include <vector>

#include "common/Exception.h"

// A command line the program cannot follow; the message tells the user why.
class ECommandLineError : public Exception {
 public:
  using Exception::Exception;
};

enum class ConsoleAction { Convert, Inspect, Extract, Update, ShowHelp, ShowVersion };

// What the switches change of the executable's options: --tray and --no-tray its
// visibility, the others one flag each.
enum class OptionSwitch { TrayIcon, PlayOnStart, ExitAtEnd, ExitOnControlKey };

// The executable's own icon and version information, each given with a value.
enum class PropertySwitch { Icon, FileVersion, ProductVersion, Description, Product, Company, Copyright };

struct ConsoleCommand {
  ConsoleAction Action = ConsoleAction::Convert;
  // The files as given: names or patterns with "*" and "?".
  std::vector<std::string> Files;
  // Empty: beside the file under the proposed name.
  std::string OutputPath;
  // The options given, each with the last value it was given. TrayIcon true: the tray
  // icon; false: nothing shown.
  std::map<OptionSwitch, bool> Switches;
  // The properties given, each with the last value it was given, as written.
  std::map<PropertySwitch, std::string> Properties;
  bool NoProperties = false;  // the runtime's own icon and version information back
  bool Json = false;          // --inspect prints one JSON object
  bool Force = false;         // --extract replaces a different file
};

// Reads the arguments after the program name. "--help" (also "-h" and "/?") and
// "--version" win over everything else. Raises ECommandLineError for an unknown
// option, "-o" or a property without its value, two commands, an option the command does
// not take, "--no-properties" with a property, and no file.
ConsoleCommand ReadConsoleCommand(const std::vector<std::string>& arguments);

// The switch as it is written: "--no-autoplay" for PlayOnStart off.
std::string SwitchSpelling(OptionSwitch option, bool on);
// The property's option as it is written: "--icon".
std::string PropertySpelling(PropertySwitch property);
