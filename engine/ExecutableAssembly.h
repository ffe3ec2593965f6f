#pragma once
// Writing the generated executable: the runtime image with the attachment file
// appended, nothing before, between or after them. Each part is copied through one
// buffer of at most kCopyBufferSize bytes, so the memory used does not grow with the
// size of the files.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The progress reports of writing an executable: its runtime part written, then all.
inline constexpr int kProgressImageCopied = 66;
inline constexpr int kProgressDone = 100;

// The largest buffer a copy uses (0xF000 bytes).
inline constexpr size_t kCopyBufferSize = 61440;
// The largest executable Windows starts: its program file must stay below 4 GB.
inline constexpr uint64_t kLargestExecutableSize = 0xFFFFFFFFu;

// Writes the bytes of runtimeImagePath, reports 66, appends those of attachmentPath
// and reports 100. Each part is opened with no sharing and copied for the size it had
// when opened. The executable is written as a PendingFile: under a name of its own in
// the folder of outputPath, with no sharing, deleted by the system if the process ends
// before it is complete, and put in the place of a file at outputPath only once it is
// complete and on the disk.
// Raises EFCreateError when outputPath cannot be created or replaced, when its full path
// is longer than the system takes, when a read-only file lies there, or when the parts
// together exceed kLargestExecutableSize; EFOpenError when a part cannot be opened;
// EReadError or EWriteError (naming outputPath) when a read or a write moves fewer bytes
// than asked. On every error an older file at outputPath stays as it was and nothing new
// is left behind.
void WriteExecutable(const std::string& outputPath, const std::string& runtimeImagePath,
                     const std::string& attachmentPath, const std::function<void(int percent)>& progress);
