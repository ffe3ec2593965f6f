#include "console/win/ConsoleArguments.h"

#include <windows.h>

#include "conversion/CommandLine.h"
#include "platform/WideText.h"

std::vector<std::string> ConsoleArguments() {
  std::vector<std::string> arguments;
  const std::vector<std::wstring> wide = SplitCommandLine(std::wstring(GetCommandLineW()));
  for (size_t i = 1; i < wide.size(); ++i) arguments.push_back(NarrowKeepingForeign(wide[i], CP_ACP));
  return arguments;
}
