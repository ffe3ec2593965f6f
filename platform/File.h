#pragma once
// The thin file layer under the engine and the cipher: real Win32 calls in the
// Windows build, POSIX calls in the native one. Nothing here raises; every call
// reports success and keeps the system error code of the last failure.
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// A Windows system error code (ERROR_FILE_NOT_FOUND = 2, ERROR_ACCESS_DENIED = 5,
// ERROR_SHARING_VIOLATION = 32, ...). The POSIX layer maps errno onto these.
using SystemError = uint32_t;

enum class Share {
  None,  // nobody else may open the file while it is open here
  Read,  // others may read it, nobody may write it
};

class File {
 public:
  File() = default;
  ~File();
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file for reading only.
  bool OpenRead(const std::string& path, Share share);
  // Creates the file, or truncates an existing one, opened for reading and writing.
  bool Create(const std::string& path, Share share);

  // Transfers up to count bytes; transferred says how many actually moved.
  bool Read(void* buffer, size_t count, size_t& transferred);
  bool Write(const void* buffer, size_t count, size_t& transferred);
  bool Size(uint64_t& size);
  bool Close();

  bool IsOpen() const;
  SystemError Error() const { return FError; }

 private:
  bool Fail();
#ifdef _WIN32
  void* FHandle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));
#else
  int FHandle = -1;
#endif
  SystemError FError = 0;
};

// True when path names an existing file; a folder does not count.
bool FileExists(const std::string& path);
// Deletes a file (never a folder); false when it could not be deleted.
bool RemoveFile(const std::string& path);

}  // namespace platform
