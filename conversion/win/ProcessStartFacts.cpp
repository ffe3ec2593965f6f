#include "conversion/win/ProcessStartFacts.h"

#include <windows.h>

#include "conversion/CommandLine.h"

namespace {
// The longest temporary folder taken: it is asked for with room for 255 characters.
constexpr DWORD kLongestTempPath = 255;
// The longest path Windows has for a module.
constexpr DWORD kLongestModulePath = 32768;

// The whole path: a buffer the path fills up to its end may have cut it short.
std::string ModulePath() {
  for (DWORD capacity = MAX_PATH + 1; capacity <= kLongestModulePath; capacity *= 2) {
    std::string path(capacity, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], capacity);
    if (length == 0) break;
    if (length < capacity) return path.substr(0, length);
  }
  return {};
}

std::string TempPath() {
  // Room for the longest path in a buffer one byte larger; a longer path does not fit.
  char path[kLongestTempPath + 1] = {};
  DWORD length = GetTempPathA(kLongestTempPath, path);
  if (length == 0 || length >= kLongestTempPath) return {};
  return path;
}
}  // namespace

StartFacts GatherStartFacts() {
  StartFacts facts;
  facts.ModulePath = ModulePath();
  facts.TempPath = TempPath();
  facts.Arguments = SplitCommandLine(GetCommandLineA());
  if (!facts.Arguments.empty()) facts.Arguments.erase(facts.Arguments.begin());
  return facts;
}
