// Reads arbitrary bytes as an executable that a conversion may have made. The first
// byte picks the current runtime that the reader compares with: none, a small program
// image handed over whole or in small pieces, or one that fails halfway; the bytes after
// it are the executable. What must hold for every input: nothing is read outside the
// executable (the reader checks every size first, so such a read stops the run here),
// found parts cover the whole file with the settings starting in a header, the runtime
// is called current exactly when the executable starts with it and a header follows it,
// and the parts read back as the bytes they are, with the digest the plain rounds give.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cipher/Sha256.h"
#include "engine/ExecutableReading.h"
#include "engine/HeaderLine.h"
#include "tests/support/ProgramImage.h"

namespace {
// The runtime image of the conversions that made the seeds (fuzz/corpus/ExecutableReadFuzz).
constexpr size_t kImageSize = kProgramHeadersSize + 0x400;
constexpr uint32_t kImageSeed = 7;
// The pieces the runtime comes in when it is handed over in small ones.
constexpr size_t kSmallPiece = 61;
// A settings file's header line starts with a byte and the 14 marker bytes.
constexpr size_t kMarkerEnd = 15;

void Check(bool condition) {
  if (!condition) std::abort();
}

class MemoryBytes : public IRandomAccessBytes {
 public:
  MemoryBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    Check(offset <= size_ && count <= size_ - offset);
    if (count > 0) std::memcpy(buffer, data_ + offset, count);
    return true;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

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
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t inputSize) {
  if (inputSize == 0) return 0;
  const Runtime runtime = static_cast<Runtime>(input[0] % 4);
  const bool runtimeReadable = runtime == Runtime::Whole || runtime == Runtime::InSmallPieces;
  const uint8_t* data = input + 1;
  const size_t size = inputSize - 1;
  MemoryBytes executable(data, size);

  ExecutableParts parts;
  const bool found = FindExecutableParts(executable, SourceOf(runtime), parts, true);

  // The image's one section ends where the image does: an executable that starts with
  // it and has a header there is found, with the current runtime or without one.
  const std::string& image = CurrentImage();
  const bool startsWithImage = size >= image.size() && std::memcmp(data, image.data(), image.size()) == 0;
  const bool headerAfterImage = startsWithImage && HeaderAt(data, size, image.size());
  if (headerAfterImage) Check(found && parts.RuntimeSize == image.size());
  if (!found) return 0;

  Check(parts.RuntimeSize + parts.SettingsSize == size);
  Check(parts.SettingsSize >= kMarkerEnd);
  Check(HeaderAt(data, size, static_cast<size_t>(parts.RuntimeSize)));
  if (!runtimeReadable)
    Check(parts.Runtime == RuntimeMatch::Unknown);
  else
    Check(parts.Runtime == (headerAfterImage ? RuntimeMatch::Current : RuntimeMatch::Different));

  std::string settings;
  CopyBytes(executable, parts.RuntimeSize, parts.SettingsSize,
            [&](const char* bytes, size_t count) { settings.append(bytes, count); });
  Check(settings.size() == parts.SettingsSize &&
        std::memcmp(settings.data(), data + parts.RuntimeSize, settings.size()) == 0);
  Sha256 plain(Sha256::Rounds::Portable);
  plain.Add(data, static_cast<size_t>(parts.RuntimeSize));
  const std::string digest = plain.HexDigest();
  Check(parts.RuntimeDigest == digest && DigestOfStart(executable, parts.RuntimeSize) == digest);
  return 0;
}
