#pragma once
// Windows-only test helpers that make a file unavailable the way other programs and
// the file system do: a handle held open with chosen sharing, and a read-only file.
#include <windows.h>

#include <string>

// A handle to an existing file, held for the life of the object.
class HeldFile {
 public:
  HeldFile(const std::string& path, DWORD access, DWORD share);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// Marks a file read-only for the life of the object. Wine keeps the attribute as the
// Unix write permission, which the superuser passes by; there the file is made
// immutable as well, so that opening it for writing is refused as on Windows.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path);
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  // True when opening the file for writing is now refused.
  bool IsProtected() const;

 private:
  std::string path_;
  std::string unixPath_;  // set when the immutable flag was used
};

// Makes a folder one where no file can be created, for the life of the object (under
// Wine, with the immutable flag of its Unix folder).
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& path);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  // True when a new file in the folder is now refused.
  bool IsProtected() const;

 private:
  std::string path_;  // ending with "\"
  std::string unixPath_;
};
