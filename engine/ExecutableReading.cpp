#include "engine/ExecutableReading.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "cipher/BlowfishErrors.h"
#include "cipher/Sha256.h"
#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/BackgroundDigest.h"
#include "engine/ExecutableLimits.h"
#include "engine/HeaderLine.h"
#include "engine/LineSplitter.h"
#include "engine/PeImage.h"

namespace {
constexpr size_t kReadSize = 64 * 1024;
// A settings file starts with its header line, whose bytes 2 to 15 are the marker.
constexpr size_t kMarkerEnd = 15;
// A signer aligns the certificate table to 8 bytes with zeros before it.
constexpr size_t kMostPaddingZeros = 7;
constexpr uint64_t kCheckSumSize = 4;
// A certificate table starts with its length, revision 2.0 and type PKCS#7 signed data.
constexpr size_t kCertificateHeaderSize = 8;
constexpr unsigned char kCertificateRevisionAndType[4] = {0x00, 0x02, 0x02, 0x00};

// True when a settings file's header starts at offset, before end.
bool SettingsStartAt(IRandomAccessBytes& executable, uint64_t offset, uint64_t end) {
  if (offset >= end || end - offset < kMarkerEnd) return false;
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

bool InField(uint64_t offset, uint64_t field, uint64_t size) {
  return offset >= field && offset - field < size;
}

// True when the count bytes of the executable at offset (theirs) are those of the runtime
// (ours), but in a signed executable (signedLayout set) for the checksum and the security
// directory entry, which the signer rewrote.
bool SameBytes(const char* theirs, const uint8_t* ours, size_t count, uint64_t offset,
               const PeImageLayout* signedLayout) {
  if (std::memcmp(theirs, ours, count) == 0) return true;
  if (signedLayout == nullptr) return false;
  for (size_t i = 0; i < count; ++i) {
    const uint64_t at = offset + i;
    if (static_cast<uint8_t>(theirs[i]) != ours[i] &&
        !InField(at, signedLayout->CheckSumField, kCheckSumSize) &&
        !InField(at, signedLayout->CertificateEntryField, kDataDirectorySize))
      return false;
  }
  return true;
}

// The length of the current runtime when the executable starts with it; 0 when it does
// not. Unknown in match when no current runtime can be read.
uint64_t CurrentRuntimeLength(SequentialReader& executable, const RuntimeSource& currentRuntime,
                              const PeImageLayout* signedLayout, RuntimeMatch& match) {
  bool same = true;
  const bool readable = currentRuntime([&](const uint8_t* bytes, size_t count) {
    // Deciphered to the end even after a difference: only a runtime read whole counts.
    for (size_t done = 0; same && done < count;) {
      const size_t piece = std::min(count - done, kReadSize);
      const uint64_t offset = executable.Position();
      const char* theirs = executable.Next(piece);
      same = theirs != nullptr && SameBytes(theirs, bytes + done, piece, offset, signedLayout);
      done += piece;
    }
  });
  match = !readable ? RuntimeMatch::Unknown : same ? RuntimeMatch::Current : RuntimeMatch::Different;
  return match == RuntimeMatch::Current ? executable.Position() : 0;
}

// Where the settings end in an executable signed at its end: before the zeros, fewer
// than 8, that align its certificate table. (A settings part that ended with zeros of
// its own loses them too; a NUL byte ends a settings file's data anyway.)
uint64_t EndBeforePadding(IRandomAccessBytes& executable, uint64_t certificateOffset) {
  char before[kMostPaddingZeros];
  const size_t count = static_cast<size_t>(std::min<uint64_t>(certificateOffset, sizeof before));
  if (!executable.ReadAt(certificateOffset - count, before, count)) throw EReadError(Texts::kStreamReadError);
  uint64_t end = certificateOffset;
  for (size_t i = count; i > 0 && before[i - 1] == '\0'; --i) --end;
  return end;
}

// Where a runtime that was signed itself ends in an executable that was signed again
// afterwards: its own certificate table lies after its image, 8-aligned after zeros,
// but the headers no longer give it. 0 unless a certificate table (length, revision
// 2.0, PKCS#7 signed data) starts there and ends before settingsEnd.
uint64_t EndOfFormerCertificate(IRandomAccessBytes& executable, uint64_t imageEnd, uint64_t settingsEnd) {
  const uint64_t start = (imageEnd + kMostPaddingZeros) / 8 * 8;
  if (start > settingsEnd || settingsEnd - start < kCertificateHeaderSize) return 0;
  unsigned char bytes[kMostPaddingZeros + kCertificateHeaderSize];
  const size_t count = static_cast<size_t>(start + kCertificateHeaderSize - imageEnd);
  if (!executable.ReadAt(imageEnd, bytes, count)) throw EReadError(Texts::kStreamReadError);
  const size_t padding = static_cast<size_t>(start - imageEnd);
  const unsigned char* header = bytes + padding;
  const uint32_t length = header[0] | header[1] << 8 | header[2] << 16 | uint32_t{header[3]} << 24;
  const bool isCertificate =
      std::all_of(bytes, bytes + padding, [](unsigned char byte) { return byte == 0; }) &&
      std::memcmp(header + 4, kCertificateRevisionAndType, 4) == 0 && length >= kCertificateHeaderSize &&
      length <= settingsEnd - start;
  return isCertificate ? start + length : 0;
}

// Hands count bytes of source from offset to sink, a piece at a time, until the sink
// asks for no more.
void ReadPieces(IRandomAccessBytes& source, uint64_t offset, uint64_t count,
                const std::function<bool(const char* bytes, size_t count)>& sink) {
  std::vector<char> buffer(static_cast<size_t>(std::min<uint64_t>(count, kReadSize)));
  for (bool more = true; more && count > 0;) {
    const size_t chunk = static_cast<size_t>(std::min<uint64_t>(count, buffer.size()));
    if (!source.ReadAt(offset, buffer.data(), chunk)) throw EReadError(Texts::kStreamReadError);
    more = sink(buffer.data(), chunk);
    offset += chunk;
    count -= chunk;
  }
}

// Keeps the first line's length and its first kHeaderBytesKept bytes.
class HeaderKeeper : public LineSplitter::Sink {
 public:
  explicit HeaderKeeper(SettingsLines& lines) : lines_(lines) {}
  void LineBytes(const char* bytes, size_t count) override {
    if (headerEnded_) return;
    lines_.HeaderSize += count;
    lines_.Header.append(bytes, std::min(count, kHeaderBytesKept - lines_.Header.size()));
  }
  void LineEnd() override { headerEnded_ = true; }

 private:
  SettingsLines& lines_;
  bool headerEnded_ = false;
};
}  // namespace

FileBytes::FileBytes(const std::string& path, platform::Share share) {
  if (!file_.OpenRead(path, share) || !file_.Size(size_))
    throw EFOpenError(FormatText(Texts::kFileOpenError, path), ErrorReason::Unspecified, path);
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
  if (executable.Size() > kLargestExecutableSize) return false;
  PeImageLayout layout;
  const bool isImage = ReadPeImage(executable, layout);
  const bool isSigned = isImage && layout.CertificateAtFileEnd;
  const uint64_t settingsEnd =
      isSigned ? EndBeforePadding(executable, layout.CertificateOffset) : executable.Size();

  SequentialReader reader(executable, withDigest);
  uint64_t boundary =
      CurrentRuntimeLength(reader, currentRuntime, isSigned ? &layout : nullptr, parts.Runtime);
  const bool afterCurrent = boundary != 0 && SettingsStartAt(executable, boundary, settingsEnd);
  if (!afterCurrent) {
    if (!isImage) return false;
    // A certificate table at the file's end signs the whole executable; one before it
    // is the runtime's own.
    boundary = isSigned ? std::max(layout.SectionsEnd, layout.SymbolsEnd) : layout.ImageEnd;
    if (isSigned && !SettingsStartAt(executable, boundary, settingsEnd))
      boundary = EndOfFormerCertificate(executable, boundary, settingsEnd);
    if (!SettingsStartAt(executable, boundary, settingsEnd)) return false;
    // The current runtime may be the prefix of an image that does not end there.
    if (parts.Runtime == RuntimeMatch::Current) parts.Runtime = RuntimeMatch::Different;
  }
  parts.RuntimeSize = boundary;
  parts.SettingsSize = settingsEnd - boundary;
  if (isSigned) {
    parts.SignatureOffset = layout.CertificateOffset;
    parts.SignatureSize = layout.CertificateSize;
  }
  if (withDigest)
    parts.RuntimeDigest = afterCurrent ? reader.HexDigest() : DigestOfStart(executable, boundary);
  return true;
}

namespace {
// Takes an edited image and compares it with the start of an executable, headers and all.
class ComparingOutput : public IImageOutput {
 public:
  ComparingOutput(IRandomAccessBytes& executable, uint64_t imageEnd, const PeImageLayout* signedLayout)
      : executable_(executable), imageEnd_(imageEnd), signedLayout_(signedLayout) {}
  void Append(const void* bytes, size_t count) override {
    Compare(position_, static_cast<const uint8_t*>(bytes), count);
    position_ += count;
  }
  void Reserve(size_t count) override { position_ += count; }
  void WriteAt(uint64_t offset, const void* bytes, size_t count) override {
    Compare(offset, static_cast<const uint8_t*>(bytes), count);
  }
  bool Same() const { return same_ && position_ == imageEnd_; }

 private:
  void Compare(uint64_t offset, const uint8_t* ours, size_t count) {
    if (!same_ || count == 0) return;
    if (offset > imageEnd_ || count > imageEnd_ - offset) {
      same_ = false;
      return;
    }
    theirs_.resize(count);
    if (!executable_.ReadAt(offset, theirs_.data(), count)) throw EReadError(Texts::kStreamReadError);
    same_ = SameBytes(theirs_.data(), ours, count, offset, signedLayout_);
  }

  IRandomAccessBytes& executable_;
  uint64_t imageEnd_;
  const PeImageLayout* signedLayout_;
  uint64_t position_ = 0;
  bool same_ = true;
  std::vector<char> theirs_;
};
}  // namespace

RuntimeMatch MatchWithProperties(IRandomAccessBytes& executable, const ExecutableParts& parts,
                                 const RuntimeSource& runtime, const PropertiesChoice& choose) {
  PeImageLayout layout;
  const bool isSigned = parts.Signed() && ReadPeImage(executable, layout);
  ComparingOutput compared(executable, parts.RuntimeSize, isSigned ? &layout : nullptr);
  ImagePropertiesEditor editor(choose, compared);
  if (!runtime([&](const uint8_t* bytes, size_t count) { editor.Add(bytes, count); }))
    return RuntimeMatch::Unknown;
  return editor.Finish().Outcome == ImageEditOutcome::Edited && compared.Same() ? RuntimeMatch::Current
                                                                                : RuntimeMatch::Different;
}

void CopyBytes(IRandomAccessBytes& source, uint64_t offset, uint64_t count,
               const std::function<void(const char* bytes, size_t count)>& sink) {
  ReadPieces(source, offset, count, [&](const char* bytes, size_t size) {
    sink(bytes, size);
    return true;
  });
}

SettingsLines ReadSettingsLines(IRandomAccessBytes& executable, const ExecutableParts& parts) {
  SettingsLines lines;
  HeaderKeeper header(lines);
  LineSplitter splitter(header);
  ReadPieces(executable, parts.RuntimeSize, parts.SettingsSize,
             [&](const char* bytes, size_t count) { return splitter.Add(bytes, count); });
  splitter.Finish();
  lines.Count = splitter.LineCount();
  lines.NulLine = splitter.NulLine();
  return lines;
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
