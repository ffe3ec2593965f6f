#include "engine/ImagePropertiesReading.h"

#include <algorithm>
#include <string>

#include "common/Exception.h"
#include "common/Texts.h"
#include "engine/ImagePropertiesEditor.h"
#include "engine/PeHeaders.h"
#include "engine/RuntimeFile.h"

namespace {
// More than the resources of any runtime take.
constexpr uint64_t kResourceSectionLimit = 64 * 1024 * 1024;

std::string ReadBytes(IRandomAccessBytes& executable, uint64_t offset, uint64_t count) {
  std::string bytes(static_cast<size_t>(count), '\0');
  if (count > 0 && !executable.ReadAt(offset, &bytes[0], bytes.size()))
    throw EReadError(Texts::kStreamReadError);
  return bytes;
}
}  // namespace

bool ReadImageProperties(IRandomAccessBytes& executable, uint64_t imageEnd, ImageProperties& properties,
                         PropertiesOrigin origin) {
  if (imageEnd > executable.Size()) return false;
  const std::string head = ReadBytes(executable, 0, std::min<uint64_t>(imageEnd, kProgramHeadersLimit));
  PeHeaders headers;
  ResourcePlace place;
  if (!ReadPeHeaders(head, imageEnd, headers) || !FindResources(headers, place) || place.Size == 0 ||
      place.Size > kResourceSectionLimit || place.FileOffset > imageEnd ||
      place.Size > imageEnd - place.FileOffset)
    return false;
  if (origin == PropertiesOrigin::OwnOnly &&
      place.SectionName != std::string(kPropertiesSectionName, sizeof kPropertiesSectionName))
    return false;
  ResourceTree tree;
  return ReadResourceTree(ReadBytes(executable, place.FileOffset, place.Size), place.Rva, tree) &&
         ReadProperties(tree, properties);
}

namespace {
// Where an image goes that is only looked at.
class NoOutput : public IImageOutput {
 public:
  void Append(const void*, size_t) override {}
  void Reserve(size_t) override {}
  void WriteAt(uint64_t, const void*, size_t) override {}
};
}  // namespace

bool ReadRuntimeProperties(const std::string& runtimeFile, ImageProperties& properties) {
  NoOutput nowhere;
  bool found = false;
  ImagePropertiesEditor looker(
      [&](const ImageProperties* own) {
        if (own) properties = *own;
        found = own != nullptr;
        return own ? *own : ImageProperties{};
      },
      nowhere);
  return DecipherRuntime(runtimeFile,
                         [&](const uint8_t* bytes, size_t count) { looker.Add(bytes, count); }) &&
         looker.Finish().Outcome == ImageEditOutcome::Edited && found;
}
