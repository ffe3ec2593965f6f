#pragma once
// Writing the generated executable: the runtime image with the attachment file
// appended, nothing before, between or after them. Each part is copied through one
// buffer of at most kCopyBufferSize bytes, so the memory used does not grow with the
// size of the files.
#include <cstddef>
#include <functional>
#include <string>

// The largest buffer a copy uses (0xF000 bytes).
inline constexpr size_t kCopyBufferSize = 61440;

// Creates outputPath (an existing file is truncated) with no sharing, appends the
// bytes of runtimeImagePath, reports 66, appends those of attachmentPath and reports
// 100. Each part is opened with no sharing and copied for the size it had when opened.
// Raises EFCreateError when the output cannot be created (nothing is changed then),
// EFOpenError when a part cannot be opened, EReadError or EWriteError when a read or
// a write moves fewer bytes than asked; after those three the incomplete output file
// is deleted.
void WriteExecutable(const std::string& outputPath, const std::string& runtimeImagePath,
                     const std::string& attachmentPath,
                     const std::function<void(int percent)>& progress);
