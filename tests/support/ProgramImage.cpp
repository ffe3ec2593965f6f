#include "tests/support/ProgramImage.h"

#include "tests/support/TestFiles.h"

namespace {
constexpr size_t kPeHeader = 0x40;
constexpr size_t kOptionalHeader = kPeHeader + 4 + 20;
constexpr uint32_t kOptionalHeaderSize = 240;  // PE32+ with 16 data directories
constexpr size_t kSectionTable = kOptionalHeader + kOptionalHeaderSize;

void Put(std::string& bytes, size_t offset, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}
}  // namespace

std::string ProgramHeaders(size_t size) {
  std::string headers(kProgramHeadersSize, '\0');
  headers.replace(0, 2, "MZ");
  Put(headers, 0x3C, kPeHeader, 4);
  headers.replace(kPeHeader, 4, std::string("PE\0\0", 4));
  Put(headers, kPeHeader + 4, 0x8664, 2);  // x64
  const bool hasSection = size > kProgramHeadersSize;
  Put(headers, kPeHeader + 6, hasSection ? 1 : 0, 2);
  Put(headers, kPeHeader + 20, kOptionalHeaderSize, 2);
  Put(headers, kPeHeader + 22, 0x22, 2);    // an executable for large addresses
  Put(headers, kOptionalHeader, 0x20B, 2);  // PE32+
  // Sections aligned as linkers align them, the one section at the first page.
  constexpr uint32_t kSectionAlignment = 0x1000, kFileAlignment = 0x200;
  const uint32_t sectionSize = static_cast<uint32_t>(size - kProgramHeadersSize);
  Put(headers, kOptionalHeader + 32, kSectionAlignment, 4);
  Put(headers, kOptionalHeader + 36, kFileAlignment, 4);
  Put(headers, kOptionalHeader + 56,
      kSectionAlignment + (hasSection ? (sectionSize + kSectionAlignment - 1) & ~(kSectionAlignment - 1) : 0),
      4);
  Put(headers, kOptionalHeader + 60, kProgramHeadersSize, 4);
  Put(headers, kOptionalHeader + 108, 16, 4);
  if (hasSection) {
    headers.replace(kSectionTable, 5, ".text");
    Put(headers, kSectionTable + 8, sectionSize, 4);
    Put(headers, kSectionTable + 12, kSectionAlignment, 4);
    Put(headers, kSectionTable + 16, static_cast<uint32_t>(size - kProgramHeadersSize), 4);
    Put(headers, kSectionTable + 20, kProgramHeadersSize, 4);
  }
  return headers;
}

std::string ProgramImage(size_t size, uint32_t seed) {
  return ProgramHeaders(size) + RandomBytes(size - kProgramHeadersSize, seed);
}
