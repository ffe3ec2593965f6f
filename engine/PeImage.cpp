#include "engine/PeImage.h"

#include <algorithm>

namespace {
constexpr uint32_t kDosMagic = 0x5A4D;         // "MZ"
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint64_t kDosHeaderSize = 64;
constexpr uint64_t kPeOffsetField = 0x3C;
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint64_t kCoffHeaderSize = 20;
constexpr uint64_t kSectionHeaderSize = 40;
constexpr uint64_t kSymbolSize = 18;
constexpr uint64_t kStringTableSizeField = 4;
constexpr uint32_t kCertificateDirectory = 4;
constexpr uint64_t kDirectoryEntrySize = 8;
// The optional header up to SizeOfHeaders, which both formats have at offset 60.
constexpr uint64_t kOptionalHeaderMinimum = 64;
constexpr uint64_t kSizeOfHeadersField = 60;

// Little-endian fields of the bytes at hand; Has says whether a field lies inside them.
class Fields {
 public:
  explicit Fields(std::string_view bytes) : bytes_(bytes) {}
  bool Has(uint64_t offset, uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }
  // Only for a field that Has confirmed.
  uint32_t Get(uint64_t offset, int size) const {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
      value = (value << 8) | static_cast<unsigned char>(bytes_[static_cast<size_t>(offset) + i]);
    return value;
  }

 private:
  std::string_view bytes_;
};

// The end of the symbol and string tables, which the string table's first four bytes
// measure; 0 without symbols.
uint64_t SymbolTablesEnd(const Fields& fields, uint64_t coff) {
  const uint64_t symbolTable = fields.Get(coff + 8, 4);
  if (symbolTable == 0) return 0;
  const uint64_t strings = symbolTable + uint64_t{fields.Get(coff + 12, 4)} * kSymbolSize;
  return strings +
         (fields.Has(strings, kStringTableSizeField) ? fields.Get(strings, 4) : kStringTableSizeField);
}

// The end of a signed program's certificate table, whose directory entry holds a file
// offset; 0 when the optional header has no such entry or it is empty.
uint64_t CertificateEnd(const Fields& fields, uint64_t optional, uint64_t optionalSize, bool is64) {
  const uint64_t countField = optional + (is64 ? 108 : 92);
  const uint64_t entry = countField + 4 + kCertificateDirectory * kDirectoryEntrySize;
  if (entry + kDirectoryEntrySize > optional + optionalSize) return 0;
  if (fields.Get(countField, 4) <= kCertificateDirectory) return 0;
  const uint32_t offset = fields.Get(entry, 4), size = fields.Get(entry + 4, 4);
  return offset != 0 && size != 0 ? uint64_t{offset} + size : 0;
}
}  // namespace

bool ReadPeImage(std::string_view head, uint64_t fileSize, PeImageLayout& layout) {
  const Fields fields(head.substr(0, static_cast<size_t>(std::min<uint64_t>(head.size(), fileSize))));
  if (!fields.Has(0, kDosHeaderSize) || fields.Get(0, 2) != kDosMagic) return false;
  const uint64_t pe = fields.Get(kPeOffsetField, 4);
  if (!fields.Has(pe, 4 + kCoffHeaderSize) || fields.Get(pe, 4) != kPeSignature) return false;

  const uint64_t coff = pe + 4;
  const uint32_t sectionCount = fields.Get(coff + 2, 2);
  const uint64_t optionalSize = fields.Get(coff + 16, 2);
  const uint64_t optional = coff + kCoffHeaderSize;
  if (optionalSize < kOptionalHeaderMinimum || !fields.Has(optional, optionalSize)) return false;
  const uint32_t magic = fields.Get(optional, 2);
  if (magic != kPe32Magic && magic != kPe32PlusMagic) return false;

  const uint64_t sections = optional + optionalSize;
  if (!fields.Has(sections, sectionCount * kSectionHeaderSize)) return false;
  uint64_t sectionsEnd = fields.Get(optional + kSizeOfHeadersField, 4);
  if (sectionsEnd > fileSize) return false;
  for (uint32_t i = 0; i < sectionCount; ++i) {
    const uint64_t section = sections + i * kSectionHeaderSize;
    const uint64_t rawSize = fields.Get(section + 16, 4);
    if (rawSize == 0) continue;  // uninitialised data takes no room in the file
    const uint64_t rawEnd = fields.Get(section + 20, 4) + rawSize;
    if (rawEnd > fileSize) return false;
    sectionsEnd = std::max(sectionsEnd, rawEnd);
  }

  layout.Is64Bit = magic == kPe32PlusMagic;
  layout.SectionCount = sectionCount;
  layout.SectionsEnd = sectionsEnd;
  layout.ImageEnd = std::max({sectionsEnd, SymbolTablesEnd(fields, coff),
                              CertificateEnd(fields, optional, optionalSize, layout.Is64Bit)});
  return true;
}
