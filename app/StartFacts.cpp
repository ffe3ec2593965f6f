#include "app/StartFacts.h"

#include <windows.h>

#include "wizard/CommandLine.h"

namespace {
std::string ModulePath() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

std::string TempPath() {
  // Room for 255 characters in a 256-byte buffer; a longer path does not fit.
  constexpr DWORD kCapacity = 255;
  char path[kCapacity + 1] = {};
  DWORD length = GetTempPathA(kCapacity, path);
  if (length == 0 || length >= kCapacity) return {};
  return path;
}

// The argument in the code page of the program's file calls; lost tells whether a
// character had to be replaced by "?".
std::string InCodePage(const std::wstring& argument, bool& lost) {
  const int length = static_cast<int>(argument.size());
  BOOL replaced = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, argument.data(), length, nullptr, 0,
                                       "?", &replaced);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, argument.data(), length, &bytes[0], size, "?", &replaced);
  lost = replaced != FALSE;
  return bytes;
}
}  // namespace

StartFacts GatherStartFacts() {
  StartFacts facts;
  facts.ModulePath = ModulePath();
  facts.TempPath = TempPath();
  facts.Arguments = SplitCommandLine(GetCommandLineA());
  if (!facts.Arguments.empty()) facts.Arguments.erase(facts.Arguments.begin());
  facts.Screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return facts;
}

std::vector<std::string> ConsoleArguments(std::vector<std::string>& foreign) {
  std::vector<std::string> arguments;
  const std::vector<std::wstring> wide = SplitCommandLine(std::wstring(GetCommandLineW()));
  for (size_t i = 1; i < wide.size(); ++i) {
    bool lost = false;
    arguments.push_back(InCodePage(wide[i], lost));
    if (lost) foreign.push_back(arguments.back());
  }
  return arguments;
}
