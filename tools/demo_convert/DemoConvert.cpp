// demo_convert <settings.zep>: converts a settings file as the silent run does, with
// every option on, for the demo until the product's own silent run is there. The
// runtime file is looked for beside this program, the intermediate files go to the
// temporary folder and the executable beside the settings file.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/Exception.h"
#include "engine/ConversionEngine.h"
#include "engine/ShiftJisPath.h"

namespace {
class TConsoleWarnings : public IWarningSink {
 public:
  void ShowWarning(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
};

std::string SystemFolder(DWORD (*query)(char*, DWORD)) {
  char folder[MAX_PATH + 1];
  const DWORD length = query(folder, sizeof folder);
  return length < sizeof folder ? std::string(folder, length) : std::string();
}

DWORD ProgramPath(char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); }
DWORD TempFolder(char* buffer, DWORD size) { return GetTempPathA(size, buffer); }
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo_convert <settings.zep>\n");
    return 2;
  }
  const std::string settingsPath = argv[1];
  TConsoleWarnings warnings;
  TConversionEngine engine(warnings);
  engine.SetProgramFolder(FolderPart(SystemFolder(ProgramPath)));
  engine.SetWorkFolder(SystemFolder(TempFolder));
  try {
    if (!engine.LoadSettingsFile(settingsPath)) return 1;
    if (!engine.ValidateSettingsFile(settingsPath)) {
      std::fprintf(stderr, "not a settings file: %s\n", settingsPath.c_str());
      return 1;
    }
    const std::string exeName = ChangeExtension(NamePart(settingsPath), ".exe");
    if (!engine.Convert(THeaderOptions{}, exeName, nullptr)) return 1;
    std::printf("%s%s\n", engine.SourceFolder().c_str(), exeName.c_str());
  } catch (const Exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
