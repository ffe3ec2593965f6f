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
  CheckKeyAndIV();
  if (!platform::FileExists(inputPath)) throw EFileError(Texts::kBlowfishInputFileNotFound);
  platform::File input;
  if (!input.OpenRead(inputPath, platform::Share::Read)) throw EInOutError(input.Error());
  uint64_t remaining = 0;
  if (!input.Size(remaining)) throw EInOutError(input.Error());
  // Checked before the output exists, so a file that is not whole blocks leaves none.
  if (remaining == 0 || remaining % kBlowfishBlockSize != 0)
    throw EFileError(Texts::kBlowfishInputFileNotWholeBlocks);

  platform::File output;
  if (!output.Create(outputPath, platform::Share::None))
    throw EFileError(Texts::kBlowfishOutputNotOpened);
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
    WriteAll(output, outputPath, buffer_, count);
  }
  if (!input.Close()) throw EInOutError(input.Error());
  if (!output.Close()) throw EInOutError(output.Error(), outputPath);
}
