// Finding the end of a program's image in its file, on hand-built PE headers: the
// sections decide it, unless symbols or a certificate table lie after them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tools/demo_player/PeImage.h"

namespace {
constexpr uint32_t kOptional = 0x40 + 4 + 20;  // PE32 optional header offset
constexpr uint32_t kOptionalSize = 224;        // with 16 data directories
constexpr uint32_t kSections = kOptional + kOptionalSize;

void Put(std::string& file, size_t offset, uint32_t value, int size) {
  if (file.size() < offset + size) file.resize(offset + size, '\0');
  for (int i = 0; i < size; ++i) file[offset + i] = static_cast<char>(value >> (8 * i));
}

// A PE32 file with headers up to 0x400 and three sections: two with raw data ending
// at 0x1600, and one without raw data (uninitialised data) that must not count.
std::string SampleImage() {
  std::string file(0x1600, '\0');
  Put(file, 0, 0x5A4D, 2);                // "MZ"
  Put(file, 0x3C, 0x40, 4);               // offset of the PE signature
  Put(file, 0x40, 0x00004550, 4);         // "PE\0\0"
  Put(file, 0x44 + 2, 3, 2);              // NumberOfSections
  Put(file, 0x44 + 16, kOptionalSize, 2);
  Put(file, kOptional, 0x10B, 2);         // PE32
  Put(file, kOptional + 60, 0x400, 4);    // SizeOfHeaders
  Put(file, kOptional + 92, 16, 4);       // NumberOfRvaAndSizes
  const uint32_t raw[3][2] = {{0x400, 0x200}, {0x600, 0x1000}, {0x9000, 0}};
  for (int i = 0; i < 3; ++i) {
    Put(file, kSections + 40 * i + 16, raw[i][1], 4);  // SizeOfRawData
    Put(file, kSections + 40 * i + 20, raw[i][0], 4);  // PointerToRawData
  }
  return file;
}
}  // namespace

TEST(PeImage, EndOfLastSectionInAStrippedProgram) {
  std::string file = SampleImage();
  EXPECT_EQ(ImageEnd(file), 0x1600u);
  file += "appended settings";
  EXPECT_EQ(ImageEnd(file), 0x1600u);
}

// The symbols and strings of a program that was not stripped, and the certificate
// table of a signed one, lie after the sections and belong to the image.
TEST(PeImage, TablesAfterTheSectionsBelongToTheImage) {
  std::string file = SampleImage();
  Put(file, 0x44 + 8, 0x1600, 4);                   // PointerToSymbolTable
  Put(file, 0x44 + 12, 10, 4);                      // NumberOfSymbols, 18 bytes each
  Put(file, 0x1600 + 10 * 18, 0x20, 4);             // string table size, its 4 bytes included
  file.resize(0x16D4);
  EXPECT_EQ(ImageEnd(file + "appended"), 0x16D4u);
  Put(file, kOptional + 96 + 4 * 8, 0x16D8, 4);     // certificate table: file offset
  Put(file, kOptional + 96 + 4 * 8 + 4, 0x108, 4);  // and size
  file.resize(0x17E0);
  EXPECT_EQ(ImageEnd(file + "appended"), 0x17E0u);
  // Without room for the certificate entry among the data directories it is not read.
  Put(file, kOptional + 92, 4, 4);
  EXPECT_EQ(ImageEnd(file), 0x16D4u);
}

TEST(PeImage, NotAProgramOrCutShort) {
  EXPECT_EQ(ImageEnd(""), 0u);
  EXPECT_EQ(ImageEnd(std::string(0x2000, 'M')), 0u);
  const std::string file = SampleImage();
  // Every prefix cut inside the headers is refused; none is read beyond its end.
  for (size_t length = 0; length < kSections + 3 * 40; ++length)
    EXPECT_EQ(ImageEnd(file.substr(0, length)), 0u) << length;
  EXPECT_EQ(ImageEnd(file.substr(0, kSections + 3 * 40)), 0x1600u);
}
