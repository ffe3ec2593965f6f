#pragma once
// The one way the program writes a file: an executable it makes or updates, a settings
// file or icon it takes out of one. Before anything is written the target is checked: a
// name Windows would keep as given, no folder, no path longer than the system takes, and
// none of the files the program must keep (the settings file it reads, Zepcom.dat, its
// own programs, the executable it reads), found by file identity however the path
// spells them. The bytes go into a temporary file in the target's own folder, which the
// system deletes if the process ends before it is complete, and which takes the
// target's place in one step only when it is whole and on the disk. A target that holds
// the same bytes already is left untouched, also when it is read-only, held open by
// another program or in a folder where nothing can be created.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "engine/ImagePropertiesEditor.h"
#include "platform/File.h"

// Another program (a virus scanner, say) may hold a file for a moment: what it keeps from
// us is tried again this many times, this many milliseconds apart, before it counts as
// failed.
inline constexpr int kHeldFileAttempts = 10;
inline constexpr unsigned kHeldFileRetryMilliseconds = 100;

// A file that no output may replace, and the reason an output there is refused with.
struct KeptFile {
  std::string Path;
  ErrorReason Reason;
};

// What to do with a target that holds other bytes.
enum class ExistingTarget { Replace, Keep };

enum class OutputOutcome {
  Written,    // the new file is in its place
  Unchanged,  // the same bytes were there already; the file was not touched
  Kept,       // other bytes were there and stay, as ExistingTarget::Keep asked
};

class GuardedOutput : public IImageOutput {
 public:
  // Checks targetPath and prepares the temporary file. largestSize bounds what may be
  // written. Raises EFCreateError naming the target: a name Windows would change or
  // refuse, a folder, a path too long, one of kept (with its reason), or no way to
  // write a file there and no file there to compare with.
  GuardedOutput(std::string targetPath, const std::vector<KeptFile>& kept, uint64_t largestSize);
  // An output not finished leaves nothing behind.
  ~GuardedOutput() override;
  GuardedOutput(const GuardedOutput&) = delete;
  GuardedOutput& operator=(const GuardedOutput&) = delete;

  // Appends bytes. Raises EWriteError (DiskFull or NotWritten) naming the target, and
  // EFCreateError (kExecutableTooLarge) past largestSize.
  void Append(const void* bytes, size_t count) override;
  // Appends count bytes that a later WriteAt fills; they are compared with the target then.
  void Reserve(size_t count) override;
  // Fills reserved bytes at offset.
  void WriteAt(uint64_t offset, const void* bytes, size_t count) override;
  uint64_t Size() const { return size_; }
  const std::string& TargetPath() const { return targetPath_; }

  // Ends the output: leaves a target with the same bytes as it is, keeps or replaces
  // one with other bytes. Raises EFCreateError when the target is read-only
  // (kOutputReadOnly) or cannot be replaced; it then stays as it was.
  OutputOutcome Finish(ExistingTarget existing = ExistingTarget::Replace);

 private:
  void CheckTarget(const std::vector<KeptFile>& kept) const;
  bool CreateTemporaryFile();
  void OpenTargetToCompare();
  void Add(const char* bytes, size_t count, bool compared);
  void Compare(const char* bytes, size_t count);
  void WriteBuffered();
  void Commit();

  std::string targetPath_;
  uint64_t largestSize_;
  uint64_t size_ = 0;
  platform::File temporary_;  // not open when no file can be made in the folder
  std::vector<char> buffer_;
  // The target as it stands, read alongside what is appended until a byte differs.
  platform::File target_;
  uint64_t targetSize_ = 0;
  bool sameSoFar_ = false;
  std::vector<char> targetBytes_;
};
