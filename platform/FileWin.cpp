#include <windows.h>

#include "platform/File.h"

namespace platform {
namespace {
HANDLE AsHandle(void* handle) { return static_cast<HANDLE>(handle); }

DWORD ShareFlags(Share share) { return share == Share::Read ? FILE_SHARE_READ : 0; }
}  // namespace

File::~File() { Close(); }

File::File(File&& other) noexcept : FHandle(other.FHandle), FError(other.FError) {
  other.FHandle = INVALID_HANDLE_VALUE;
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    FHandle = other.FHandle;
    FError = other.FError;
    other.FHandle = INVALID_HANDLE_VALUE;
  }
  return *this;
}

bool File::Fail() {
  FError = GetLastError();
  return false;
}

bool File::OpenRead(const std::string& path, Share share) {
  Close();
  FHandle = CreateFileA(path.c_str(), GENERIC_READ, ShareFlags(share), nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  return IsOpen() || Fail();
}

bool File::Create(const std::string& path, Share share) {
  Close();
  FHandle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, ShareFlags(share), nullptr,
                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  return IsOpen() || Fail();
}

bool File::Read(void* buffer, size_t count, size_t& transferred) {
  transferred = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (transferred < count) {
    DWORD chunk = static_cast<DWORD>(count - transferred);
    DWORD done = 0;
    if (!ReadFile(AsHandle(FHandle), bytes + transferred, chunk, &done, nullptr)) return Fail();
    if (done == 0) break;  // end of file
    transferred += done;
  }
  return true;
}

bool File::Write(const void* buffer, size_t count, size_t& transferred) {
  transferred = 0;
  DWORD done = 0;
  if (!WriteFile(AsHandle(FHandle), buffer, static_cast<DWORD>(count), &done, nullptr))
    return Fail();
  transferred = done;
  return true;
}

bool File::Size(uint64_t& size) {
  LARGE_INTEGER value;
  if (!GetFileSizeEx(AsHandle(FHandle), &value)) return Fail();
  size = static_cast<uint64_t>(value.QuadPart);
  return true;
}

bool File::Close() {
  if (!IsOpen()) return true;
  HANDLE handle = AsHandle(FHandle);
  FHandle = INVALID_HANDLE_VALUE;
  return CloseHandle(handle) || Fail();
}

bool File::IsOpen() const { return AsHandle(FHandle) != INVALID_HANDLE_VALUE; }

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path) {
  return FileExists(path) && DeleteFileA(path.c_str());
}

}  // namespace platform
