#include "engine/ImagePropertiesEditor.h"

#include <algorithm>
#include <utility>

#include "engine/LittleEndian.h"

namespace {
constexpr uint64_t kLargestField = 0xFFFFFFFF;
// The alignment of raw data that programs use at most; it also bounds the padding written.
constexpr uint32_t kLargestFileAlignment = 0x10000;
constexpr uint32_t kInitializedReadOnlyData = 0x40000040;  // IMAGE_SCN_CNT_INITIALIZED_DATA | MEM_READ

bool IsPowerOfTwo(uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

// Adds the bytes at offset in the file to the sum of the file's 16-bit little-endian
// words that its checksum is made of. Sums of parts add up to the sum of the whole.
void AddToChecksum(uint64_t& sum, uint64_t offset, const uint8_t* bytes, size_t count) {
  size_t i = 0;
  if (count > 0 && offset % 2 != 0) sum += uint64_t{bytes[i++]} << 8;
  for (; i + 1 < count; i += 2) sum += bytes[i] | bytes[i + 1] << 8;
  if (i < count) sum += bytes[i];
}

// The checksum of a file of length bytes whose words add up to sum: the sum folded into
// 16 bits with the carries added back in, plus the length.
uint32_t Checksum(uint64_t sum, uint64_t length) {
  while (sum > 0xFFFF) sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint32_t>(sum + length);
}

const uint8_t* BytesOf(const std::string& text) { return reinterpret_cast<const uint8_t*>(text.data()); }
}  // namespace

ImagePropertiesEditor::ImagePropertiesEditor(PropertiesChoice choose, IImageOutput& output)
    : choose_(std::move(choose)), output_(output) {}

ImagePropertiesEditor::ImagePropertiesEditor(ImageProperties properties, IImageOutput& output)
    : ImagePropertiesEditor([properties](const ImageProperties*) { return properties; }, output) {}

void ImagePropertiesEditor::Add(const uint8_t* bytes, size_t count) {
  if (result_.Outcome != ImageEditOutcome::Edited) return;
  if (!started_) {
    const size_t taken = std::min(count, kProgramHeadersLimit - headerBytes_.size());
    headerBytes_.append(reinterpret_cast<const char*>(bytes), taken);
    bytes += taken;
    count -= taken;
    if (headerBytes_.size() < kProgramHeadersLimit || !Start()) return;
  }
  Pass(bytes, count);
}

bool ImagePropertiesEditor::Refuse(ImageEditOutcome outcome) {
  result_.Outcome = outcome;
  return false;
}

// Reads the headers from the first bytes, reserves their place in the output and hands
// on the bytes after them.
bool ImagePropertiesEditor::Start() {
  started_ = true;
  const PeHeaders& h = headers_;
  if (!ReadPeHeaders(headerBytes_, UINT64_MAX, headers_) || !IsPowerOfTwo(h.FileAlignment) ||
      h.FileAlignment > kLargestFileAlignment || !IsPowerOfTwo(h.SectionAlignment) ||
      h.FileAlignment > h.SectionAlignment || h.DirectoryCount <= kResourceDirectory ||
      h.SizeOfHeaders > headerBytes_.size())
    return Refuse(ImageEditOutcome::NotAProgram);
  if (h.SymbolTable != 0) return Refuse(ImageEditOutcome::HasSymbolTable);
  if (!HasRoomForSectionHeader()) return Refuse(ImageEditOutcome::NoRoomForSectionHeader);
  if (!FindResources(h, resourcePlace_)) return Refuse(ImageEditOutcome::DamagedResources);
  if (h.Certificate.Address != 0 && h.Certificate.Size != 0) {
    if (h.Certificate.Address < h.Layout.SectionsEnd) return Refuse(ImageEditOutcome::NotAProgram);
    keptEnd_ = h.Certificate.Address;
    result_.CertificateDropped = true;
  }
  output_.Reserve(h.SizeOfHeaders);
  const std::string after = headerBytes_.substr(h.SizeOfHeaders);
  headerBytes_.resize(h.SizeOfHeaders);
  position_ = h.SizeOfHeaders;
  Pass(BytesOf(after), after.size());
  return true;
}

// The new header goes after the last one; it must end within the headers and before any
// section's raw data, and its place must be empty.
bool ImagePropertiesEditor::HasRoomForSectionHeader() const {
  const uint64_t at = headers_.Layout.SectionTable + headers_.Sections.size() * kSectionHeaderSize;
  const uint64_t end = at + kSectionHeaderSize;
  if (end > headers_.SizeOfHeaders) return false;
  for (const PeSection& section : headers_.Sections)
    if (section.RawSize != 0 && section.RawPointer < end) return false;
  return headerBytes_.find_first_not_of('\0', at) >= end;
}

void ImagePropertiesEditor::Pass(const uint8_t* bytes, size_t count) {
  if (position_ < keptEnd_) {
    const size_t kept = static_cast<size_t>(std::min<uint64_t>(count, keptEnd_ - position_));
    output_.Append(bytes, kept);
    AddToChecksum(checksumSum_, position_, bytes, kept);
  }
  const uint64_t resourcesEnd = resourcePlace_.FileOffset + resourcePlace_.Size;
  const uint64_t from = std::max(position_, resourcePlace_.FileOffset);
  const uint64_t to = std::min(position_ + count, resourcesEnd);
  if (from < to)
    resources_.append(reinterpret_cast<const char*>(bytes + (from - position_)),
                      static_cast<size_t>(to - from));
  position_ += count;
}

ImageEditResult ImagePropertiesEditor::Finish() {
  if (result_.Outcome == ImageEditOutcome::Edited && (started_ || Start())) Complete();
  return result_;
}

// Writes the new section after the bytes kept, then the headers.
bool ImagePropertiesEditor::Complete() {
  const uint64_t keptEnd = std::min(position_, keptEnd_);
  if (keptEnd < headers_.Layout.SectionsEnd) return Refuse(ImageEditOutcome::NotAProgram);

  ResourceTree tree;
  if (resourcePlace_.Size != 0 && !ReadResourceTree(resources_, resourcePlace_.Rva, tree))
    return Refuse(ImageEditOutcome::DamagedResources);
  ImageProperties own;
  const bool hasOwn = ReadProperties(tree, own);
  if (!PutProperties(choose_(hasOwn ? &own : nullptr), tree)) return Refuse(ImageEditOutcome::NoIconIdsLeft);

  uint64_t memoryEnd = std::max(headers_.SizeOfImage, headers_.SizeOfHeaders);  // the headers are mapped too
  for (const PeSection& s : headers_.Sections)
    memoryEnd =
        std::max(memoryEnd, uint64_t{s.VirtualAddress} + (s.VirtualSize != 0 ? s.VirtualSize : s.RawSize));
  const uint64_t address = AlignUp(memoryEnd, headers_.SectionAlignment);
  const uint64_t rawPointer = AlignUp(keptEnd, headers_.FileAlignment);
  if (address > kLargestField) return Refuse(ImageEditOutcome::TooLarge);
  std::string section = ResourceSectionBytes(tree, static_cast<uint32_t>(address));
  const uint64_t sectionSize = section.size(), rawSize = AlignUp(sectionSize, headers_.FileAlignment);
  const uint64_t imageSize = rawPointer + rawSize;
  if (imageSize > kLargestField ||
      address + AlignUp(sectionSize, headers_.SectionAlignment) > kLargestField ||
      headers_.SizeOfInitializedData + rawSize > kLargestField)
    return Refuse(ImageEditOutcome::TooLarge);

  const std::string padding(static_cast<size_t>(rawPointer - keptEnd), '\0');
  output_.Append(padding.data(), padding.size());
  section.resize(static_cast<size_t>(rawSize), '\0');
  output_.Append(section.data(), section.size());
  AddToChecksum(checksumSum_, rawPointer, BytesOf(section), section.size());
  WriteHeaders(
      {std::string(kPropertiesSectionName, sizeof kPropertiesSectionName), static_cast<uint32_t>(sectionSize),
       static_cast<uint32_t>(address), static_cast<uint32_t>(rawSize), static_cast<uint32_t>(rawPointer)},
      imageSize);
  result_.ImageSize = imageSize;
  return true;
}

void ImagePropertiesEditor::WriteHeaders(const PeSection& section, uint64_t imageSize) {
  const uint64_t optional = headers_.Layout.OptionalHeader;
  WriteLe(headerBytes_, headers_.Layout.CoffHeader + kNumberOfSectionsField, headers_.Layout.SectionCount + 1,
          2);
  WriteLe(headerBytes_, optional + kSizeOfInitializedDataField,
          headers_.SizeOfInitializedData + section.RawSize, 4);
  WriteLe(
      headerBytes_, optional + kSizeOfImageField,
      section.VirtualAddress + static_cast<uint32_t>(AlignUp(section.VirtualSize, headers_.SectionAlignment)),
      4);
  const uint64_t resources = headers_.DataDirectories + kResourceDirectory * kDataDirectorySize;
  WriteLe(headerBytes_, resources, section.VirtualAddress, 4);
  WriteLe(headerBytes_, resources + 4, section.VirtualSize, 4);
  if (result_.CertificateDropped) {
    const uint64_t certificate = headers_.DataDirectories + kCertificateDirectory * kDataDirectorySize;
    WriteLe(headerBytes_, certificate, 0, 4);
    WriteLe(headerBytes_, certificate + 4, 0, 4);
  }
  const uint64_t header = headers_.Layout.SectionTable + headers_.Sections.size() * kSectionHeaderSize;
  headerBytes_.replace(header, sizeof kPropertiesSectionName, kPropertiesSectionName,
                       sizeof kPropertiesSectionName);
  WriteLe(headerBytes_, header + 8, section.VirtualSize, 4);
  WriteLe(headerBytes_, header + 12, section.VirtualAddress, 4);
  WriteLe(headerBytes_, header + 16, section.RawSize, 4);
  WriteLe(headerBytes_, header + 20, section.RawPointer, 4);
  WriteLe(headerBytes_, header + 36, kInitializedReadOnlyData, 4);
  WriteLe(headerBytes_, optional + kCheckSumField, 0, 4);
  AddToChecksum(checksumSum_, 0, BytesOf(headerBytes_), headerBytes_.size());
  WriteLe(headerBytes_, optional + kCheckSumField, Checksum(checksumSum_, imageSize), 4);
  output_.WriteAt(0, headerBytes_.data(), headerBytes_.size());
}
