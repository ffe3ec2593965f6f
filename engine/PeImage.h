#pragma once
// The layout of a Windows program image (PE) from the bytes of its file: where its
// headers and sections lie, its symbol and certificate tables, and where the image ends,
// so that what was appended after linking can be told apart from the program. Every
// offset and size read from a header is checked against the bytes at hand before it is
// used; nothing is allocated from a header field.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/RandomAccessBytes.h"

// The headers of a program, section table included, lie within its first bytes: a
// linker puts them into the first few KiB, so this many bytes hold them.
inline constexpr size_t kProgramHeadersLimit = 64 * 1024;

// Sizes and indexes of the format, and the checksum's offset in the optional header,
// which PE32 and PE32+ share.
inline constexpr uint64_t kSectionHeaderSize = 40;
inline constexpr uint64_t kDataDirectorySize = 8;
inline constexpr uint32_t kResourceDirectory = 2;
inline constexpr uint32_t kCertificateDirectory = 4;
inline constexpr uint64_t kCheckSumField = 64;

struct PeImageLayout {
  bool Is64Bit = false;  // PE32+ rather than PE32
  uint32_t SectionCount = 0;
  // File offsets of the COFF header, the optional header, the optional header's count of
  // data directory entries (the entries follow it) and the section table.
  uint64_t CoffHeader = 0;
  uint64_t OptionalHeader = 0;
  uint64_t DirectoryCountField = 0;
  uint64_t SectionTable = 0;
  // The end of the last section's raw data (at least the end of the headers).
  uint64_t SectionsEnd = 0;
  // The end of the COFF symbol table and the string table after it, which a program
  // that was not stripped keeps; 0 without symbols.
  uint64_t SymbolsEnd = 0;
  // The certificate table of a signed program, which the security data directory gives
  // as a file offset and size (unlike the other directories); both 0 when unsigned.
  uint64_t CertificateOffset = 0;
  uint64_t CertificateSize = 0;
  // True when the certificate table ends where the file does, as a signer appends it.
  bool CertificateAtFileEnd = false;
  // The file offsets of the header fields that signing rewrites: the checksum and the
  // security directory entry; 0 when the optional header is too short to hold one.
  uint64_t CheckSumField = 0;
  uint64_t CertificateEntryField = 0;
  // The offset just past the image: the furthest end of the sections, the symbol tables
  // and the certificate table.
  uint64_t ImageEnd = 0;
};

// Reads the layout from head, the first bytes of a file of fileSize bytes (all of it, or
// at least its headers). False when the file is no program image: no "MZ", a PE header
// offset outside head, no "PE\0\0" signature, an optional header of neither PE32 nor
// PE32+, a section table outside head, or headers, a section's raw data, the symbol
// tables or the certificate table that end past fileSize. The string table tells its own
// size in its first 4 bytes: where head does not hold them, only those 4 bytes count.
bool ReadPeImage(std::string_view head, uint64_t fileSize, PeImageLayout& layout);

// The same for a whole file, whose headers and string table size are read from it.
// Raises EReadError when they cannot be read.
bool ReadPeImage(IRandomAccessBytes& file, PeImageLayout& layout);
