#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/ChunkedTransfer.h"
#include "platform/File.h"
#include "platform/SystemHandles.h"
#include "platform/WideText.h"

namespace platform {
namespace {
// ReadFile and WriteFile take a 32-bit count: larger transfers go in steps of 1 GiB.
constexpr size_t kLargestStep = size_t{1} << 30;

HANDLE AsHandle(void* handle) { return static_cast<HANDLE>(handle); }

DWORD ShareFlags(Share share) {
  switch (share) {
    case Share::None:
      return 0;
    case Share::Read:
      return FILE_SHARE_READ;
    case Share::Any:
      break;
  }
  return FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
}

std::wstring FullPath(const std::string& path) {
  std::wstring wide = Widen(path);
  DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
  full.resize(length < size ? length : 0);
  return full;
}

// The volume and the index of the file on it, which do not depend on how a path spells
// the file; false when the file cannot be reached.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
  FileHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file && GetFileInformationByHandle(file.Get(), &identity);
}

HANDLE OpenFile(const std::string& path, DWORD access, Share share, DWORD disposition) {
  return CreateFileA(path.c_str(), access, ShareFlags(share), nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// Sets whether the system deletes the open file when its last handle closes.
bool SetDeleteOnClose(HANDLE file, bool deleted) {
  FILE_DISPOSITION_INFO disposition = {static_cast<BOOLEAN>(deleted)};
  return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Gives the open file the name target, replacing a file there.
bool RenameOpenFile(HANDLE file, const std::string& target) {
  const std::wstring name = FullPath(target);
  if (name.empty()) return false;
  std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->ReplaceIfExists = TRUE;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
  std::memcpy(rename->FileName, name.data(), rename->FileNameLength);
  return SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size()));
}
}  // namespace

void FileHandleTraits::Release(Handle handle) { CloseHandle(AsHandle(handle)); }

File::~File() { Close(); }

bool File::Opened(FileHandleTraits::Handle handle) {
  handle_.Reset(handle);
  return IsOpen() || Fail();
}

bool File::Fail() {
  error_ = GetLastError();
  return false;
}

bool File::OpenRead(const std::string& path, Share share) {
  return Opened(OpenFile(path, GENERIC_READ, share, OPEN_EXISTING));
}

bool File::Create(const std::string& path, Share share) {
  return Opened(OpenFile(path, GENERIC_READ | GENERIC_WRITE, share, CREATE_ALWAYS));
}

bool File::CreateNew(const std::string& path, Share share) {
  return Opened(OpenFile(path, GENERIC_READ | GENERIC_WRITE, share, CREATE_NEW));
}

bool File::CreateTemporary(const std::string& path, Share share) {
  if (!Opened(OpenFile(path, GENERIC_READ | GENERIC_WRITE | DELETE, share, CREATE_NEW))) return false;
  if (SetDeleteOnClose(AsHandle(handle_.Get()), true)) return true;
  Fail();
  handle_.Reset();
  DeleteFileA(path.c_str());
  return false;
}

bool File::KeepAs(const std::string& target, SystemError& error) {
  HANDLE file = AsHandle(handle_.Get());
  if (FlushFileBuffers(file) && SetDeleteOnClose(file, false)) {
    if (RenameOpenFile(file, target)) return true;
    error = GetLastError();
    SetDeleteOnClose(file, true);
    return false;
  }
  error = GetLastError();
  return false;
}

bool File::Read(void* buffer, size_t count, size_t& transferred) {
  auto* bytes = static_cast<char*>(buffer);
  return TransferInSteps(count, kLargestStep, transferred, [&](size_t offset, size_t ask, size_t& done) {
    DWORD moved = 0;
    if (!ReadFile(AsHandle(handle_.Get()), bytes + offset, static_cast<DWORD>(ask), &moved, nullptr))
      return Fail();
    done = moved;
    return true;
  });
}

bool File::Write(const void* buffer, size_t count, size_t& transferred) {
  const auto* bytes = static_cast<const char*>(buffer);
  return TransferInSteps(count, kLargestStep, transferred, [&](size_t offset, size_t ask, size_t& done) {
    DWORD moved = 0;
    if (!WriteFile(AsHandle(handle_.Get()), bytes + offset, static_cast<DWORD>(ask), &moved, nullptr))
      return Fail();
    done = moved;
    return true;
  });
}

bool File::Size(uint64_t& size) {
  LARGE_INTEGER value;
  if (!GetFileSizeEx(AsHandle(handle_.Get()), &value)) return Fail();
  size = static_cast<uint64_t>(value.QuadPart);
  return true;
}

bool File::Seek(uint64_t offset) {
  LARGE_INTEGER position;
  position.QuadPart = static_cast<LONGLONG>(offset);
  return SetFilePointerEx(AsHandle(handle_.Get()), position, nullptr, FILE_BEGIN) || Fail();
}

bool File::Flush() { return FlushFileBuffers(AsHandle(handle_.Get())) || Fail(); }

bool File::Close() {
  if (!IsOpen()) return true;
  return CloseHandle(AsHandle(handle_.Release())) || Fail();
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnlyFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_READONLY);
}

size_t FullPathLength(const std::string& path) { return FullPath(path).size(); }

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFile(const std::string& path) { return FileExists(path) && DeleteFileA(path.c_str()); }

bool SameFile(const std::string& first, const std::string& second) {
  // Windows file names ignore case in the way this ordinal comparison does.
  std::wstring firstFull = FullPath(first), secondFull = FullPath(second);
  if (CompareStringOrdinal(firstFull.c_str(), static_cast<int>(firstFull.size()), secondFull.c_str(),
                           static_cast<int>(secondFull.size()), TRUE) == CSTR_EQUAL)
    return true;
  BY_HANDLE_FILE_INFORMATION firstIdentity, secondIdentity;
  return FileIdentity(first, firstIdentity) && FileIdentity(second, secondIdentity) &&
         firstIdentity.dwVolumeSerialNumber == secondIdentity.dwVolumeSerialNumber &&
         firstIdentity.nFileIndexHigh == secondIdentity.nFileIndexHigh &&
         firstIdentity.nFileIndexLow == secondIdentity.nFileIndexLow;
}

std::vector<std::string> NamesMatching(const std::string& pattern) {
  std::vector<std::string> names;
  // Searched in UTF-16: the code page's search would give a name it cannot spell as a
  // look-alike, which may be another file's name.
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileW(WidenKeepingForeign(pattern, CP_ACP).c_str(), &found));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(NarrowKeepingForeign(found.cFileName, CP_ACP));
  } while (FindNextFileW(search.Get(), &found));
  std::sort(names.begin(), names.end());
  return names;
}

void SleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

}  // namespace platform
