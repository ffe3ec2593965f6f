// The native build's file layer. POSIX has no sharing modes, so Share is accepted
// and not enforced; the sharing rules are tested in the Windows build under Wine.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstring>

#include "platform/File.h"

namespace platform {
namespace {
SystemError FromErrno(int error) {
  switch (error) {
    case ENOENT: return 2;   // ERROR_FILE_NOT_FOUND
    case EEXIST: return kErrorFileExists;
    case ENOTDIR: return 3;  // ERROR_PATH_NOT_FOUND
    case EMFILE:
    case ENFILE: return 4;   // ERROR_TOO_MANY_OPEN_FILES
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;   // ERROR_ACCESS_DENIED
    case ENOSPC:
    case EFBIG: return 112;  // ERROR_DISK_FULL
    case ENAMETOOLONG: return 206;  // ERROR_FILENAME_EXCED_RANGE
    default: return 31;      // ERROR_GEN_FAILURE
  }
}
}  // namespace

void FileHandleTraits::Release(Handle handle) { ::close(handle); }

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

bool File::Flush() { return ::fsync(handle_.Get()) == 0 || Fail(); }

bool File::Close() {
  if (!IsOpen()) return true;
  return ::close(handle_.Release()) == 0 || Fail();
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

bool RemoveFile(const std::string& path) {
  return FileExists(path) && ::unlink(path.c_str()) == 0;
}

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

bool SameFile(const std::string& first, const std::string& second) {
  if (first == second) return true;
  struct stat firstInfo, secondInfo;
  return ::stat(first.c_str(), &firstInfo) == 0 && ::stat(second.c_str(), &secondInfo) == 0 &&
         firstInfo.st_dev == secondInfo.st_dev && firstInfo.st_ino == secondInfo.st_ino;
}

void SleepMilliseconds(unsigned milliseconds) {
  struct timespec wait = {static_cast<time_t>(milliseconds / 1000),
                          static_cast<long>(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

}  // namespace platform
