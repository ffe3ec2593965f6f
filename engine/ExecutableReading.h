#pragma once
// Reading back an executable that a conversion made: the deciphered runtime followed by
// the settings file. The boundary is found exactly or not at all: right after the
// current runtime when the executable starts with it; otherwise at the end of the
// runtime's program image (its last section's raw data) when a settings file's header
// follows there. The executable is untrusted: every size is checked against the file
// before use, and memory does not grow with the file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/RuntimeFile.h"
#include "platform/File.h"

// The bytes of a file, read from any place.
class IRandomAccessBytes {
 public:
  virtual ~IRandomAccessBytes() = default;
  virtual uint64_t Size() const = 0;
  // Reads count bytes at offset into buffer; false when not all of them could be read.
  virtual bool ReadAt(uint64_t offset, void* buffer, size_t count) = 0;
};

// An open file as IRandomAccessBytes.
class FileBytes : public IRandomAccessBytes {
 public:
  // Opens path for reading, others may read too. Raises EFOpenError when it cannot be
  // opened (a folder cannot either).
  explicit FileBytes(const std::string& path);
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override;

 private:
  platform::File file_;
  uint64_t size_ = 0;
};

// Hands the current runtime image, in order and a piece at a time, to the sink. False
// when there is no runtime that could be read whole (the runtime file is missing or
// damaged); the sink may have had pieces of it by then.
using RuntimeSource = std::function<bool(const RuntimeChunkSink& sink)>;

// The runtime that runtimeFile deciphers to. The source reports false when the file is
// missing, damaged or cannot be read; errors of the sink go through.
RuntimeSource CurrentRuntime(const std::string& runtimeFile);

// What the runtime part of an executable is compared with the current runtime.
enum class RuntimeMatch {
  Current,    // byte for byte the current runtime
  Different,  // another runtime: an older one, say
  Unknown,    // no current runtime could be read
};

struct ExecutableParts {
  uint64_t RuntimeSize = 0;   // the settings file starts at this offset
  uint64_t SettingsSize = 0;  // and runs to the end of the file
  RuntimeMatch Runtime = RuntimeMatch::Unknown;
  std::string RuntimeDigest;  // SHA-256 of the runtime part, when asked for
};

// Finds the two parts of executable, withDigest also the runtime part's SHA-256, in the
// same pass as the comparison where the current runtime starts the file. False when it
// is not an executable a conversion made. Raises EReadError when its bytes cannot be read.
bool FindExecutableParts(IRandomAccessBytes& executable, const RuntimeSource& currentRuntime,
                         ExecutableParts& parts, bool withDigest = false);

// Hands count bytes of source from offset to sink, a piece at a time. Raises EReadError
// when they cannot be read.
void CopyBytes(IRandomAccessBytes& source, uint64_t offset, uint64_t count,
               const std::function<void(const char* bytes, size_t count)>& sink);

// The settings part of executable, as parts found it, read into memory. Raises
// EReadError when it cannot be read.
std::string SettingsPartOf(IRandomAccessBytes& executable, const ExecutableParts& parts);

// The SHA-256 digest, as lowercase hexadecimal, of the first count bytes of source.
std::string DigestOfStart(IRandomAccessBytes& source, uint64_t count);
