#include "wizard/win/HelpBrowser.h"

#include <windows.h>
#include <shlwapi.h>

#include <initializer_list>

#include "wizard/HelpLink.h"
#include "platform/SystemHandles.h"

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
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return false;
  KernelObject process(started.hProcess), thread(started.hThread);
  return true;
}

std::string Utf8Of(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
  return utf8;
}

std::wstring WideOf(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
  return wide;
}
}  // namespace

std::string FileUrlOf(const std::string& path, const std::string& fragment) {
  return FileUrl(Utf8Of(WideOf(path)), fragment);
}

bool OpenInBrowser(const std::string& url) {
  for (const char* kind : {"http", ".html"}) {
    const std::string command = RegisteredOpenCommand(kind);
    if (!command.empty() && Start(BrowserCommandLine(command, url))) return true;
  }
  return false;
}
