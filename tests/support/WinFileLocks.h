#pragma once
// Windows-only test helpers that make a file unavailable the way other programs and
// the file system do: a handle held open with chosen sharing, and a read-only file.
#include <windows.h>

#include <string>

// A handle to an existing file, held for the life of the object.
class THeldFile {
 public:
  THeldFile(const std::string& path, DWORD access, DWORD share);
  ~THeldFile();
  THeldFile(const THeldFile&) = delete;
  THeldFile& operator=(const THeldFile&) = delete;
  bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }

 private:
  HANDLE FHandle;
};

// Marks a file read-only for the life of the object. Wine keeps the attribute as the
// Unix write permission, which the superuser passes by; there the file is made
// immutable as well, so that opening it for writing is refused as on Windows.
class TReadOnlyFile {
 public:
  explicit TReadOnlyFile(const std::string& path);
  ~TReadOnlyFile();
  TReadOnlyFile(const TReadOnlyFile&) = delete;
  TReadOnlyFile& operator=(const TReadOnlyFile&) = delete;
  // True when opening the file for writing is now refused.
  bool IsProtected() const;

 private:
  std::string FPath;
  std::string FUnixPath;  // set when the immutable flag was used
};
