// Reads arbitrary bytes, after a first byte that picks how, as version data, as a
// resource section, or as a program image that the editor gives properties to. What must
// hold for every input: nothing is read outside the bytes given (the sanitizers watch);
// version data that was read, written again, reads as the same version; a resource
// section that was read, written again, reads as a tree that writes the same bytes; and an
// edited image is as long as the editor says, with the properties it was given read back
// from it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/ImagePropertiesEditor.h"
#include "engine/ImagePropertiesReading.h"
#include "engine/VersionResource.h"

namespace {
constexpr uint32_t kSectionRva = 0x2000;  // of the sections in the seeds

void Check(bool condition) {
  if (!condition) std::abort();
}

void ReadVersion(const std::string& data) {
  VersionInfo version, again;
  if (ReadVersionResource(data, version))
    Check(ReadVersionResource(VersionResourceData(version), again) && again == version);
}

void ReadSection(const std::string& section) {
  ResourceTree tree, again;
  if (!ReadResourceTree(section, kSectionRva, tree)) return;
  const std::string written = ResourceSectionBytes(tree, kSectionRva);
  Check(ReadResourceTree(written, kSectionRva, again) && ResourceSectionBytes(again, kSectionRva) == written);
  ImageProperties properties;
  ReadProperties(tree, properties);
}

class StringOutput : public IImageOutput {
 public:
  void Append(const void* bytes, size_t count) override {
    Bytes.append(static_cast<const char*>(bytes), count);
  }
  void Reserve(size_t count) override { Bytes.append(count, '\0'); }
  void WriteAt(uint64_t offset, const void* bytes, size_t count) override {
    Check(offset <= Bytes.size() && count <= Bytes.size() - offset);
    Bytes.replace(offset, count, static_cast<const char*>(bytes), count);
  }
  std::string Bytes;
};

class StringBytes : public IRandomAccessBytes {
 public:
  explicit StringBytes(const std::string& bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    Check(offset <= bytes_.size() && count <= bytes_.size() - offset);
    bytes_.copy(static_cast<char*>(buffer), count, offset);
    return true;
  }

 private:
  const std::string& bytes_;
};

void EditImage(const std::string& image) {
  ImageProperties properties;
  properties.Icon = IconGroup{{std::string(kIconEntrySize, '\1'), "icon image"}};
  properties.Version.FileVersion = {1, 2, 3, 4};
  properties.Version.ProductName = "Fuzz";
  StringOutput output;
  ImagePropertiesEditor editor(properties, output);
  const size_t half = image.size() / 2;
  editor.Add(reinterpret_cast<const uint8_t*>(image.data()), half);
  editor.Add(reinterpret_cast<const uint8_t*>(image.data()) + half, image.size() - half);
  const ImageEditResult result = editor.Finish();
  if (result.Outcome != ImageEditOutcome::Edited) return;
  Check(result.ImageSize == output.Bytes.size());
  StringBytes edited(output.Bytes);
  ImageProperties read;
  Check(ReadImageProperties(edited, result.ImageSize, read) && read.Version == properties.Version &&
        read.Icon && read.Icon->size() == 1 && (*read.Icon)[0].Bytes == "icon image");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      ReadVersion(bytes);
      break;
    case 1:
      ReadSection(bytes);
      break;
    default:
      EditImage(bytes);
  }
  return 0;
}
