#include "engine/PeImage.h"

#include <algorithm>
#include <string>

#include "common/Exception.h"
#include "common/Texts.h"

namespace {
constexpr uint32_t kDosMagic = 0x5A4D;         // "MZ"
constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint64_t kDosHeaderSize = 64;
constexpr uint64_t kPeOffsetField = 0x3C;
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint64_t kCoffHeaderSize = 20;
constexpr uint64_t kSymbolSize = 18;
constexpr uint32_t kStringTableSizeField = 4;
// The optional header up to SizeOfHeaders, which both formats have at offset 60, and
// the checksum after it.
constexpr uint64_t kOptionalHeaderMinimum = 64;
constexpr uint64_t kSizeOfHeadersField = 60;

// Little-endian fields of the bytes at hand, and 4-byte fields further on in the file
// when it is given; Has says whether a field lies inside the bytes at hand.
class Fields {
 public:
  Fields(std::string_view bytes, uint64_t fileSize, IRandomAccessBytes* file)
      : bytes_(bytes), fileSize_(fileSize), file_(file) {}
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
  // The 4-byte field at offset into value, read from the file past the bytes at hand;
  // false, value untouched, when it lies outside both.
  bool Find(uint64_t offset, uint32_t& value) const {
    if (Has(offset, 4)) {
      value = Get(offset, 4);
      return true;
    }
    if (file_ == nullptr || offset > fileSize_ || fileSize_ - offset < 4) return false;
    unsigned char bytes[4];
    if (!file_->ReadAt(offset, bytes, sizeof bytes)) throw EReadError(Texts::kStreamReadError);
    value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | uint32_t{bytes[3]} << 24;
    return true;
  }

 private:
  std::string_view bytes_;
  uint64_t fileSize_;
  IRandomAccessBytes* file_;
};

// The end of the symbol and string tables, which the string table's first four bytes
// measure, themselves included; 0 without symbols.
uint64_t SymbolsEnd(const Fields& fields, uint64_t coff) {
  const uint64_t symbolTable = fields.Get(coff + 8, 4);
  if (symbolTable == 0) return 0;
  const uint64_t strings = symbolTable + uint64_t{fields.Get(coff + 12, 4)} * kSymbolSize;
  uint32_t stringsSize = kStringTableSizeField;
  fields.Find(strings, stringsSize);
  return strings + std::max(stringsSize, kStringTableSizeField);
}

// The security directory entry: its file offset into layout, and the certificate table
// it gives when both its offset and size are set.
void ReadCertificateEntry(const Fields& fields, PeImageLayout& layout) {
  const uint64_t entry = layout.DirectoryCountField + 4 + kCertificateDirectory * kDataDirectorySize;
  if (entry + kDataDirectorySize > layout.SectionTable) return;
  if (fields.Get(layout.DirectoryCountField, 4) <= kCertificateDirectory) return;
  layout.CertificateEntryField = entry;
  const uint32_t offset = fields.Get(entry, 4), size = fields.Get(entry + 4, 4);
  if (offset == 0 || size == 0) return;
  layout.CertificateOffset = offset;
  layout.CertificateSize = size;
}

bool ReadLayout(const Fields& fields, uint64_t fileSize, PeImageLayout& layout) {
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
  for (uint32_t i = 0; i < sectionCount; ++i) {
    const uint64_t section = sections + i * kSectionHeaderSize;
    const uint64_t rawSize = fields.Get(section + 16, 4);
    if (rawSize == 0) continue;  // uninitialised data takes no room in the file
    sectionsEnd = std::max(sectionsEnd, fields.Get(section + 20, 4) + rawSize);
  }

  layout = PeImageLayout{};
  layout.Is64Bit = magic == kPe32PlusMagic;
  layout.SectionCount = sectionCount;
  layout.CoffHeader = coff;
  layout.OptionalHeader = optional;
  layout.DirectoryCountField = optional + (layout.Is64Bit ? 108 : 92);
  layout.SectionTable = sections;
  layout.SectionsEnd = sectionsEnd;
  layout.SymbolsEnd = SymbolsEnd(fields, coff);
  if (optionalSize >= kCheckSumField + 4) layout.CheckSumField = optional + kCheckSumField;
  ReadCertificateEntry(fields, layout);
  const uint64_t certificateEnd = layout.CertificateOffset + layout.CertificateSize;
  layout.CertificateAtFileEnd = layout.CertificateSize != 0 && certificateEnd == fileSize;
  layout.ImageEnd = std::max({sectionsEnd, layout.SymbolsEnd, certificateEnd});
  return layout.ImageEnd <= fileSize;
}
}  // namespace

bool ReadPeImage(std::string_view head, uint64_t fileSize, PeImageLayout& layout) {
  const std::string_view inFile =
      head.substr(0, static_cast<size_t>(std::min<uint64_t>(head.size(), fileSize)));
  return ReadLayout(Fields(inFile, fileSize, nullptr), fileSize, layout);
}

bool ReadPeImage(IRandomAccessBytes& file, PeImageLayout& layout) {
  std::string head(static_cast<size_t>(std::min<uint64_t>(file.Size(), kProgramHeadersLimit)), '\0');
  if (!file.ReadAt(0, &head[0], head.size())) throw EReadError(Texts::kStreamReadError);
  return ReadLayout(Fields(head, file.Size(), &file), file.Size(), layout);
}
