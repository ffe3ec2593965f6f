#include "wizard/win/HelpBrowser.h"

#include <windows.h>
#include <shlwapi.h>

#include <initializer_list>

#include "wizard/HelpLink.h"
#include "platform/SystemHandles.h"
#include "platform/WideText.h"

namespace {
// Room for a registered command: a program path and its arguments.
constexpr DWORD kCommandCapacity = 4096;

// The command the shell runs to open what is associated with kind, or empty.
std::string RegisteredOpenCommand(const char* kind) {
  std::string command(kCommandCapacity, '\0');
  DWORD size = kCommandCapacity;
  if (FAILED(AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_COMMAND, kind, "open", &command[0], &size))) return {};
  command.resize(command.find('\0'));
  return command;
}

bool Start(std::string commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return false;
  KernelObject process(started.hProcess), thread(started.hThread);
  return true;
}
}  // namespace

std::string FileUrlOf(const std::string& path, const std::string& fragment) {
  return FileUrl(Narrow(Widen(path), CP_UTF8), fragment);
}

bool OpenInBrowser(const std::string& url) {
  for (const char* kind : {"http", ".html"}) {
    const std::string command = RegisteredOpenCommand(kind);
    if (!command.empty() && Start(BrowserCommandLine(command, url))) return true;
  }
  return false;
}
