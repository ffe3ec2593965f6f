#include "engine/IconFile.h"

#include "engine/LittleEndian.h"

namespace {
constexpr size_t kIconHeaderSize = 6;                   // reserved, type, image count
constexpr size_t kFileEntrySize = kIconEntrySize + 4;   // and the image's file offset
constexpr size_t kGroupEntrySize = kIconEntrySize + 2;  // and the image's resource id
constexpr uint32_t kIconType = 1;
constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);
constexpr size_t kImageSizeField = 8;  // in an entry

// PNG: the signature, then the IHDR chunk (length, type, width, height, depth, colour type).
constexpr size_t kPngHeaderEnd = 8 + 8 + 10;
// A bitmap's header (BITMAPINFOHEADER) and the largest icon side.
constexpr uint32_t kBitmapHeaderSize = 40;
constexpr uint32_t kLargestSide = 256;

uint32_t ReadBe32(std::string_view bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

std::string IconHeader(size_t count) {
  std::string header;
  AppendLe(header, 0, 2);
  AppendLe(header, kIconType, 2);
  AppendLe(header, static_cast<uint32_t>(count), 2);
  return header;
}

bool SummarizePng(std::string_view image, IconImageSummary& summary) {
  if (!Holds(image, 0, kPngHeaderEnd) || image.substr(12, 4) != "IHDR") return false;
  const int channels[] = {1, 0, 3, 1, 2, 0, 4};  // by colour type; 0: no such type
  const unsigned colourType = static_cast<unsigned char>(image[25]);
  if (colourType >= sizeof channels / sizeof channels[0] || channels[colourType] == 0) return false;
  summary = {ReadBe32(image, 16), ReadBe32(image, 20),
             static_cast<uint32_t>(static_cast<unsigned char>(image[24]) * channels[colourType]), true};
  return summary.Width != 0 && summary.Height != 0;
}

// A bitmap is plausible when its header is that of an icon's bitmap and its bytes hold
// the colour table, the pixels and the mask that the header tells.
bool SummarizeBitmap(std::string_view image, IconImageSummary& summary) {
  if (!Holds(image, 0, kBitmapHeaderSize) || ReadLe(image, 0, 4) != kBitmapHeaderSize) return false;
  const uint32_t width = ReadLe(image, 4, 4), doubleHeight = ReadLe(image, 8, 4);
  const uint32_t planes = ReadLe(image, 12, 2), bits = ReadLe(image, 14, 2);
  const uint32_t compression = ReadLe(image, 16, 4), coloursUsed = ReadLe(image, 32, 4);
  const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  if (width == 0 || width > kLargestSide || doubleHeight == 0 || doubleHeight % 2 != 0 ||
      doubleHeight / 2 > kLargestSide || planes != 1 || !knownDepth || compression != 0)
    return false;
  const uint32_t paletteLimit = bits <= 8 ? 1u << bits : 256;
  if (coloursUsed > paletteLimit) return false;
  const uint64_t colours = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? paletteLimit : 0);
  const uint64_t height = doubleHeight / 2;
  const uint64_t pixelRow = (uint64_t{width} * bits + 31) / 32 * 4, maskRow = (uint64_t{width} + 31) / 32 * 4;
  if (!Holds(image, 0, kBitmapHeaderSize + colours * 4 + height * (pixelRow + maskRow))) return false;
  summary = {width, static_cast<uint32_t>(height), bits, false};
  return true;
}
}  // namespace

bool SummarizeIconImage(std::string_view image, IconImageSummary& summary) {
  return image.substr(0, kPngSignature.size()) == kPngSignature ? SummarizePng(image, summary)
                                                                : SummarizeBitmap(image, summary);
}

IconFileFault ReadIconFile(std::string_view file, IconGroup& group) {
  group.clear();
  if (file.substr(0, kPngSignature.size()) == kPngSignature) return IconFileFault::RenamedPng;
  if (file.substr(0, 2) == "BM") return IconFileFault::RenamedBitmap;
  if (!Holds(file, 0, kIconHeaderSize)) return IconFileFault::TooShort;
  if (ReadLe(file, 0, 2) != 0 || ReadLe(file, 2, 2) != kIconType) return IconFileFault::NotAnIcon;
  const size_t count = ReadLe(file, 4, 2);
  if (count == 0) return IconFileFault::NoImages;
  if (!Holds(file, kIconHeaderSize, count * kFileEntrySize)) return IconFileFault::TooShort;
  IconGroup images(count);
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = kIconHeaderSize + i * kFileEntrySize;
    const uint32_t size = ReadLe(file, entry + kImageSizeField, 4),
                   offset = ReadLe(file, entry + kIconEntrySize, 4);
    if (!Holds(file, offset, size)) return IconFileFault::ImageOutsideFile;
    IconImageSummary summary;
    if (!SummarizeIconImage(file.substr(offset, size), summary)) return IconFileFault::ImageUnreadable;
    images[i] = {std::string(file.substr(entry, kIconEntrySize)), std::string(file.substr(offset, size))};
  }
  group = std::move(images);
  return IconFileFault::None;
}

std::string IconFileBytes(const IconGroup& group) {
  std::string file = IconHeader(group.size());
  size_t offset = kIconHeaderSize + group.size() * kFileEntrySize;
  for (const IconImage& image : group) {
    file += image.Entry;
    AppendLe(file, static_cast<uint32_t>(offset), 4);
    offset += image.Bytes.size();
  }
  for (const IconImage& image : group) file += image.Bytes;
  return file;
}

std::string IconGroupData(const IconGroup& group, uint16_t firstId) {
  std::string data = IconHeader(group.size());
  for (size_t i = 0; i < group.size(); ++i) {
    data += group[i].Entry;
    AppendLe(data, static_cast<uint32_t>(firstId + i), 2);
  }
  return data;
}

bool ReadIconGroupData(std::string_view data, std::vector<IconGroupEntry>& entries) {
  if (!Holds(data, 0, kIconHeaderSize) || ReadLe(data, 0, 2) != 0 || ReadLe(data, 2, 2) != kIconType)
    return false;
  const size_t count = ReadLe(data, 4, 2);
  if (count == 0 || !Holds(data, kIconHeaderSize, count * kGroupEntrySize)) return false;
  entries.clear();
  for (size_t i = 0; i < count; ++i) {
    const size_t entry = kIconHeaderSize + i * kGroupEntrySize;
    entries.push_back({std::string(data.substr(entry, kIconEntrySize)),
                       static_cast<uint16_t>(ReadLe(data, entry + kIconEntrySize, 2))});
  }
  return true;
}
