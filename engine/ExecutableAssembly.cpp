#include "engine/ExecutableAssembly.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "platform/File.h"

namespace {
constexpr int kProgressImageCopied = 66;
constexpr int kProgressDone = 100;

void Report(const std::function<void(int)>& progress, int percent) {
  if (progress) progress(percent);
}

// Opens sourcePath with no sharing and writes to output as many bytes as the source
// held when it was opened.
void AppendFile(platform::File& output, const std::string& sourcePath) {
  platform::File source;
  if (!source.OpenRead(sourcePath, platform::Share::None))
    throw EFOpenError(FormatText(Texts::FileOpenError, sourcePath));
  uint64_t remaining = 0;
  if (!source.Size(remaining)) throw EReadError(Texts::StreamReadError);

  std::vector<char> buffer(static_cast<size_t>(std::min<uint64_t>(remaining, kCopyBufferSize)));
  while (remaining > 0) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(remaining, buffer.size()));
    size_t transferred = 0;
    if (!source.Read(buffer.data(), chunk, transferred) || transferred != chunk)
      throw EReadError(Texts::StreamReadError);
    if (!output.Write(buffer.data(), chunk, transferred) || transferred != chunk)
      throw EWriteError(Texts::StreamWriteError);
    remaining -= chunk;
  }
}
}  // namespace

void WriteExecutable(const std::string& outputPath, const std::string& runtimeImagePath,
                     const std::string& attachmentPath,
                     const std::function<void(int percent)>& progress) {
  platform::File output;
  if (!output.Create(outputPath, platform::Share::None))
    throw EFCreateError(FormatText(Texts::FileCreateError, outputPath));
  try {
    AppendFile(output, runtimeImagePath);
    Report(progress, kProgressImageCopied);
    AppendFile(output, attachmentPath);
    Report(progress, kProgressDone);
    if (!output.Close()) throw EWriteError(Texts::StreamWriteError);
  } catch (...) {
    // An incomplete executable would look finished: it goes, the error stays.
    output.Close();
    platform::RemoveFile(outputPath);
    throw;
  }
}
