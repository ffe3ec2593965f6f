#pragma once
// A file being written: its bytes go into a temporary file with a name of its own in
// the target's folder, which the system deletes if the process ends before it is
// complete, and which takes the target's place in one step only when it is whole and on
// the disk. Until then an older file at the target stays as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/File.h"

// Raises EFCreateError when targetPath cannot take a new file: it is no file name, a
// folder, longer than the system takes, or a read-only file.
void CheckTargetPath(const std::string& targetPath);

class PendingFile {
 public:
  // Checks the target (CheckTargetPath) and creates the temporary file. largestSize
  // bounds what may be written. Raises EFCreateError also when no file can be created
  // in the target's folder.
  PendingFile(const std::string& targetPath, uint64_t largestSize);
  // An uncommitted file is deleted: nothing of it is left.
  ~PendingFile() = default;
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Appends bytes. Raises EWriteError naming the target when a write fails, and
  // EFCreateError (kExecutableTooLarge) past largestSize.
  void Append(const void* bytes, size_t count);
  // The number of bytes appended so far.
  uint64_t Size() const { return size_; }
  // True when a file at the target holds exactly the bytes appended; after it, only
  // Commit may follow. Raises EReadError when the file there cannot be read through.
  bool SameAsTarget();
  // Puts the file in the target's place. Raises EWriteError or EFCreateError; the
  // target is then as it was.
  void Commit();

 private:
  void WriteBuffered();

  std::string targetPath_;
  uint64_t largestSize_;
  platform::File file_;
  std::vector<char> buffer_;
  uint64_t size_ = 0;
};
