// The editor on images of tests/support, PE32+ without resources and PE32 with resources and
// a certificate, checked byte for byte: the fields that describe the resources, every other
// byte as it was, the new section sorted, the checksum, the same bytes however handed over.
#include <gtest/gtest.h>

#include "engine/ImagePropertiesReading.h"
#include "engine/LittleEndian.h"
#include "tests/support/PropertySamples.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr size_t kOptional = 0x58, kSectionTable = 0x148;
constexpr uint32_t kEnglish = 1033;

ImageProperties Properties() {
  ImageProperties properties;
  EXPECT_EQ(ReadIconFile(SixImageIconFile(), properties.Icon.emplace()), IconFileFault::None);
  properties.Version.FileVersion = {1, 2, 3, 4};
  properties.Version.ProductName = "\x83\x7D\x83\x4E\x83\x8D";  // "マクロ" in cp932
  return properties;
}

// The checksum word by word, as the system computes it, its own field counted as 0.
uint32_t SystemChecksum(std::string image) {
  WriteLe(image, kOptional + 64, 0, 4);
  uint32_t sum = 0, length = static_cast<uint32_t>(image.size());
  image += '\0';  // completes the last word of an odd length
  for (size_t i = 0; i < length; i += 2)
    sum = ((sum + ReadLe(image, i, 2)) & 0xFFFF) + ((sum + ReadLe(image, i, 2)) >> 16);
  return sum + length;
}

// Every directory: named entries first, names ascending in upper case, then numbers
// ascending; directories on two levels, leaves on the third.
void ExpectSorted(const std::string& section, size_t directory = 0, int level = 0) {
  const size_t named = ReadLe(section, directory + 12, 2), count = named + ReadLe(section, directory + 14, 2);
  std::u16string previous, name;
  for (size_t i = 0, entry = directory + 16; i < count; ++i, entry += 8, previous = name, name.clear()) {
    const uint32_t key = ReadLe(section, entry, 4), target = ReadLe(section, entry + 4, 4),
                   at = key & 0x7FFFFFFF;
    for (size_t c = 0; i < named && c < ReadLe(section, at, 2); ++c)
      name += static_cast<char16_t>(toupper(ReadLe(section, at + 2 + 2 * c, 2)));
    EXPECT_TRUE(key >> 31 == (i < named) &&
                (i < named ? previous < name : i == named || ReadLe(section, entry - 8, 4) < key));
    ASSERT_EQ(target >> 31, level < 2 ? 1u : 0u);
    if (level < 2) ExpectSorted(section, target & 0x7FFFFFFF, level + 1);
  }
}

uint32_t Directories(bool pe32) { return kOptional + (pe32 ? 96 : 112); }

// An image of tests/support made editable, of an odd length longer than the headers the
// editor waits for; PE32 on request; with a second section at 0x13000 holding resources.
std::string Image(bool pe32, const std::string& resources = "") {
  std::string image = ProgramImage(0x11233, 5);
  const uint32_t size = static_cast<uint32_t>(resources.size()), raw = (size + 0x1FF) & ~0x1FFu;
  if (size != 0) image += std::string(0x1CD, '\0') + resources + std::string(raw - size, '\0');
  if (size != 0) image.replace(kSectionTable + 40, 5, ".rsrc");
  // clang-format off
  const uint32_t fields[][3] = {
      {kOptional, pe32 ? 0x10Bu : 0x20Bu, 2}, {kOptional + 92, pe32 ? 16u : 0, 4},
      {kOptional + 108, pe32 ? 0 : 16u, 4}, {kOptional + 32, 0x1000, 4}, {kOptional + 36, 0x200, 4},
      {kOptional + 56, 0x14000, 4}, {kSectionTable + 8, 0x11033, 4}, {kSectionTable + 12, 0x1000, 4},
      {0x46, size ? 2u : 1u, 2}, {kOptional + 8, raw, 4}, {Directories(pe32) + 16, size ? 0x13000u : 0, 4},
      {Directories(pe32) + 20, size, 4}, {kSectionTable + 48, size, 4},
      {kSectionTable + 52, size ? 0x13000u : 0, 4}, {kSectionTable + 56, raw, 4},
      {kSectionTable + 60, size ? 0x11400u : 0, 4}};
  // clang-format on
  for (const auto& field : fields) WriteLe(image, field[0], field[1], static_cast<int>(field[2]));
  return image;
}

// Checks the edited image byte for byte: the runtime with the fields for a new section at
// 0x14000 and rawPointer, zeros up to it; returns the section.
std::string ExpectEditedImage(const std::string& runtime, const std::string& edited, bool pe32,
                              uint32_t rawPointer) {
  const uint32_t sections = ReadLe(runtime, 0x46, 2), size = ReadLe(edited, Directories(pe32) + 20, 4);
  const uint32_t raw = static_cast<uint32_t>(AlignUp(size, 0x200)), header = kSectionTable + 40 * sections;
  EXPECT_EQ(edited.size(), rawPointer + raw);
  std::string expected = (runtime + std::string(rawPointer, '\0')).substr(0, rawPointer);
  expected.replace(header, 8, kPropertiesSectionName, 8);
  // clang-format off
  const uint32_t fields[][3] = {
      {0x46, sections + 1, 2}, {kOptional + 8, ReadLe(runtime, kOptional + 8, 4) + raw, 4},
      {kOptional + 56, 0x14000 + static_cast<uint32_t>(AlignUp(size, 0x1000)), 4},
      {kOptional + 64, SystemChecksum(edited), 4}, {Directories(pe32) + 16, 0x14000, 4},
      {Directories(pe32) + 20, size, 4}, {Directories(pe32) + 32, 0, 4}, {Directories(pe32) + 36, 0, 4},
      {header + 8, size, 4}, {header + 12, 0x14000, 4}, {header + 16, raw, 4}, {header + 20, rawPointer, 4},
      {header + 36, 0x40000040, 4}};
  // clang-format on
  for (const auto& field : fields) WriteLe(expected, field[0], field[1], static_cast<int>(field[2]));
  EXPECT_EQ(Hex(edited.substr(0, rawPointer)), Hex(expected));
  const std::string section = edited.substr(rawPointer, size);
  ExpectSorted(section);
  return section;
}

ResourceKey Named(const std::u16string& name) { return ResourceKey{true, name, 0}; }
void Put(ResourceTree& tree, ResourceKey type, ResourceKey name, uint32_t language, std::string data) {
  tree[type][name][ResourceId(language)] = ResourceData{std::move(data), 0};
}
}  // namespace

TEST(ImagePropertiesEditor, AProgramWithoutResourcesGetsItsOwn) {
  const std::string runtime = Image(false);
  ImageEditResult result, again;
  const std::string edited = EditInMemory(runtime, Properties(), result);
  ASSERT_EQ(result.Outcome, ImageEditOutcome::Edited);
  EXPECT_FALSE(result.CertificateDropped);
  EXPECT_EQ(result.ImageSize, edited.size());
  ExpectEditedImage(runtime, edited, false, 0x11400);
  for (size_t chunk : {size_t{1}, size_t{7}, runtime.size()})
    EXPECT_TRUE(EditInMemory(runtime, Properties(), again, chunk) == edited) << chunk;
  const TempFolder folder;
  WriteBytes(folder / "Macro.exe", edited + "settings");
  FileBytes executable(folder / "Macro.exe");
  ImageProperties read;
  ASSERT_TRUE(ReadImageProperties(executable, result.ImageSize, read));
  EXPECT_TRUE(read.Version == Properties().Version);
  ASSERT_TRUE(read.Icon);
  EXPECT_EQ(IconFileBytes(*read.Icon), SixImageIconFile());
}

// The first icon group, a named one, gives way to the new icon under its name and language;
// the image only it used goes; the version is replaced; the rest stays; the certificate goes.
TEST(ImagePropertiesEditor, TheRuntimesResourcesAreKeptAroundTheProperties) {
  const IconImage first{"first entry.", BitmapIconImage(16, 4)},
      shared{"shared entry", BitmapIconImage(32, 8)};
  ResourceTree tree;
  Put(tree, Named(u"Demo"), Named(u"note"), kEnglish, "note");
  Put(tree, ResourceId(3), ResourceId(1), kEnglish, first.Bytes);
  Put(tree, ResourceId(3), ResourceId(2), kEnglish, shared.Bytes);
  Put(tree, ResourceId(14), ResourceId(7), kEnglish, IconGroupData({shared}, 2));
  Put(tree, ResourceId(16), ResourceId(1), kEnglish, VersionResourceData(VersionInfo()));
  Put(tree, ResourceId(24), ResourceId(1), kEnglish, "<assembly/>");
  ResourceTree expected = tree;
  Put(tree, ResourceId(14), Named(u"MAIN"), kEnglish, IconGroupData({first, shared}, 1));
  std::string runtime = Image(true, ResourceSectionBytes(tree, 0x13000));
  WriteLe(runtime, Directories(true) + 32, static_cast<uint32_t>(runtime.size()), 4);
  WriteLe(runtime, Directories(true) + 36, 0x100, 4);
  ImageEditResult result;
  const std::string edited = EditInMemory(runtime + std::string(0x100, 'C'), Properties(), result);
  ASSERT_EQ(result.Outcome, ImageEditOutcome::Edited);
  EXPECT_TRUE(result.CertificateDropped);
  const std::string section = ExpectEditedImage(runtime, edited, true, static_cast<uint32_t>(runtime.size()));

  const ImageProperties properties = Properties();
  expected[ResourceId(3)].erase(ResourceId(1));
  for (uint32_t i = 0; i < properties.Icon->size(); ++i)
    Put(expected, ResourceId(3), ResourceId(3 + i), kEnglish, (*properties.Icon)[i].Bytes);
  Put(expected, ResourceId(14), Named(u"MAIN"), kEnglish, IconGroupData(*properties.Icon, 3));
  expected.erase(ResourceId(16));
  Put(expected, ResourceId(16), ResourceId(1), 0x0411, VersionResourceData(properties.Version));
  EXPECT_EQ(Hex(section), Hex(ResourceSectionBytes(expected, 0x14000)));
}

TEST(ImagePropertiesEditor, WhatCannotBeEditedIsRefusedWithTheReason) {
  std::string symbols = Image(false), noRoom = Image(false);
  ImageEditResult result;
  WriteLe(symbols, 0x44 + 8, 0x1200, 4);
  noRoom[kSectionTable + 40 + 39] = 1;
  ResourceTree icons;
  Put(icons, ResourceId(3), ResourceId(0xFFFC), kEnglish, "image");
  const std::pair<std::string, ImageEditOutcome> refused[] = {
      {std::string(0x400, 'M'), ImageEditOutcome::NotAProgram},
      {Image(false).substr(0, 0x11000), ImageEditOutcome::NotAProgram},  // cut short
      {symbols, ImageEditOutcome::HasSymbolTable},
      {noRoom, ImageEditOutcome::NoRoomForSectionHeader},
      {Image(true, std::string(16, '\xFF')), ImageEditOutcome::DamagedResources},
      {Image(true, ResourceSectionBytes(icons, 0x13000)), ImageEditOutcome::NoIconIdsLeft},
  };
  for (const auto& [image, outcome] : refused) {
    EditInMemory(image, Properties(), result);
    EXPECT_EQ(result.Outcome, outcome) << static_cast<int>(outcome);
  }
}
