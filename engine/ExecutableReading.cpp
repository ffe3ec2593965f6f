#include "engine/ExecutableReading.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "cipher/BlowfishErrors.h"
#include "cipher/Sha256.h"
#include "engine/BackgroundDigest.h"
#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/HeaderLine.h"
#include "engine/PeImage.h"

namespace {
constexpr size_t kReadSize = 64 * 1024;
// A settings file starts with its header line, whose bytes 2 to 15 are the marker.
constexpr size_t kMarkerEnd = 15;

// True when a settings file's header starts at offset.
bool SettingsStartAt(IRandomAccessBytes& executable, uint64_t offset) {
  if (offset >= executable.Size() || executable.Size() - offset < kMarkerEnd) return false;
  char start[kMarkerEnd];
  if (!executable.ReadAt(offset, start, sizeof start)) throw EReadError(Texts::kStreamReadError);
  return HasHeaderMarker(std::string(start, sizeof start));
}

// The executable's bytes read in order through a window of kReadSize, with the digest
// of what was read worked out beside, so that the comparison with the current runtime
// costs one pass and little more time than the deciphering it waits for.
class SequentialReader {
 public:
  SequentialReader(IRandomAccessBytes& source, bool withDigest) : source_(source) {
    if (withDigest) digest_ = std::make_unique<BackgroundDigest>();
  }
  // The count bytes at the current position (count at most kReadSize), which then
  // moves past them; nullptr when the file ends before.
  const char* Next(size_t count) {
    if (count > source_.Size() - position_) return nullptr;
    if (position_ + count > windowStart_ + window_.size()) {
      HandOverWhatWasRead();
      window_.resize(static_cast<size_t>(std::min<uint64_t>(kReadSize, source_.Size() - position_)));
      if (!source_.ReadAt(position_, window_.data(), window_.size()))
        throw EReadError(Texts::kStreamReadError);
      windowStart_ = position_;
    }
    const char* bytes = window_.data() + (position_ - windowStart_);
    position_ += count;
    return bytes;
  }
  uint64_t Position() const { return position_; }
  // The digest of the bytes read so far.
  std::string HexDigest() {
    HandOverWhatWasRead();
    return digest_->HexDigest();
  }

 private:
  // Gives the part of the window read so far to the digest; the window is then empty.
  void HandOverWhatWasRead() {
    window_.resize(static_cast<size_t>(position_ - windowStart_));
    if (digest_ && !window_.empty()) digest_->Add(std::move(window_));
    window_ = std::vector<char>();
    windowStart_ = position_;
  }

  IRandomAccessBytes& source_;
  std::unique_ptr<BackgroundDigest> digest_;
  std::vector<char> window_;
  uint64_t windowStart_ = 0;
  uint64_t position_ = 0;
};

// The length of the current runtime when the executable starts with it, byte for byte;
// 0 when it does not. Unknown in match when no current runtime can be read.
uint64_t CurrentRuntimeLength(SequentialReader& executable, const RuntimeSource& currentRuntime,
                              RuntimeMatch& match) {
  bool same = true;
  const bool readable = currentRuntime([&](const uint8_t* bytes, size_t count) {
    // Deciphered to the end even after a difference: only a runtime read whole counts.
    for (size_t done = 0; same && done < count;) {
      const size_t piece = std::min(count - done, kReadSize);
      const char* theirs = executable.Next(piece);
      same = theirs != nullptr && std::memcmp(theirs, bytes + done, piece) == 0;
      done += piece;
    }
  });
  match = !readable ? RuntimeMatch::Unknown : same ? RuntimeMatch::Current : RuntimeMatch::Different;
  return match == RuntimeMatch::Current ? executable.Position() : 0;
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

RuntimeSource CurrentRuntime(const std::string& runtimeFile) {
  return [runtimeFile](const RuntimeChunkSink& sink) {
    try {
      return DecipherRuntime(runtimeFile, sink);
    } catch (const EFileError&) {
      return false;  // not whole blocks, or padding that no enciphering leaves
    } catch (const EInOutError&) {
      return false;
    }
  };
}

bool FindExecutableParts(IRandomAccessBytes& executable, const RuntimeSource& currentRuntime,
                         ExecutableParts& parts, bool withDigest) {
  parts = ExecutableParts{};
  SequentialReader reader(executable, withDigest);
  uint64_t boundary = CurrentRuntimeLength(reader, currentRuntime, parts.Runtime);
  const bool afterCurrent = boundary != 0 && SettingsStartAt(executable, boundary);
  if (!afterCurrent) {
    boundary = ProgramImageEnd(executable);
    if (boundary == 0 || !SettingsStartAt(executable, boundary)) return false;
    // The current runtime may be the prefix of an image that does not end there.
    if (parts.Runtime == RuntimeMatch::Current) parts.Runtime = RuntimeMatch::Different;
  }
  parts.RuntimeSize = boundary;
  parts.SettingsSize = executable.Size() - boundary;
  if (withDigest)
    parts.RuntimeDigest = afterCurrent ? reader.HexDigest() : DigestOfStart(executable, boundary);
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

std::string SettingsPartOf(IRandomAccessBytes& executable, const ExecutableParts& parts) {
  std::string settings;
  settings.reserve(static_cast<size_t>(parts.SettingsSize));
  CopyBytes(executable, parts.RuntimeSize, parts.SettingsSize,
            [&](const char* bytes, size_t count) { settings.append(bytes, count); });
  return settings;
}

std::string DigestOfStart(IRandomAccessBytes& source, uint64_t count) {
  Sha256 digest;
  CopyBytes(source, 0, count, [&](const char* bytes, size_t size) { digest.Add(bytes, size); });
  return digest.HexDigest();
}
