#include "console/win/PrivateWorkFolder.h"

#include <windows.h>

namespace {
// "zepplayc<process id>-<n>": a folder left by a run that was killed is passed over.
constexpr char kNamePrefix[] = "zepplayc";
constexpr int kNameAttempts = 100;
}  // namespace

PrivateWorkFolder::PrivateWorkFolder(const std::string& tempFolder) {
  if (tempFolder.empty()) return;
  const std::string base = tempFolder + kNamePrefix + std::to_string(GetCurrentProcessId()) + "-";
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::string folder = base + std::to_string(attempt);
    if (CreateDirectoryA(folder.c_str(), nullptr)) {
      path_ = folder + "\\";
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

PrivateWorkFolder::~PrivateWorkFolder() {
  if (!path_.empty()) RemoveDirectoryA(path_.c_str());
}
