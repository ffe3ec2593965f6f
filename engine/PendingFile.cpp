#include "engine/PendingFile.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ShiftJisPath.h"

namespace {
// Bytes are gathered to this many before each write.
constexpr size_t kWriteBufferSize = 256 * 1024;
// Another program (a virus scanner, say) may hold the old file for a moment: the
// replacement is tried again for about a second before it counts as failed.
constexpr int kReplaceAttempts = 10;
constexpr unsigned kReplaceRetryMilliseconds = 100;
constexpr int kTemporaryNameAttempts = 100;

[[noreturn]] void ThrowCannotCreate(const std::string& targetPath) {
  throw EFCreateError(FormatText(Texts::kFileCreateError, targetPath));
}

// A path in folder for the file while it is written: "~zep", eight hex digits and
// ".tmp", or, in a folder so deep that this path would be too long, "~" and as many hex
// digits as fit. The target's own name fits, so the path found is never too long where
// the target's is not.
std::string TemporaryPathIn(const std::string& folder, std::mt19937& random) {
  const std::string usual = folder + FormatText("~zep%08x.tmp", static_cast<unsigned>(random()));
  if (platform::FullPathLength(usual) <= platform::kLongestPath) return usual;
  const std::string digits =
      FormatText("%08x%08x", static_cast<unsigned>(random()), static_cast<unsigned>(random()));
  std::string path = folder + "~" + digits;
  while (path.size() > folder.size() + 1 && platform::FullPathLength(path) > platform::kLongestPath)
    path.pop_back();
  return path;
}

bool IsHeldByAnotherProgram(platform::SystemError error) {
  return error == platform::kErrorSharingViolation || error == platform::kErrorLockViolation ||
         error == platform::kErrorAccessDenied;
}
}  // namespace

void CheckTargetPath(const std::string& targetPath) {
  if (NamePart(targetPath).empty() || platform::FolderExists(targetPath)) ThrowCannotCreate(targetPath);
  if (platform::FullPathLength(targetPath) > platform::kLongestPath)
    throw EFCreateError(
        FormatText(Texts::kOutputPathTooLong, targetPath.c_str(), static_cast<int>(platform::kLongestPath)));
  // Windows refuses to replace a read-only file, and a user sets the attribute to keep it.
  if (platform::IsReadOnlyFile(targetPath))
    throw EFCreateError(FormatText(Texts::kOutputReadOnly, targetPath));
}

PendingFile::PendingFile(const std::string& targetPath, uint64_t largestSize)
    : targetPath_(targetPath), largestSize_(largestSize) {
  CheckTargetPath(targetPath);
  std::random_device seed;
  std::mt19937 random(seed());
  const std::string folder = FolderPart(targetPath);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    if (file_.CreateTemporary(TemporaryPathIn(folder, random), platform::Share::None)) {
      buffer_.reserve(kWriteBufferSize);
      return;
    }
    if (file_.Error() != platform::kErrorFileExists) break;
  }
  ThrowCannotCreate(targetPath);
}

void PendingFile::WriteBuffered() {
  size_t written = 0;
  if (!file_.Write(buffer_.data(), buffer_.size(), written) || written != buffer_.size())
    throw EWriteError(Texts::kStreamWriteError, targetPath_, file_.Error());
  buffer_.clear();
}

void PendingFile::Append(const void* bytes, size_t count) {
  if (count > largestSize_ - size_) throw EFCreateError(FormatText(Texts::kExecutableTooLarge, targetPath_));
  size_ += count;
  const auto* data = static_cast<const char*>(bytes);
  while (count > 0) {
    const size_t taken = std::min(count, kWriteBufferSize - buffer_.size());
    buffer_.insert(buffer_.end(), data, data + taken);
    data += taken;
    count -= taken;
    if (buffer_.size() == kWriteBufferSize) WriteBuffered();
  }
}

bool PendingFile::SameAsTarget() {
  WriteBuffered();
  platform::File target;
  uint64_t targetSize = 0;
  if (!target.OpenRead(targetPath_, platform::Share::Read)) return false;
  if (!target.Size(targetSize) || !file_.Seek(0)) throw EReadError(Texts::kStreamReadError);
  if (targetSize != size_) return false;
  std::vector<char> mine(kWriteBufferSize), theirs(kWriteBufferSize);
  for (uint64_t remaining = size_; remaining > 0;) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(remaining, kWriteBufferSize));
    size_t readMine = 0, readTheirs = 0;
    if (!file_.Read(mine.data(), chunk, readMine) || !target.Read(theirs.data(), chunk, readTheirs) ||
        readMine != chunk || readTheirs != chunk)
      throw EReadError(Texts::kStreamReadError);
    if (std::memcmp(mine.data(), theirs.data(), chunk) != 0) return false;
    remaining -= chunk;
  }
  return true;
}

void PendingFile::Commit() {
  WriteBuffered();
  if (!file_.Flush()) throw EWriteError(Texts::kStreamWriteError, targetPath_, file_.Error());
  platform::SystemError error = 0;
  for (int attempt = 1; !file_.KeepAs(targetPath_, error); ++attempt) {
    if (attempt == kReplaceAttempts || !IsHeldByAnotherProgram(error)) ThrowCannotCreate(targetPath_);
    platform::SleepMilliseconds(kReplaceRetryMilliseconds);
  }
  file_.Close();  // the file is whole and in its place already
}
