#include "tests/support/WinFileLocks.h"

#include <vector>

#include "platform/WideText.h"
#include "tests/support/WaitFor.h"

namespace {
// Starts a Unix program from inside Wine. Wine gives no handle that waits for such a
// program, so callers wait for its effect instead.
bool StartUnixCommand(std::string commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool IsWritable(const std::string& path) {
  return HeldFile(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).IsOpen();
}

// The Unix path Wine keeps a Windows path under; empty outside Wine.
std::string UnixPathOf(const std::string& path) {
  using UnixFileName = char*(CDECL*)(LPCWSTR);
  auto toUnix = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
  if (!toUnix) return std::string();
  char* unixPath = toUnix(Widen(path).c_str());
  if (!unixPath) return std::string();
  std::string result = unixPath;
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}
}  // namespace

HeldFile::HeldFile(const std::string& path, DWORD access, DWORD share)
    : handle_(
          CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldFile::~HeldFile() {
  if (IsOpen()) CloseHandle(handle_);
}

ReadOnlyFile::ReadOnlyFile(const std::string& path) : path_(path) {
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  if (IsProtected()) return;
  std::string unixPath = UnixPathOf(path_);
  if (!unixPath.empty() && StartUnixCommand("/usr/bin/chattr +i \"" + unixPath + "\"")) {
    unixPath_ = unixPath;
    WaitFor([this] { return IsProtected(); });
  }
}

ReadOnlyFile::~ReadOnlyFile() {
  if (!unixPath_.empty() && StartUnixCommand("/usr/bin/chattr -i \"" + unixPath_ + "\""))
    WaitFor([this] { return IsWritable(path_); });
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool ReadOnlyFile::IsProtected() const { return !IsWritable(path_); }

ReadOnlyFolder::ReadOnlyFolder(const std::string& path) : path_(path), unixPath_(UnixPathOf(path)) {
  if (!unixPath_.empty() && StartUnixCommand("/usr/bin/chattr +i \"" + unixPath_ + "\""))
    WaitFor([this] { return IsProtected(); });
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (!unixPath_.empty() && StartUnixCommand("/usr/bin/chattr -i \"" + unixPath_ + "\""))
    WaitFor([this] { return !IsProtected(); });
}

bool ReadOnlyFolder::IsProtected() const {
  const std::string probe = path_ + "~probe.tmp";
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  CloseHandle(file);
  return false;
}
