#include "console/win/ConsoleArguments.h"

#include <windows.h>

#include "conversion/CommandLine.h"

namespace {
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
