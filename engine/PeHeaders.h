#pragma once
// The fields of a program's headers that placing a resource section needs: where the
// optional header, the data directories and the section table lie, the alignments and
// sizes, the sections' places in the file and in memory, and the resource and
// certificate directories. Read from the first bytes of the file once ReadPeImage has
// accepted them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/PeImage.h"

struct PeSection {
  std::string Name;  // its 8 bytes, as they stand
  uint32_t VirtualSize = 0;
  uint32_t VirtualAddress = 0;
  uint32_t RawSize = 0;
  uint32_t RawPointer = 0;
};

// A data directory entry: an RVA (a file offset for the certificate table) and a size.
struct DataDirectory {
  uint32_t Address = 0;
  uint32_t Size = 0;
};

struct PeHeaders {
  PeImageLayout Layout;          // with the offsets of the headers in the file
  uint64_t DataDirectories = 0;  // the file offset of the first entry
  // Fields.
  uint32_t SymbolTable = 0;  // PointerToSymbolTable, 0 without symbols
  uint32_t SizeOfHeaders = 0;
  uint32_t SizeOfImage = 0;
  uint32_t SizeOfInitializedData = 0;
  uint32_t FileAlignment = 0;
  uint32_t SectionAlignment = 0;
  uint32_t DirectoryCount = 0;  // the data directory entries that the optional header holds
  DataDirectory Resources;
  DataDirectory Certificate;
  std::vector<PeSection> Sections;
};

// Offsets of fields in the COFF header and in the optional header (the same in PE32 and
// PE32+).
inline constexpr uint64_t kNumberOfSectionsField = 2;
inline constexpr uint64_t kSizeOfInitializedDataField = 8;
inline constexpr uint64_t kSizeOfImageField = 56;

// Reads the headers from head, the first bytes of a file of fileSize bytes; false when
// ReadPeImage refuses them.
bool ReadPeHeaders(std::string_view head, uint64_t fileSize, PeHeaders& headers);

// Where the resource section's bytes lie in the file, from the root of its directory to
// the end of the section's raw data, and the RVA of that root.
struct ResourcePlace {
  uint64_t FileOffset = 0;
  uint64_t Size = 0;  // 0: the program has no resources
  uint32_t Rva = 0;
  std::string SectionName;  // of the section that holds them
};
// Finds the resources that the resource directory names; false when it names an RVA
// that lies in no section's raw data.
bool FindResources(const PeHeaders& headers, ResourcePlace& place);
