// Blowfish::DecipherFile: a file deciphered chunk by chunk through the one buffer.
#include <algorithm>

#include "cipher/Blowfish.h"
#include "common/Texts.h"
#include "platform/File.h"

namespace {
// The system error code Windows reports for a read past the end of a file.
constexpr uint32_t kReadBeyondEnd = 100;

void WriteAll(platform::File& output, const std::string& path, const uint8_t* bytes, size_t count) {
  size_t written = 0;
  if (!output.Write(bytes, count, written)) throw EInOutError(output.Error(), path);
  if (written != count) throw EFileError(Texts::kBlowfishOutputNotWritten);
}
}  // namespace

void Blowfish::DecipherFile(const std::string& inputPath, const std::string& outputPath) {
  platform::File input;
  const uint64_t size = OpenInput(inputPath, input);
  platform::File output;
  if (!output.Create(outputPath, platform::Share::None)) throw EFileError(Texts::kBlowfishOutputNotOpened);
  DecipherOpenFile(input, size, [&](const uint8_t* bytes, size_t count) {
    WriteAll(output, outputPath, bytes, count);
    return true;
  });
  if (!output.Close()) throw EInOutError(output.Error(), outputPath);
}

bool Blowfish::DecipherFileInto(const std::string& inputPath, const ChunkSink& sink) {
  platform::File input;
  const uint64_t size = OpenInput(inputPath, input);
  return DecipherOpenFile(input, size, sink);
}

uint64_t Blowfish::OpenInput(const std::string& inputPath, platform::File& input) const {
  CheckKeyAndIV();
  if (!platform::FileExists(inputPath)) throw EFileError(Texts::kBlowfishInputFileNotFound);
  if (!input.OpenRead(inputPath, platform::Share::Read)) throw EInOutError(input.Error());
  uint64_t size = 0;
  if (!input.Size(size)) throw EInOutError(input.Error());
  // Checked before any output exists, so a file that is not whole blocks leaves none.
  if (size == 0 || size % kBlowfishBlockSize != 0) throw EFileError(Texts::kBlowfishInputFileNotWholeBlocks);
  return size;
}

bool Blowfish::DecipherOpenFile(platform::File& input, uint64_t remaining, const ChunkSink& sink) {
  while (remaining > 0) {
    size_t count = static_cast<size_t>(std::min<uint64_t>(remaining, kBufferSize));
    size_t read = 0;
    if (!input.Read(buffer_, count, read)) throw EInOutError(input.Error());
    if (read != count) throw EInOutError(kReadBeyondEnd);  // the file shrank meanwhile
    remaining -= count;
    DecipherBuffer(count);
    if (remaining == 0) {
      size_t padding = buffer_[count - 1];
      if (padding > count) throw EFileError(Texts::kBlowfishPaddingTooLong);
      count -= padding;
    }
    if (!sink(buffer_, count)) return false;
  }
  if (!input.Close()) throw EInOutError(input.Error());
  return true;
}
