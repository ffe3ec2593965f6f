#include "console/win/LeftoverWorkFolders.h"

#include <windows.h>

#include <cstdlib>

#include "conversion/LeftoverWorkFiles.h"
#include "platform/SystemHandles.h"

namespace {
constexpr char kNamePrefix[] = "zepplayc";

// The process id in a name "zepplayc<id>-<n>", or 0 when the name is not of that form.
DWORD ProcessIdInName(const std::string& name) {
  const size_t digits = std::string(kNamePrefix).size();
  const size_t dash = name.find('-', digits);
  if (name.compare(0, digits, kNamePrefix) != 0 || dash == std::string::npos || dash == digits ||
      dash + 1 == name.size())
    return 0;
  for (size_t i = digits; i < name.size(); ++i)
    if (i != dash && (name[i] < '0' || name[i] > '9')) return 0;
  return static_cast<DWORD>(std::strtoul(name.c_str() + digits, nullptr, 10));
}

bool IsRunning(DWORD processId) {
  KernelObject process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  return process && WaitForSingleObject(process.Get(), 0) == WAIT_TIMEOUT;
}
}  // namespace

void RemoveLeftoverWorkFolders(const std::string& tempFolder) {
  if (tempFolder.empty()) return;
  WIN32_FIND_DATAA found;
  const FindHandle search(FindFirstFileA((tempFolder + kNamePrefix + "*").c_str(), &found));
  if (!search) return;
  do {
    const DWORD processId = ProcessIdInName(found.cFileName);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || processId == 0 || IsRunning(processId))
      continue;
    const std::string folder = tempFolder + found.cFileName + "\\";
    // Removing the folder fails, as it should, when anything else is in it.
    if (RemoveLeftoverWorkFiles(folder)) RemoveDirectoryA(folder.c_str());
  } while (FindNextFileA(search.Get(), &found));
}
