#pragma once
// The options of an executable that the console program makes: the remembered ones as
// the window shows them when it opens, changed by the command line's switches as clicks
// on the window would change them.
#include <map>

#include "console/ConsoleCommandLine.h"
#include "conversion/OptionsStore.h"
#include "conversion/Conversion.h"

// Reads the remembered options from store, which is never written, then applies the
// visibility switch and after it the flag switches. Raises ERegistryError for a stored
// option the window could not read either, and ECommandLineError for a flag switched off
// while the executable shows nothing.
ExecutableOptions ConsoleExecutableOptions(IOptionsStore& store,
                                           const std::map<OptionSwitch, bool>& switches);

// The icon and version information the command line gives: the icon file read, the file
// version read as numbers, the texts as they are. Raises Exception naming an icon file or
// a version that cannot be used, or a text with characters the code page lacks.
PropertiesRequest RequestedProperties(const ConsoleCommand& command);

// The options of an executable made again with the options current it has, changed by the
// switches as for ConsoleExecutableOptions: only a switch given changes anything.
ExecutableOptions SwitchedOptions(ExecutableOptions current, const std::map<OptionSwitch, bool>& switches);
