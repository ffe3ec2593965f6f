#include "conversion/win/ProcessStartFacts.h"

#include <windows.h>

#include "conversion/CommandLine.h"

namespace {
std::string ModulePath() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

std::string TempPath() {
  // Room for the longest path in a buffer one byte larger; a longer path does not fit.
  constexpr DWORD kCapacity = kLongestTempPath;
  char path[kCapacity + 1] = {};
  DWORD length = GetTempPathA(kCapacity, path);
  if (length == 0 || length >= kCapacity) return {};
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
