#pragma once
// The options of an executable that the console program makes: the remembered ones as
// the window shows them when it opens, changed by the command line's switches as
// clicks on the window would change them.
#include <map>

#include "engine/HeaderOptions.h"
#include "conversion/OptionControls.h"
#include "conversion/OptionsStore.h"

// Reads the remembered options from store, which is never written, then applies the
// visibility switch and after it the flag switches (ConsoleCommand::Switches). Raises
// ERegistryError for a stored option the window could not read either, and
// ECommandLineError for a flag switched off while the executable shows nothing.
HeaderOptions ConsoleHeaderOptions(IOptionsStore& store, const std::map<OptionControl, bool>& switches);

// The options of an executable rebuilt with the options current it has, changed by the
// switches as for ConsoleHeaderOptions: only a switch given changes anything.
HeaderOptions UpdatedHeaderOptions(const HeaderOptions& current,
                                   const std::map<OptionControl, bool>& switches);
