#include "console/win/ConsoleArguments.h"

#include <windows.h>

#include "conversion/CommandLine.h"
#include "platform/WideText.h"

std::vector<std::string> ConsoleArguments(std::vector<std::string>& foreign) {
  std::vector<std::string> arguments;
  const std::vector<std::wstring> wide = SplitCommandLine(std::wstring(GetCommandLineW()));
  for (size_t i = 1; i < wide.size(); ++i) {
    bool lost = false;
    arguments.push_back(Narrow(wide[i], CP_ACP, &lost));
    if (lost) foreign.push_back(arguments.back());
  }
  return arguments;
}
