#pragma once
// The layout of a Windows program image (PE) from the bytes of its file: where its
// headers and sections lie, and where the image ends, so that what was appended after
// linking can be told apart from the program. Every offset and size read from a header
// is checked against the bytes at hand before it is used; nothing is allocated.
#include <cstddef>
#include <cstdint>
#include <string_view>

// The headers of a program, section table included, lie within its first bytes: a
// linker puts them into the first few KiB, so this many bytes hold them.
inline constexpr size_t kProgramHeadersLimit = 64 * 1024;

struct PeImageLayout {
  bool Is64Bit = false;  // PE32+ rather than PE32
  uint32_t SectionCount = 0;
  // The end of the last section's raw data (at least the end of the headers).
  uint64_t SectionsEnd = 0;
  // The offset just past the image: SectionsEnd, or further when the COFF symbol and
  // string tables of a program that was not stripped, or the certificate table of a
  // signed one, lie after the sections.
  uint64_t ImageEnd = 0;
};

// Reads the layout from head, the first bytes of a file of fileSize bytes (all of it, or
// at least its headers). False when the file is no program image: no "MZ", a PE header
// offset outside head, no "PE\0\0" signature, an optional header of neither PE32 nor
// PE32+, a section table outside head, or headers or a section's raw data that end past
// fileSize.
bool ReadPeImage(std::string_view head, uint64_t fileSize, PeImageLayout& layout);
