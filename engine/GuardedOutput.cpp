#include "engine/GuardedOutput.h"

#include <algorithm>
#include <cstring>
#include <random>

#include "common/Format.h"
#include "common/Texts.h"
#include "platform/ShiftJisPath.h"

namespace {
// Bytes are gathered to this many before each write.
constexpr size_t kWriteBufferSize = 256 * 1024;
constexpr int kTemporaryNameAttempts = 100;

[[noreturn]] void ThrowNotWritten(const platform::File& file, const std::string& targetPath) {
  throw EWriteError(Texts::kStreamWriteError,
                    platform::IsDiskFull(file.Error()) ? ErrorReason::DiskFull : ErrorReason::NotWritten,
                    targetPath);
}

[[noreturn]] void ThrowCannotCreate(const std::string& targetPath,
                                    ErrorReason reason = ErrorReason::Unspecified) {
  throw EFCreateError(FormatText(Texts::kFileCreateError, targetPath), reason, targetPath);
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

GuardedOutput::GuardedOutput(std::string targetPath, const std::vector<KeptFile>& kept, uint64_t largestSize)
    : targetPath_(std::move(targetPath)), largestSize_(largestSize) {
  CheckTarget(kept);
  OpenTargetToCompare();
  // Without a file of its own the output can still tell that the target holds its bytes.
  if (!CreateTemporaryFile() && !target_.IsOpen()) ThrowCannotCreate(targetPath_);
  buffer_.reserve(kWriteBufferSize);
}

GuardedOutput::~GuardedOutput() = default;

void GuardedOutput::CheckTarget(const std::vector<KeptFile>& kept) const {
  if (!NamesPlainFile(targetPath_) || platform::FolderExists(targetPath_)) ThrowCannotCreate(targetPath_);
  if (platform::FullPathLength(targetPath_) > platform::kLongestPath)
    throw EFCreateError(
        FormatText(Texts::kOutputPathTooLong, targetPath_.c_str(), static_cast<int>(platform::kLongestPath)),
        ErrorReason::Unspecified, targetPath_);
  for (const KeptFile& file : kept)
    if (!file.Path.empty() && platform::SameFile(targetPath_, file.Path))
      ThrowCannotCreate(targetPath_, file.Reason);
}

bool GuardedOutput::CreateTemporaryFile() {
  std::random_device seed;
  std::mt19937 random(seed());
  const std::string folder = FolderPart(targetPath_);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    if (temporary_.CreateTemporary(TemporaryPathIn(folder, random), platform::Share::None)) return true;
    if (temporary_.Error() != platform::kErrorFileExists) break;
  }
  return false;
}

void GuardedOutput::OpenTargetToCompare() {
  sameSoFar_ = platform::FileExists(targetPath_) && target_.OpenRead(targetPath_, platform::Share::Any) &&
               target_.Size(targetSize_);
  if (!sameSoFar_) target_.Close();
}

void GuardedOutput::Compare(const char* bytes, size_t count) {
  // What the target holds at this place, read a buffer at a time.
  const uint64_t position = size_ - count;
  sameSoFar_ = sameSoFar_ && count <= targetSize_ - position;
  while (sameSoFar_ && count > 0) {
    const size_t piece = std::min(count, kWriteBufferSize);
    size_t read = 0;
    targetBytes_.resize(piece);
    sameSoFar_ = target_.Read(targetBytes_.data(), piece, read) && read == piece &&
                 std::memcmp(targetBytes_.data(), bytes, piece) == 0;
    bytes += piece;
    count -= piece;
  }
  if (!sameSoFar_) target_.Close();
}

void GuardedOutput::Append(const void* bytes, size_t count) {
  Add(static_cast<const char*>(bytes), count, true);
}

void GuardedOutput::Reserve(size_t count) {
  const std::vector<char> zeros(count);
  Add(zeros.data(), count, false);
}

void GuardedOutput::WriteAt(uint64_t offset, const void* bytes, size_t count) {
  const auto* data = static_cast<const char*>(bytes);
  if (sameSoFar_) {
    // The target's bytes at that place; then on where the comparison stands.
    std::vector<char> theirs(count);
    size_t read = 0;
    sameSoFar_ = target_.Seek(offset) && target_.Read(theirs.data(), count, read) && read == count &&
                 std::equal(theirs.begin(), theirs.end(), data) && target_.Seek(size_);
    if (!sameSoFar_) target_.Close();
  }
  if (!temporary_.IsOpen()) return;
  WriteBuffered();
  size_t written = 0;
  if (!temporary_.Seek(offset) || !temporary_.Write(data, count, written) || written != count ||
      !temporary_.Seek(size_))
    ThrowNotWritten(temporary_, targetPath_);
}

void GuardedOutput::Add(const char* data, size_t count, bool compared) {
  if (count > largestSize_ - size_)
    throw EFCreateError(FormatText(Texts::kExecutableTooLarge, targetPath_), ErrorReason::Unspecified,
                        targetPath_);
  size_ += count;
  if (compared)
    Compare(data, count);
  else if (sameSoFar_ && (size_ > targetSize_ || !target_.Seek(size_)))
    sameSoFar_ = false;  // passed over: WriteAt compares it
  if (!sameSoFar_) target_.Close();
  if (!temporary_.IsOpen()) return;
  while (count > 0) {
    const size_t taken = std::min(count, kWriteBufferSize - buffer_.size());
    buffer_.insert(buffer_.end(), data, data + taken);
    data += taken;
    count -= taken;
    if (buffer_.size() == kWriteBufferSize) WriteBuffered();
  }
}

void GuardedOutput::WriteBuffered() {
  size_t written = 0;
  if (!temporary_.Write(buffer_.data(), buffer_.size(), written) || written != buffer_.size())
    ThrowNotWritten(temporary_, targetPath_);
  buffer_.clear();
}

OutputOutcome GuardedOutput::Finish(ExistingTarget existing) {
  const bool same = sameSoFar_ && size_ == targetSize_;
  target_.Close();
  if (same) return OutputOutcome::Unchanged;
  const bool targetThere = platform::FileExists(targetPath_);
  if (targetThere && existing == ExistingTarget::Keep) return OutputOutcome::Kept;
  // Windows refuses to replace a read-only file, and a user sets the attribute to keep it.
  if (targetThere && platform::IsReadOnlyFile(targetPath_))
    throw EFCreateError(FormatText(Texts::kOutputReadOnly, targetPath_), ErrorReason::Unspecified,
                        targetPath_);
  if (!temporary_.IsOpen()) ThrowCannotCreate(targetPath_);
  Commit();
  return OutputOutcome::Written;
}

void GuardedOutput::Commit() {
  WriteBuffered();
  if (!temporary_.Flush()) ThrowNotWritten(temporary_, targetPath_);
  platform::SystemError error = 0;
  for (int attempt = 1; !temporary_.KeepAs(targetPath_, error); ++attempt) {
    if (attempt == kHeldFileAttempts || !IsHeldByAnotherProgram(error)) ThrowCannotCreate(targetPath_);
    platform::SleepMilliseconds(kHeldFileRetryMilliseconds);
  }
  temporary_.Close();  // the file is whole and in its place already
}
