#include "engine/ExecutableAssembly.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/PendingFile.h"
#include "platform/File.h"

namespace {
void Report(const std::function<void(int)>& progress, int percent) {
  if (progress) progress(percent);
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

// Appends the part's bytes to output, as many as it held when it was opened.
void Append(PendingFile& output, Part& part) {
  uint64_t remaining = part.size;
  std::vector<char> buffer(static_cast<size_t>(std::min<uint64_t>(remaining, kCopyBufferSize)));
  while (remaining > 0) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(remaining, buffer.size()));
    size_t transferred = 0;
    if (!part.file.Read(buffer.data(), chunk, transferred) || transferred != chunk)
      throw EReadError(Texts::kStreamReadError);
    output.Append(buffer.data(), chunk);
    remaining -= chunk;
  }
}
}  // namespace

void WriteExecutable(const std::string& outputPath, const std::string& runtimeImagePath,
                     const std::string& attachmentPath, const std::function<void(int percent)>& progress) {
  CheckTargetPath(outputPath);
  Part runtimeImage(runtimeImagePath), attachment(attachmentPath);
  if (runtimeImage.size > kLargestExecutableSize ||
      attachment.size > kLargestExecutableSize - runtimeImage.size)
    throw EFCreateError(FormatText(Texts::kExecutableTooLarge, outputPath));
  PendingFile executable(outputPath, kLargestExecutableSize);
  Append(executable, runtimeImage);
  Report(progress, kProgressImageCopied);
  Append(executable, attachment);
  Report(progress, kProgressDone);
  executable.Commit();
}
