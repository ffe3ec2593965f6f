#include "console/ConsoleJob.h"

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "platform/File.h"
#include "platform/ForeignCharacters.h"

void WriteOutputLine(const ConsoleJob& job, const std::string& text) {
  job.Streams.Write(ConsoleStream::Output, text + "\r\n");
}

void StopIfInterrupted(const ConsoleJob& job) {
  if (job.Facts.Interrupted && job.Facts.Interrupted())
    throw Exception(Texts::Console::kInterrupted, ErrorReason::Interrupted);
}

ProgressCallback StoppingProgress(const ConsoleJob& job) {
  return [&job](int) { StopIfInterrupted(job); };
}

void CheckPathGiven(const std::string& path) {
  if (HoldsForeignCharacters(path))
    throw Exception(FormatText(Texts::Console::kForeignCharacters, path), ErrorReason::Unspecified, path);
  if (platform::FullPathLength(path) > platform::kLongestPath)
    throw Exception(
        FormatText(Texts::Console::kPathTooLong, path.c_str(), static_cast<int>(platform::kLongestPath)),
        ErrorReason::Unspecified, path);
}
