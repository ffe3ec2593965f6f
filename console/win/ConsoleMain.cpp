// zepplayc.exe, the console program: converts settings files as the window's silent
// run does, without a window or a box, for batch files and build pipelines, and reads
// back, extracts from and updates the executables made. It runs beside the window and
// beside other copies of itself: it claims no single-instance name, only reads the
// remembered options, and writes no intermediate file.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "console/win/ConsoleArguments.h"
#include "console/win/ConsoleInterruption.h"
#include "console/win/LeftoverWorkFolders.h"
#include "console/win/StandardStreams.h"
#include "conversion/win/ProcessStartFacts.h"
#include "console/ConsoleRun.h"
#include "conversion/ExitCodes.h"
#include "conversion/win/RegistryOptionsStore.h"

int main() {
  // No box of the system either: a drive without a medium is a file that cannot be
  // opened, and a crash ends the process instead of waiting for a click.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  try {
    const ConsoleInterruption interruption;
    StartFacts facts = GatherStartFacts();
    RemoveLeftoverWorkFolders(facts.TempPath);
    RegistryOptionsStore options(HKEY_CURRENT_USER, RegistryOptionsStore::kProgramKey,
                                 RegistryAccess::ReadOnly);
    StandardStreams streams;
    return RunConsoleProgram({facts.ModulePath, ConsoleArguments(), &ConsoleInterruption::Requested}, options,
                             streams);
  } catch (...) {
    // Only an allocation can fail out here; the run itself reports every error.
    return kExitError;
  }
}
