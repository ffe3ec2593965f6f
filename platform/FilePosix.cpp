// The native build's file layer. POSIX has no sharing modes, so Share is accepted
// and not enforced; the sharing rules are tested in the Windows build under Wine.
#include <dirent.h>
#include <errno.h>
#include <fnmatch.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/File.h"

namespace platform {
namespace {
SystemError FromErrno(int error) {
  switch (error) {
    case ENOENT:
      return 2;  // ERROR_FILE_NOT_FOUND
    case EEXIST:
      return kErrorFileExists;
    case ENOTDIR:
      return 3;  // ERROR_PATH_NOT_FOUND
    case EMFILE:
    case ENFILE:
      return 4;  // ERROR_TOO_MANY_OPEN_FILES
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return 5;  // ERROR_ACCESS_DENIED
    case ENOSPC:
    case EFBIG:
      return 112;  // ERROR_DISK_FULL
    case ENAMETOOLONG:
      return 206;  // ERROR_FILENAME_EXCED_RANGE
    default:
      return 31;  // ERROR_GEN_FAILURE
  }
}

// Moves the file source over target, replacing a file there, and returns only when the
// move is on the disk.
bool MoveFileOver(const std::string& source, const std::string& target, SystemError& error) {
  if (::rename(source.c_str(), target.c_str()) != 0) {
    error = FromErrno(errno);
    return false;
  }
  // The new name is on the disk once the folder that holds it is.
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (handle >= 0) {
    ::fsync(handle);
    ::close(handle);
  }
  return true;
}

}  // namespace

void FileHandleTraits::Release(Handle handle) { ::close(handle); }

File::~File() { Close(); }

bool File::Opened(FileHandleTraits::Handle handle) {
  handle_.Reset(handle);
  return IsOpen() || Fail();
}

bool File::Fail() {
  error_ = FromErrno(errno);
  return false;
}

bool File::OpenRead(const std::string& path, Share) {
  if (!Opened(::open(path.c_str(), O_RDONLY | O_CLOEXEC))) return false;
  struct stat info;
  if (::fstat(handle_.Get(), &info) == 0 && S_ISDIR(info.st_mode)) {
    handle_.Reset();
    error_ = kErrorAccessDenied;  // as Windows answers for a folder
    return false;
  }
  return true;
}

bool File::Create(const std::string& path, Share) {
  return Opened(::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
}

bool File::CreateNew(const std::string& path, Share) {
  return Opened(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
}

bool File::CreateTemporary(const std::string& path, Share share) {
  if (!CreateNew(path, share)) return false;
  temporaryPath_ = path;
  return true;
}

bool File::KeepAs(const std::string& target, SystemError& error) {
  if (!Flush()) {
    error = error_;
    return false;
  }
  if (!MoveFileOver(temporaryPath_, target, error)) return false;
  temporaryPath_.clear();
  return true;
}

bool File::Read(void* buffer, size_t count, size_t& transferred) {
  transferred = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (transferred < count) {
    ssize_t done = ::read(handle_.Get(), bytes + transferred, count - transferred);
    if (done < 0) {
      if (errno == EINTR) continue;
      return Fail();
    }
    if (done == 0) break;  // end of file
    transferred += static_cast<size_t>(done);
  }
  return true;
}

bool File::Write(const void* buffer, size_t count, size_t& transferred) {
  transferred = 0;
  const auto* bytes = static_cast<const char*>(buffer);
  while (transferred < count) {
    ssize_t done = ::write(handle_.Get(), bytes + transferred, count - transferred);
    if (done < 0) {
      if (errno == EINTR) continue;
      return Fail();
    }
    transferred += static_cast<size_t>(done);
  }
  return true;
}

bool File::Size(uint64_t& size) {
  struct stat info;
  if (::fstat(handle_.Get(), &info) != 0) return Fail();
  size = static_cast<uint64_t>(info.st_size);
  return true;
}

bool File::Seek(uint64_t offset) {
  return ::lseek(handle_.Get(), static_cast<off_t>(offset), SEEK_SET) >= 0 || Fail();
}

bool File::Flush() { return ::fsync(handle_.Get()) == 0 || Fail(); }

bool File::Close() {
  if (!IsOpen()) return true;
  const bool closed = ::close(handle_.Release()) == 0 || Fail();
  if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
  temporaryPath_.clear();
  return closed;
}

bool FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsReadOnlyFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

size_t FullPathLength(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path.size();
  char folder[4096];
  return (::getcwd(folder, sizeof folder) ? std::strlen(folder) + 1 : 0) + path.size();
}

bool FolderExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool RemoveFile(const std::string& path) { return FileExists(path) && ::unlink(path.c_str()) == 0; }

bool SameFile(const std::string& first, const std::string& second) {
  if (first == second) return true;
  struct stat firstInfo, secondInfo;
  return ::stat(first.c_str(), &firstInfo) == 0 && ::stat(second.c_str(), &secondInfo) == 0 &&
         firstInfo.st_dev == secondInfo.st_dev && firstInfo.st_ino == secondInfo.st_ino;
}

std::vector<std::string> NamesMatching(const std::string& pattern) {
  // The tests' Windows-style names ("data\\a.zep") are single file names here: the part
  // up to the last backslash is matched as it stands and left out of the names.
  std::vector<std::string> names;
  const size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? "./" : pattern.substr(0, slash + 1);
  const std::string namePattern = pattern.substr(slash == std::string::npos ? 0 : slash + 1);
  const size_t backslash = namePattern.rfind('\\');
  const size_t skipped = backslash == std::string::npos ? 0 : backslash + 1;
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return names;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (::fnmatch(namePattern.c_str(), name.c_str(), FNM_PERIOD | FNM_NOESCAPE) == 0 &&
        FileExists(folder + name))
      names.push_back(name.substr(skipped));
  }
  ::closedir(listing);
  std::sort(names.begin(), names.end());
  return names;
}

void SleepMilliseconds(unsigned milliseconds) {
  struct timespec wait = {static_cast<time_t>(milliseconds / 1000),
                          static_cast<long>(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

}  // namespace platform
