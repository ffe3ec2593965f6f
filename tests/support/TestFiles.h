#pragma once
// Files and folders for tests: a fresh folder per test, removed with everything in it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The folder separator of the build under test ("\" on Windows, "/" natively).
extern const char kPathSeparator[];

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder, ending with the separator.
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// Makes a folder the current one and goes back to the previous one when destroyed.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder);
  ~CurrentFolder();
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  std::string previous_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// A file of size bytes that takes (almost) no room on the disk: a hole ending in "!".
void WriteSparseFile(const std::string& path, uint64_t size);
bool MakeFolder(const std::string& path);
// Gives the file the read-only attribute (natively: takes its write permissions), or
// takes it away.
void SetReadOnly(const std::string& path, bool readOnly);
// The names of the entries of folder (ending with the separator), sorted.
std::vector<std::string> EntriesOf(const std::string& folder);
bool PathExists(const std::string& path);
// count pseudo-random bytes, the same for the same seed.
std::string RandomBytes(size_t count, uint32_t seed);
// Hex dump "95 5C ..." of bytes, for readable failure messages.
std::string Hex(const std::string& bytes);
