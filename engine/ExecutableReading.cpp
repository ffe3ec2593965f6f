#include "engine/ExecutableReading.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "cipher/Blowfish.h"
#include "cipher/Sha256.h"
#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/HeaderLine.h"
#include "engine/PeImage.h"
#include "engine/WorkFiles.h"

namespace {
constexpr size_t kReadSize = 64 * 1024;
// The headers of a program, section table included, lie within its first bytes.
constexpr size_t kProgramHeadersLimit = 64 * 1024;
// A settings file starts with its header line, whose bytes 2 to 15 are the marker.
constexpr size_t kMarkerEnd = 15;

// True when a settings file's header starts at offset.
bool SettingsStartAt(IRandomAccessBytes& executable, uint64_t offset) {
  if (offset >= executable.Size() || executable.Size() - offset < kMarkerEnd) return false;
  char start[kMarkerEnd];
  if (!executable.ReadAt(offset, start, sizeof start)) throw EReadError(Texts::kStreamReadError);
  return HasHeaderMarker(std::string(start, sizeof start));
}

// The length of the current runtime when the executable starts with it, byte for byte;
// 0 when it does not. Unknown in match when no current runtime can be read.
uint64_t CurrentRuntimeLength(IRandomAccessBytes& executable, const RuntimeSource& currentRuntime,
                              RuntimeMatch& match) {
  uint64_t offset = 0;
  bool same = true;
  std::vector<char> theirs;
  const bool readable = currentRuntime([&](const uint8_t* bytes, size_t count) {
    // Deciphered to the end even after a difference: only a runtime read whole counts.
    if (!same) return;
    if (count > executable.Size() - offset) {
      same = false;
      return;
    }
    theirs.resize(std::max(theirs.size(), count));
    if (!executable.ReadAt(offset, theirs.data(), count)) throw EReadError(Texts::kStreamReadError);
    same = std::memcmp(theirs.data(), bytes, count) == 0;
    offset += count;
  });
  match = !readable ? RuntimeMatch::Unknown : same ? RuntimeMatch::Current : RuntimeMatch::Different;
  return match == RuntimeMatch::Current ? offset : 0;
}

// The end of the program image that starts the executable, or 0 when it starts with none.
uint64_t ProgramImageEnd(IRandomAccessBytes& executable) {
  std::string head(static_cast<size_t>(std::min<uint64_t>(executable.Size(), kProgramHeadersLimit)), '\0');
  if (!executable.ReadAt(0, &head[0], head.size())) throw EReadError(Texts::kStreamReadError);
  PeImageLayout layout;
  return ReadPeImage(head, executable.Size(), layout) ? layout.SectionsEnd : 0;
}
}  // namespace

FileBytes::FileBytes(const std::string& path) {
  if (!file_.OpenRead(path, platform::Share::Read) || !file_.Size(size_))
    throw EFOpenError(FormatText(Texts::kFileOpenError, path));
}

bool FileBytes::ReadAt(uint64_t offset, void* buffer, size_t count) {
  size_t transferred = 0;
  return offset <= size_ && count <= size_ - offset && file_.Seek(offset) &&
         file_.Read(buffer, count, transferred) && transferred == count;
}

RuntimeSource RuntimeFileIn(const std::string& programFolder) {
  const std::string runtimeFile = programFolder + kRuntimeFileName;
  return [runtimeFile](const RuntimeChunkSink& sink) {
    if (!platform::FileExists(runtimeFile)) return false;
    Blowfish cipher;
    cipher.SetIV(kRuntimeIVPhrase);
    cipher.SetKey(kRuntimeKeyPhrase);
    try {
      cipher.DecipherFileInto(runtimeFile, [&](const uint8_t* bytes, size_t count) {
        sink(bytes, count);
        return true;
      });
    } catch (const EFileError&) {
      return false;  // not whole blocks, or padding that no enciphering leaves
    } catch (const EInOutError&) {
      return false;
    }
    cipher.ClearKey();
    return true;
  };
}

bool FindExecutableParts(IRandomAccessBytes& executable, const RuntimeSource& currentRuntime,
                         ExecutableParts& parts) {
  parts = ExecutableParts{};
  uint64_t boundary = CurrentRuntimeLength(executable, currentRuntime, parts.Runtime);
  if (boundary == 0 || !SettingsStartAt(executable, boundary)) {
    boundary = ProgramImageEnd(executable);
    if (boundary == 0 || !SettingsStartAt(executable, boundary)) return false;
    // The current runtime may be the prefix of an image that does not end there.
    if (parts.Runtime == RuntimeMatch::Current) parts.Runtime = RuntimeMatch::Different;
  }
  parts.RuntimeSize = boundary;
  parts.SettingsSize = executable.Size() - boundary;
  return true;
}

void CopyBytes(IRandomAccessBytes& source, uint64_t offset, uint64_t count,
               const std::function<void(const char* bytes, size_t count)>& sink) {
  std::vector<char> buffer(static_cast<size_t>(std::min<uint64_t>(count, kReadSize)));
  while (count > 0) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(count, buffer.size()));
    if (!source.ReadAt(offset, buffer.data(), chunk)) throw EReadError(Texts::kStreamReadError);
    sink(buffer.data(), chunk);
    offset += chunk;
    count -= chunk;
  }
}

std::string DigestOfStart(IRandomAccessBytes& source, uint64_t count) {
  Sha256 digest;
  CopyBytes(source, 0, count, [&](const char* bytes, size_t size) { digest.Add(bytes, size); });
  return digest.HexDigest();
}
