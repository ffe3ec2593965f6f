#include "tools/packer/RuntimePacker.h"

#include "common/Exception.h"
#include "common/Format.h"
#include "platform/File.h"
#include "tools/packer/BlowfishEncoder.h"

namespace {
std::string ReadWholeFile(const std::string& path) {
  platform::File file;
  uint64_t size = 0;
  std::string bytes;
  size_t read = 0;
  if (!file.OpenRead(path, platform::Share::Read) || !file.Size(size))
    throw Exception(FormatText("zeppack: cannot open %s (error %u)", path.c_str(), file.Error()));
  bytes.resize(static_cast<size_t>(size));
  if (!file.Read(&bytes[0], bytes.size(), read) || read != bytes.size())
    throw Exception(FormatText("zeppack: cannot read %s (error %u)", path.c_str(), file.Error()));
  return bytes;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  platform::File file;
  size_t written = 0;
  if (!file.Create(path, platform::Share::None) || !file.Write(bytes.data(), bytes.size(), written) ||
      written != bytes.size() || !file.Close())
    throw Exception(FormatText("zeppack: cannot write %s (error %u)", path.c_str(), file.Error()));
}
}  // namespace

void PackRuntimeFile(const std::string& inputPath, const std::string& outputPath) {
  BlowfishEncoder encoder;
  encoder.SetKey(kRuntimeKeyPhrase);
  WriteWholeFile(outputPath, encoder.EncipherPaddedECB(ReadWholeFile(inputPath)));
}
