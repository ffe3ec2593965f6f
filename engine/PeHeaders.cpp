#include "engine/PeHeaders.h"

#include <algorithm>

#include "engine/LittleEndian.h"

namespace {
DataDirectory DirectoryEntry(std::string_view head, const PeHeaders& headers, uint32_t index) {
  if (index >= headers.DirectoryCount) return DataDirectory();
  const uint64_t entry = headers.DataDirectories + index * kDataDirectorySize;
  return DataDirectory{ReadLe(head, entry, 4), ReadLe(head, entry + 4, 4)};
}
}  // namespace

bool ReadPeHeaders(std::string_view head, uint64_t fileSize, PeHeaders& headers) {
  PeHeaders read;
  if (!ReadPeImage(head, fileSize, read.Layout)) return false;
  // ReadPeImage has checked that the headers up to the section table lie in head.
  const PeImageLayout& layout = read.Layout;
  read.DataDirectories = layout.DirectoryCountField + 4;
  if (read.DataDirectories <= layout.SectionTable) {
    const uint64_t room = (layout.SectionTable - read.DataDirectories) / kDataDirectorySize;
    read.DirectoryCount =
        static_cast<uint32_t>(std::min<uint64_t>(ReadLe(head, layout.DirectoryCountField, 4), room));
  }
  read.SymbolTable = ReadLe(head, layout.CoffHeader + 8, 4);
  read.SizeOfInitializedData = ReadLe(head, layout.OptionalHeader + kSizeOfInitializedDataField, 4);
  read.SectionAlignment = ReadLe(head, layout.OptionalHeader + 32, 4);
  read.FileAlignment = ReadLe(head, layout.OptionalHeader + 36, 4);
  read.SizeOfImage = ReadLe(head, layout.OptionalHeader + kSizeOfImageField, 4);
  read.SizeOfHeaders = ReadLe(head, layout.OptionalHeader + 60, 4);
  read.Resources = DirectoryEntry(head, read, kResourceDirectory);
  read.Certificate = DirectoryEntry(head, read, kCertificateDirectory);
  for (uint32_t i = 0; i < read.Layout.SectionCount; ++i) {
    const uint64_t section = layout.SectionTable + i * kSectionHeaderSize;
    read.Sections.push_back({std::string(head.substr(static_cast<size_t>(section), 8)),
                             ReadLe(head, section + 8, 4), ReadLe(head, section + 12, 4),
                             ReadLe(head, section + 16, 4), ReadLe(head, section + 20, 4)});
  }
  headers = std::move(read);
  return true;
}

bool FindResources(const PeHeaders& headers, ResourcePlace& place) {
  place = ResourcePlace();
  const uint32_t rva = headers.Resources.Address;
  if (rva == 0 || headers.Resources.Size == 0) return true;
  for (const PeSection& section : headers.Sections) {
    // The bytes of the file that the section maps: its raw data, as far as its size in memory.
    const uint32_t mapped =
        section.VirtualSize != 0 ? std::min(section.RawSize, section.VirtualSize) : section.RawSize;
    if (rva < section.VirtualAddress || rva - section.VirtualAddress >= mapped) continue;
    place = {uint64_t{section.RawPointer} + (rva - section.VirtualAddress),
             mapped - (rva - section.VirtualAddress), rva, section.Name};
    return true;
  }
  return false;
}
