#include "engine/ExecutableAssembly.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/ShiftJisPath.h"
#include "platform/File.h"

namespace {
constexpr int kProgressImageCopied = 66;
constexpr int kProgressDone = 100;
// Another program (a virus scanner, say) may hold the old executable for a moment:
// the replacement is tried again for about a second before it counts as failed.
constexpr int kReplaceAttempts = 10;
constexpr unsigned kReplaceRetryMilliseconds = 100;
constexpr int kTemporaryNameAttempts = 100;

void Report(const std::function<void(int)>& progress, int percent) {
  if (progress) progress(percent);
}

[[noreturn]] void ThrowCannotCreate(const std::string& outputPath) {
  throw EFCreateError(FormatText(Texts::kFileCreateError, outputPath));
}

// One part of the executable, opened with no sharing, and its size at that moment.
struct Part {
  explicit Part(const std::string& path) {
    if (!file.OpenRead(path, platform::Share::None))
      throw EFOpenError(FormatText(Texts::kFileOpenError, path));
    if (!file.Size(size)) throw EReadError(Texts::kStreamReadError);
  }
  platform::File file;
  uint64_t size = 0;
};

// Writes the part's bytes to output (the executable being written for outputPath), as
// many as it held when it was opened.
void Append(platform::File& output, const std::string& outputPath, Part& part) {
  uint64_t remaining = part.size;
  std::vector<char> buffer(static_cast<size_t>(std::min<uint64_t>(remaining, kCopyBufferSize)));
  while (remaining > 0) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(remaining, buffer.size()));
    size_t transferred = 0;
    if (!part.file.Read(buffer.data(), chunk, transferred) || transferred != chunk)
      throw EReadError(Texts::kStreamReadError);
    if (!output.Write(buffer.data(), chunk, transferred) || transferred != chunk)
      throw EWriteError(Texts::kStreamWriteError, outputPath, output.Error());
    remaining -= chunk;
  }
}

// A path in folder for the executable while it is written: "~zep", eight hex digits and
// ".tmp", or, in a folder so deep that this path would be too long, "~" and as many hex
// digits as fit. The output's own name fits, so the path found is never too long where
// the output's is not.
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

// Creates a new, empty file with a name of its own in the folder of outputPath, where
// the executable is written before it takes the place of an older one.
std::string CreateTemporaryBeside(const std::string& outputPath, platform::File& file) {
  std::random_device seed;
  std::mt19937 random(seed());
  const std::string folder = FolderPart(outputPath);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string path = TemporaryPathIn(folder, random);
    if (file.CreateNew(path, platform::Share::None)) return path;
    if (file.Error() != platform::kErrorFileExists) break;
  }
  ThrowCannotCreate(outputPath);
}

bool IsHeldByAnotherProgram(platform::SystemError error) {
  return error == platform::kErrorSharingViolation || error == platform::kErrorLockViolation ||
         error == platform::kErrorAccessDenied;
}

void PutInPlace(const std::string& temporaryPath, const std::string& outputPath) {
  platform::SystemError error = 0;
  for (int attempt = 1; !platform::MoveFileOver(temporaryPath, outputPath, error); ++attempt) {
    if (attempt == kReplaceAttempts || !IsHeldByAnotherProgram(error)) ThrowCannotCreate(outputPath);
    platform::SleepMilliseconds(kReplaceRetryMilliseconds);
  }
}
}  // namespace

void WriteExecutable(const std::string& outputPath, const std::string& runtimeImagePath,
                     const std::string& attachmentPath,
                     const std::function<void(int percent)>& progress) {
  if (NamePart(outputPath).empty() || platform::FolderExists(outputPath)) ThrowCannotCreate(outputPath);
  if (platform::FullPathLength(outputPath) > platform::kLongestPath)
    throw EFCreateError(
        FormatText(Texts::kOutputPathTooLong, outputPath.c_str(), static_cast<int>(platform::kLongestPath)));
  // Windows refuses to replace a read-only file, and a user sets the attribute to keep it.
  if (platform::IsReadOnlyFile(outputPath)) throw EFCreateError(FormatText(Texts::kOutputReadOnly, outputPath));
  Part runtimeImage(runtimeImagePath), attachment(attachmentPath);
  if (runtimeImage.size > kLargestExecutableSize ||
      attachment.size > kLargestExecutableSize - runtimeImage.size)
    throw EFCreateError(FormatText(Texts::kExecutableTooLarge, outputPath));
  platform::File output;
  const std::string temporaryPath = CreateTemporaryBeside(outputPath, output);
  try {
    Append(output, outputPath, runtimeImage);
    Report(progress, kProgressImageCopied);
    Append(output, outputPath, attachment);
    Report(progress, kProgressDone);
    if (!output.Flush() || !output.Close())
      throw EWriteError(Texts::kStreamWriteError, outputPath, output.Error());
    PutInPlace(temporaryPath, outputPath);
  } catch (...) {
    // Until the new executable is whole and in place, an older one stays untouched.
    output.Close();
    platform::RemoveFile(temporaryPath);
    throw;
  }
}
