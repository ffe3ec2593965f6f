#include "tools/demo_player/PeImage.h"

#include <algorithm>

namespace {
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kCoffHeaderSize = 20;
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint32_t kSymbolSize = 18;
constexpr uint32_t kCertificateDirectory = 4;

// Little-endian fields of the file; every read is checked against its size.
class FileFields {
 public:
  explicit FileFields(const std::string& file) : file_(file) {}
  bool Has(uint64_t offset, uint64_t size) const {
    return offset <= file_.size() && size <= file_.size() - offset;
  }
  uint32_t Get(uint64_t offset, int size) const {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
      value = (value << 8) | static_cast<unsigned char>(file_[static_cast<size_t>(offset) + i]);
    return value;
  }

 private:
  const std::string& file_;
};
}  // namespace

uint64_t ImageEnd(const std::string& file) {
  const FileFields fields(file);
  if (!fields.Has(0, 64) || fields.Get(0, 2) != 0x5A4D) return 0;  // "MZ"
  const uint64_t pe = fields.Get(0x3C, 4);
  if (!fields.Has(pe, 4 + kCoffHeaderSize) || fields.Get(pe, 4) != kPeSignature) return 0;

  const uint64_t coff = pe + 4;
  const uint32_t sectionCount = fields.Get(coff + 2, 2);
  const uint32_t symbolTable = fields.Get(coff + 8, 4);
  const uint32_t symbolCount = fields.Get(coff + 12, 4);
  const uint32_t optionalSize = fields.Get(coff + 16, 2);
  const uint64_t optional = coff + kCoffHeaderSize;
  if (optionalSize < 64 || !fields.Has(optional, optionalSize)) return 0;

  const uint16_t magic = static_cast<uint16_t>(fields.Get(optional, 2));
  if (magic != kPe32Magic && magic != kPe32PlusMagic) return 0;
  uint64_t end = fields.Get(optional + 60, 4);  // SizeOfHeaders

  const uint64_t sections = optional + optionalSize;
  if (!fields.Has(sections, uint64_t{sectionCount} * kSectionHeaderSize)) return 0;
  for (uint32_t i = 0; i < sectionCount; ++i) {
    const uint64_t section = sections + uint64_t{i} * kSectionHeaderSize;
    const uint32_t rawSize = fields.Get(section + 16, 4);
    if (rawSize != 0) end = std::max(end, uint64_t{fields.Get(section + 20, 4)} + rawSize);
  }

  // A program linked without stripping carries its symbols, then the string table
  // whose first four bytes give its size, after the sections.
  if (symbolTable != 0) {
    const uint64_t strings = uint64_t{symbolTable} + uint64_t{symbolCount} * kSymbolSize;
    end = std::max(end, strings + (fields.Has(strings, 4) ? fields.Get(strings, 4) : 4));
  }

  // The certificate table of a signed program: its directory entry holds a file offset.
  const uint64_t directories = optional + (magic == kPe32Magic ? 96 : 112);
  const uint64_t certificate = directories + kCertificateDirectory * 8;
  if (certificate + 8 <= sections && fields.Get(directories - 4, 4) > kCertificateDirectory) {
    const uint32_t offset = fields.Get(certificate, 4);
    const uint32_t size = fields.Get(certificate + 4, 4);
    if (offset != 0 && size != 0) end = std::max(end, uint64_t{offset} + size);
  }
  return end;
}
