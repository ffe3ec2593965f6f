// Reading a program's layout from hand-built PE headers: what counts as a program image
// (the conversion refuses a runtime that is none), and where its image ends (the demo
// player finds the settings there): the sections decide it, unless symbols or a
// certificate table lie after them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/PeImage.h"

namespace {
constexpr uint32_t kOptional = 0x40 + 4 + 20;  // PE32 optional header offset
constexpr uint32_t kOptionalSize = 224;        // with 16 data directories
constexpr uint32_t kSections = kOptional + kOptionalSize;

void Put(std::string& file, size_t offset, uint32_t value, int size) {
  if (file.size() < offset + size) file.resize(offset + size, '\0');
  for (int i = 0; i < size; ++i) file[offset + i] = static_cast<char>(value >> (8 * i));
}

// A PE32 file with headers up to 0x400 and three sections: two with raw data ending
// at 0x1600, and one without raw data (uninitialised data) that must not count; its
// security entry has an offset but no size, which makes no certificate table.
std::string SampleImage() {
  std::string file(0x1600, '\0');
  Put(file, 0, 0x5A4D, 2);         // "MZ"
  Put(file, 0x3C, 0x40, 4);        // offset of the PE signature
  Put(file, 0x40, 0x00004550, 4);  // "PE\0\0"
  Put(file, 0x44 + 2, 3, 2);       // NumberOfSections
  Put(file, 0x44 + 16, kOptionalSize, 2);
  Put(file, kOptional, 0x10B, 2);       // PE32
  Put(file, kOptional + 60, 0x400, 4);  // SizeOfHeaders
  Put(file, kOptional + 92, 16, 4);     // NumberOfRvaAndSizes
  Put(file, kOptional + 96 + 4 * 8, 0x1600, 4);
  const uint32_t raw[3][2] = {{0x400, 0x200}, {0x600, 0x1000}, {0x9000, 0}};
  for (int i = 0; i < 3; ++i) {
    Put(file, kSections + 40 * i + 16, raw[i][1], 4);  // SizeOfRawData
    Put(file, kSections + 40 * i + 20, raw[i][0], 4);  // PointerToRawData
  }
  return file;
}

// The image end of a whole file, or 0 when it is no program image.
uint64_t ImageEnd(const std::string& file) {
  PeImageLayout layout;
  return ReadPeImage(file, file.size(), layout) ? layout.ImageEnd : 0;
}
}  // namespace

TEST(PeImage, EndOfLastSectionInAStrippedProgram) {
  std::string file = SampleImage();
  PeImageLayout layout;
  ASSERT_TRUE(ReadPeImage(file, file.size(), layout));
  EXPECT_FALSE(layout.Is64Bit);
  EXPECT_EQ(3u, layout.SectionCount);
  EXPECT_EQ(0x1600u, layout.SectionsEnd);
  file += "appended settings";
  EXPECT_EQ(ImageEnd(file), 0x1600u);
  // The headers alone tell the layout of the whole file.
  ASSERT_TRUE(ReadPeImage(file.substr(0, 0x400), file.size(), layout));
  EXPECT_EQ(0x1600u, layout.ImageEnd);
}

// The symbols and strings of a program that was not stripped, and the certificate
// table of a signed one, lie after the sections and belong to the image.
TEST(PeImage, TablesAfterTheSectionsBelongToTheImage) {
  std::string file = SampleImage();
  Put(file, 0x44 + 8, 0x1600, 4);        // PointerToSymbolTable
  Put(file, 0x44 + 12, 10, 4);           // NumberOfSymbols, 18 bytes each
  Put(file, 0x1600 + 10 * 18, 0x20, 4);  // string table size, its 4 bytes included
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

// A PE32+ program keeps its data directories 16 bytes further on.
TEST(PeImage, TheCertificateOfA64BitProgram) {
  std::string file = SampleImage();
  Put(file, kOptional, 0x20B, 2);
  Put(file, kOptional + 92, 0, 4);
  Put(file, kOptional + 108, 16, 4);
  Put(file, kOptional + 112 + 4 * 8, 0x1600, 4);
  Put(file, kOptional + 112 + 4 * 8 + 4, 0x100, 4);
  file.resize(0x1700);
  PeImageLayout layout;
  ASSERT_TRUE(ReadPeImage(file, file.size(), layout));
  EXPECT_TRUE(layout.Is64Bit);
  EXPECT_EQ(0x1600u, layout.SectionsEnd);
  EXPECT_EQ(0x1700u, layout.ImageEnd);
  EXPECT_TRUE(layout.CertificateAtFileEnd);
}

// Each of the things that make a file a program image, spoilt in turn.
TEST(PeImage, AFileThatIsNoProgramImageIsRefused) {
  const struct {
    const char* Name;
    size_t Offset;
    uint32_t Value;
    int Size;
  } spoilt[] = {
      {"no MZ", 0, 0x5A4E, 2},
      {"PE header offset past the file", 0x3C, 0x1600 - 20, 4},
      {"PE header offset near 4 GB", 0x3C, 0xFFFFFFF0u, 4},
      {"no PE signature", 0x40, 0x00004551, 4},
      {"optional header of no known kind", kOptional, 0x107, 2},
      {"optional header too short", 0x44 + 16, 16, 2},
      {"section table past the file", 0x44 + 2, 0xFFFF, 2},
      {"headers ending past the file", kOptional + 60, 0x1601, 4},
      {"raw data ending past the file", kSections + 40 + 16, 0x1001, 4},
      {"raw data starting near 4 GB", kSections + 40 + 20, 0xFFFFFF00u, 4},
      {"symbol tables ending past the file", 0x44 + 8, 0x1600, 4},
      {"certificate table ending past the file", kOptional + 96 + 4 * 8 + 4, 8, 4},
  };
  for (const auto& s : spoilt) {
    std::string file = SampleImage();
    Put(file, s.Offset, s.Value, s.Size);
    PeImageLayout layout;
    EXPECT_FALSE(ReadPeImage(file, file.size(), layout)) << s.Name;
  }
  EXPECT_EQ(ImageEnd(""), 0u);
  EXPECT_EQ(ImageEnd(std::string(0x2000, 'M')), 0u);
}

// Every prefix of a program is refused, and none is read beyond its end (the sanitizer
// build would see it); head is never read past fileSize.
TEST(PeImage, AProgramCutShortIsRefused) {
  const std::string file = SampleImage();
  PeImageLayout layout;
  for (size_t length = 0; length < file.size(); length += length < kSections + 3 * 40 ? 1 : 0x80)
    EXPECT_FALSE(ReadPeImage(file.substr(0, length), length, layout)) << length;
  EXPECT_FALSE(ReadPeImage(file, 0x15FF, layout));
  EXPECT_TRUE(ReadPeImage(file, 0x1600, layout));
}
