#pragma once
// The thin file layer under the engine and the cipher: real Win32 calls in the
// Windows build, POSIX calls in the native one. Nothing here raises; every call
// reports success and keeps the system error code of the last failure.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"

namespace platform {

// A Windows system error code (ERROR_FILE_NOT_FOUND = 2, ERROR_ACCESS_DENIED = 5,
// ERROR_SHARING_VIOLATION = 32, ...). The POSIX layer maps errno onto these.
using SystemError = uint32_t;

enum class Share {
  None,  // nobody else may open the file while it is open here
  Read,  // others may read it, nobody may write it
  Any,   // others may read, write and delete it meanwhile (to look at another program's file)
};

// An open file of the system: a Windows handle, or a POSIX descriptor natively.
struct FileHandleTraits {
#ifdef _WIN32
  using Handle = void*;
  static Handle Invalid() { return reinterpret_cast<void*>(static_cast<intptr_t>(-1)); }
#else
  using Handle = int;
  static Handle Invalid() { return -1; }
#endif
  // Closes the file, whatever comes of it (File::Close reports the result).
  static void Release(Handle handle);
};
using FileHandle = UniqueHandle<FileHandleTraits>;

class File {
 public:
  File() = default;
  // Closes the file; a temporary file that was not kept goes with it.
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file for reading only.
  bool OpenRead(const std::string& path, Share share);
  // Creates the file, or truncates an existing one, opened for reading and writing.
  bool Create(const std::string& path, Share share);
  // Creates a file that must not exist yet (ERROR_FILE_EXISTS when it does), opened
  // for reading and writing.
  bool CreateNew(const std::string& path, Share share);
  // Creates a file that must not exist yet, as CreateNew does, and that the system
  // deletes when it is closed, also when the process is ended from outside, unless
  // KeepAs made it permanent first. (Natively it is deleted when it is closed here.)
  bool CreateTemporary(const std::string& path, Share share);
  // Makes the temporary file permanent under the name target, replacing a file there,
  // once what was written is on the disk. The file stays open. On failure, error
  // receives the system error code, target is as it was and the temporary file is
  // still deleted when it is closed.
  bool KeepAs(const std::string& target, SystemError& error);

  // Transfers up to count bytes; transferred says how many actually moved.
  bool Read(void* buffer, size_t count, size_t& transferred);
  bool Write(const void* buffer, size_t count, size_t& transferred);
  bool Size(uint64_t& size);
  // Moves the position of the next read or write to offset bytes from the start.
  bool Seek(uint64_t offset);
  // Forces what was written onto the disk.
  bool Flush();
  bool Close();

  bool IsOpen() const { return static_cast<bool>(handle_); }
  SystemError Error() const { return error_; }

 private:
  // Keeps a handle just opened, or notes the error when the open failed.
  bool Opened(FileHandleTraits::Handle handle);
  bool Fail();
  FileHandle handle_;
  SystemError error_ = 0;
#ifndef _WIN32
  std::string temporaryPath_;  // deleted by Close until KeepAs
#endif
};

// The system error codes the layer reports by name.
inline constexpr SystemError kErrorFileExists = 80;        // ERROR_FILE_EXISTS
inline constexpr SystemError kErrorAccessDenied = 5;       // ERROR_ACCESS_DENIED
inline constexpr SystemError kErrorSharingViolation = 32;  // ERROR_SHARING_VIOLATION
inline constexpr SystemError kErrorLockViolation = 33;     // ERROR_LOCK_VIOLATION
inline constexpr SystemError kErrorHandleDiskFull = 39;    // ERROR_HANDLE_DISK_FULL
inline constexpr SystemError kErrorDiskFull = 112;         // ERROR_DISK_FULL

// True for the errors of a write that found the disk full.
inline bool IsDiskFull(SystemError error) { return error == kErrorDiskFull || error == kErrorHandleDiskFull; }

// The longest full path, in characters, that the program's file calls take: MAX_PATH
// less its terminating NUL.
inline constexpr size_t kLongestPath = 259;

// True when path names an existing file; a folder does not count.
bool FileExists(const std::string& path);
// True when path names an existing file that has the read-only attribute (natively:
// that nobody may write).
bool IsReadOnlyFile(const std::string& path);
// The length in characters of the full path that path names (a relative path is taken
// from the current folder), as the system measures it against kLongestPath.
size_t FullPathLength(const std::string& path);
// True when path names an existing folder.
bool FolderExists(const std::string& path);
// Deletes a file (never a folder); false when it could not be deleted.
bool RemoveFile(const std::string& path);
// True when both paths name the same file: the same full path (letters compared
// without regard to case where the file system does so), or, when both exist, the
// same file on the disk however it is spelt.
bool SameFile(const std::string& first, const std::string& second);
// The names of the files (not folders) in the folder that pattern names whose names
// match its last part, with "*" for any characters and "?" for one; sorted. Only the
// names: the caller puts the folder in front. The pattern and the names may hold the
// escapes of characters the code page lacks (ForeignCharacters.h): a name is never given
// as a look-alike of another.
std::vector<std::string> NamesMatching(const std::string& pattern);
// Lets the calling thread wait.
void SleepMilliseconds(unsigned milliseconds);

}  // namespace platform
