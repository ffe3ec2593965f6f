#define OPENSSL_SUPPRESS_DEPRECATED
#include "bench/OpenSslBaseline.h"

#include <openssl/blowfish.h>

#include <algorithm>

#include "platform/File.h"

namespace {
BF_KEY Schedule(const std::string& key) {
  BF_KEY schedule;
  BF_set_key(&schedule, static_cast<int>(key.size()), reinterpret_cast<const unsigned char*>(key.data()));
  return schedule;
}

void DecipherBlocks(const BF_KEY& schedule, unsigned char* data, size_t size) {
  for (size_t offset = 0; offset < size; offset += 8)
    BF_ecb_encrypt(data + offset, data + offset, &schedule, BF_DECRYPT);
}
}  // namespace

void OpenSslDecipherBuffer(const std::string& key, unsigned char* data, size_t size) {
  DecipherBlocks(Schedule(key), data, size);
}

bool OpenSslDecipherFile(const std::string& key, const std::string& inputPath,
                         const std::string& outputPath) {
  const BF_KEY schedule = Schedule(key);
  platform::File input;
  platform::File output;
  uint64_t remaining = 0;
  if (!input.OpenRead(inputPath, platform::Share::Read) || !input.Size(remaining) ||
      !output.Create(outputPath, platform::Share::None))
    return false;
  unsigned char chunk[4096];
  while (remaining > 0) {
    size_t count = static_cast<size_t>(std::min<uint64_t>(remaining, sizeof chunk));
    size_t done = 0;
    if (!input.Read(chunk, count, done) || done != count) return false;
    remaining -= count;
    DecipherBlocks(schedule, chunk, count);
    if (remaining == 0) count -= chunk[count - 1];
    if (!output.Write(chunk, count, done) || done != count) return false;
  }
  return input.Close() && output.Close();
}
