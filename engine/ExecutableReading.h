#pragma once
// Reading back an executable that a conversion made: the deciphered runtime followed by
// the settings file, and after them, when it was signed afterwards, the zeros that align
// the certificate table and that table (the signature). The boundary is found exactly or
// not at all: right after the current runtime when the executable starts with it;
// otherwise at the true end of the runtime's program image (its sections, symbol tables
// and a certificate table of its own, which the headers of an executable signed again
// no longer give) when a settings file's header follows there. The executable is
// untrusted: every size is checked against the file before use, and memory does not
// grow with the file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/ImagePropertiesEditor.h"
#include "engine/RandomAccessBytes.h"
#include "engine/RuntimeFile.h"
#include "platform/File.h"

// An open file as IRandomAccessBytes.
class FileBytes : public IRandomAccessBytes {
 public:
  // Opens path for reading, others may read too (and do more as share allows). Raises
  // EFOpenError when it cannot be opened (a folder cannot either).
  explicit FileBytes(const std::string& path, platform::Share share = platform::Share::Read);
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

// What the runtime part of an executable is compared with the current runtime. Signing
// rewrites two header fields, the checksum and the security directory entry: in an
// executable signed at its end they are left out of the comparison, and the runtime
// counts as current when every other byte is its own.
enum class RuntimeMatch {
  Current,    // byte for byte the current runtime, but for the fields signing rewrote
  Different,  // another runtime: an older one, say
  Unknown,    // no current runtime could be read
};

struct ExecutableParts {
  uint64_t RuntimeSize = 0;   // the settings file starts at this offset
  uint64_t SettingsSize = 0;  // and runs to the end of the file, or to the signature's padding
  // The certificate table that signing appended at the end of the file; both 0 when
  // unsigned. The fewer than 8 zero bytes between the settings and it align it.
  uint64_t SignatureOffset = 0;
  uint64_t SignatureSize = 0;
  RuntimeMatch Runtime = RuntimeMatch::Unknown;
  std::string RuntimeDigest;  // SHA-256 of the runtime part, when asked for

  bool Signed() const { return SignatureSize != 0; }
};

// Finds the parts of executable, withDigest also the runtime part's SHA-256, in the same
// pass as the comparison where the current runtime starts the file. False when it is not
// an executable a conversion made, without reading it when it is larger than any
// executable can be (kLargestExecutableSize). Raises EReadError when its bytes cannot be
// read.
bool FindExecutableParts(IRandomAccessBytes& executable, const RuntimeSource& currentRuntime,
                         ExecutableParts& parts, bool withDigest = false);

// How the runtime part of executable, as parts found it, compares with the runtime given
// an icon and version information of its own as choose picks: the edited image against
// the part byte for byte, but in a signed executable for the checksum and the security
// directory entry, which the signer rewrote. Raises EReadError when the executable cannot
// be read.
RuntimeMatch MatchWithProperties(IRandomAccessBytes& executable, const ExecutableParts& parts,
                                 const RuntimeSource& runtime, const PropertiesChoice& choose);

// Hands count bytes of source from offset to sink, a piece at a time. Raises EReadError
// when they cannot be read.
void CopyBytes(IRandomAccessBytes& source, uint64_t offset, uint64_t count,
               const std::function<void(const char* bytes, size_t count)>& sink);

// What the settings part holds, read through once a piece at a time and split into lines
// as LineList::AddText splits them.
struct SettingsLines {
  std::string Header;       // the first line without its line end, at most kHeaderBytesKept of it
  uint64_t HeaderSize = 0;  // the first line's whole length
  uint64_t Count = 0;       // the lines
  uint64_t NulLine = 0;     // the number (from 1) of the line a NUL byte cut short; 0 when none did
};
// Far more than any header a settings tool writes, and past its last option column.
inline constexpr size_t kHeaderBytesKept = 64 * 1024;

// The lines of the settings part of executable, as parts found it; reading stops at a
// NUL byte. Raises EReadError when it cannot be read.
SettingsLines ReadSettingsLines(IRandomAccessBytes& executable, const ExecutableParts& parts);

// The settings part of executable, as parts found it, read into memory, which grows
// with it. Raises EReadError when it cannot be read.
std::string SettingsPartOf(IRandomAccessBytes& executable, const ExecutableParts& parts);

// The SHA-256 digest, as lowercase hexadecimal, of the first count bytes of source.
std::string DigestOfStart(IRandomAccessBytes& source, uint64_t count);
