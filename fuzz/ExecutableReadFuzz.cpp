// Reads arbitrary bytes as an executable that a conversion may have made. The first
// byte picks the current runtime that the reader compares with (its low 2 bits: none, a
// small program image handed over whole or in small pieces, or one that fails halfway)
// and the pieces the settings lines are split in (the others); the bytes after it are
// the executable. What must hold for every input: nothing is read outside the executable
// (such a read fails, and the error it raises stops the run here), found parts lie in
// the file with the settings starting in a header and ending at the file's end or, in a
// signed executable, before fewer than 8 zeros and the certificate table that ends the
// file; the runtime is called current when the executable starts with it and a header
// follows it, and only then or when it was signed after; the parts read back as the
// bytes they are, with the digest the plain rounds give; the settings split into the
// same lines in pieces as whole. The seeds include executables signed with osslsigncode
// and a self-made certificate, and older runtimes signed themselves or keeping symbols.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cipher/Sha256.h"
#include "engine/ExecutableReading.h"
#include "engine/HeaderLine.h"
#include "engine/LineSplitter.h"
#include "tests/support/MemoryBytes.h"
#include "tests/support/ProgramImage.h"

namespace {
// The runtime image of the conversions that made the seeds (fuzz/corpus/ExecutableReadFuzz).
constexpr size_t kImageSize = kProgramHeadersSize + 0x400;
constexpr uint32_t kImageSeed = 7;
// The pieces the runtime comes in when it is handed over in small ones.
constexpr size_t kSmallPiece = 61;
// A settings file's header line starts with a byte and the 14 marker bytes.
constexpr size_t kMarkerEnd = 15;
// The header fields of the image (PE32+, its PE header at 0x40) that signing rewrites:
// the checksum and the security directory entry.
constexpr size_t kOptionalHeader = 0x40 + 4 + 20;
constexpr size_t kCheckSum = kOptionalHeader + 64, kCheckSumEnd = kCheckSum + 4;
constexpr size_t kCertificateEntry = kOptionalHeader + 112 + 4 * 8,
                 kCertificateEntryEnd = kCertificateEntry + 8;

void Check(bool condition) {
  if (!condition) std::abort();
}

enum class Runtime { Absent, Whole, InSmallPieces, FailsHalfway };

const std::string& CurrentImage() {
  static const std::string image = ProgramImage(kImageSize, kImageSeed);
  return image;
}

RuntimeSource SourceOf(Runtime runtime) {
  return [runtime](const RuntimeChunkSink& sink) {
    const std::string& image = CurrentImage();
    const auto* bytes = reinterpret_cast<const uint8_t*>(image.data());
    switch (runtime) {
      case Runtime::Absent:
        return false;
      case Runtime::Whole:
        sink(bytes, image.size());
        return true;
      case Runtime::InSmallPieces:
        for (size_t offset = 0; offset < image.size(); offset += kSmallPiece)
          sink(bytes + offset, std::min(kSmallPiece, image.size() - offset));
        return true;
      case Runtime::FailsHalfway:
        sink(bytes, image.size() / 2);
        return false;
    }
    return false;
  };
}

bool HeaderAt(const uint8_t* data, size_t size, size_t offset) {
  return offset <= size && size - offset >= kMarkerEnd &&
         HasHeaderMarker(std::string(reinterpret_cast<const char*>(data + offset), kMarkerEnd));
}

// True when data starts with the image but for the fields that signing rewrites.
bool StartsWithImageButSigningFields(const uint8_t* data, size_t size) {
  const std::string& image = CurrentImage();
  if (size < image.size()) return false;
  for (size_t i = 0; i < image.size(); ++i) {
    const bool rewritten =
        (i >= kCheckSum && i < kCheckSumEnd) || (i >= kCertificateEntry && i < kCertificateEntryEnd);
    if (!rewritten && data[i] != static_cast<uint8_t>(image[i])) return false;
  }
  return true;
}

// The lines of settings as a splitter finds them handed over in pieces of pieceSize.
SettingsLines SplitInPieces(const std::string& settings, size_t pieceSize) {
  struct FirstLine : LineSplitter::Sink {
    void LineBytes(const char* bytes, size_t count) override {
      if (!ended) header.append(bytes, count);
    }
    void LineEnd() override { ended = true; }
    std::string header;
    bool ended = false;
  } sink;
  LineSplitter splitter(sink);
  for (size_t offset = 0; offset < settings.size(); offset += pieceSize)
    splitter.Add(settings.data() + offset, std::min(pieceSize, settings.size() - offset));
  splitter.Finish();
  SettingsLines lines;
  lines.Header = sink.header;
  lines.HeaderSize = sink.header.size();
  lines.Count = splitter.LineCount();
  lines.NulLine = splitter.NulLine();
  return lines;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t inputSize) {
  if (inputSize == 0) return 0;
  const Runtime runtime = static_cast<Runtime>(input[0] % 4);
  const size_t pieceSize = input[0] / 4 + 1;
  const bool runtimeReadable = runtime == Runtime::Whole || runtime == Runtime::InSmallPieces;
  const uint8_t* data = input + 1;
  const size_t size = inputSize - 1;
  MemoryBytes executable(std::string(reinterpret_cast<const char*>(data), size));

  ExecutableParts parts;
  const bool found = FindExecutableParts(executable, SourceOf(runtime), parts, true);

  // The image's one section ends where the image does: an executable that starts with
  // it and has a header there is found, with the current runtime or without one.
  const std::string& image = CurrentImage();
  const bool startsWithImage = size >= image.size() && std::memcmp(data, image.data(), image.size()) == 0;
  const bool headerAfterImage = startsWithImage && HeaderAt(data, size, image.size());
  if (headerAfterImage) Check(found && parts.RuntimeSize == image.size());
  if (!found) return 0;

  const uint64_t settingsEnd = parts.RuntimeSize + parts.SettingsSize;
  Check(parts.RuntimeSize <= size && parts.SettingsSize <= size - parts.RuntimeSize);
  Check(parts.SettingsSize >= kMarkerEnd);
  Check(HeaderAt(data, size, static_cast<size_t>(parts.RuntimeSize)));
  if (parts.Signed()) {
    Check(parts.SignatureOffset >= settingsEnd && parts.SignatureOffset - settingsEnd < 8);
    Check(parts.SignatureSize == size - parts.SignatureOffset);
    for (uint64_t i = settingsEnd; i < parts.SignatureOffset; ++i) Check(data[i] == 0);
  } else {
    Check(settingsEnd == size);
  }
  if (!runtimeReadable) {
    Check(parts.Runtime == RuntimeMatch::Unknown);
  } else if (headerAfterImage) {
    Check(parts.Runtime == RuntimeMatch::Current);
  } else if (parts.Runtime == RuntimeMatch::Current) {
    Check(parts.Signed() && parts.RuntimeSize == image.size() && StartsWithImageButSigningFields(data, size));
  }

  std::string settings;
  CopyBytes(executable, parts.RuntimeSize, parts.SettingsSize,
            [&](const char* bytes, size_t count) { settings.append(bytes, count); });
  Check(settings.size() == parts.SettingsSize &&
        std::memcmp(settings.data(), data + parts.RuntimeSize, settings.size()) == 0);
  Sha256 plain(Sha256::Rounds::Portable);
  plain.Add(data, static_cast<size_t>(parts.RuntimeSize));
  const std::string digest = plain.HexDigest();
  Check(parts.RuntimeDigest == digest && DigestOfStart(executable, parts.RuntimeSize) == digest);

  const SettingsLines whole = ReadSettingsLines(executable, parts);
  const SettingsLines pieces = SplitInPieces(settings, pieceSize);
  Check(whole.Header == pieces.Header.substr(0, kHeaderBytesKept) && whole.HeaderSize == pieces.HeaderSize &&
        whole.Count == pieces.Count && whole.NulLine == pieces.NulLine);
  return 0;
}
