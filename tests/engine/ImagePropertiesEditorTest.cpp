// The editor on small program images, a PE32+ one without resources and a PE32 one with
// resources of its own and a certificate: only the fields that describe the resources
// change, the new section holds the resources expected, sorted, at the right places, the
// checksum is the system's, the bytes do not depend on how the image was handed over, and
// the properties read back as they went in. Windows itself reads an edited program in
// ImagePropertiesWinTest.cpp.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/ImagePropertiesEditor.h"
#include "engine/ImagePropertiesReading.h"
#include "engine/LittleEndian.h"
#include "tests/support/IconSamples.h"
#include "tests/support/MemoryImage.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr size_t kOptional = 0x58;  // in both images
constexpr uint32_t kRuntimeLanguage = 1033;

// The image handed over in pieces of chunk bytes.
ImageEditResult Edit(const std::string& image, const ImageProperties& properties, std::string& edited,
                     size_t chunk = 4096) {
  MemoryOutput output;
  ImagePropertiesEditor editor(properties, output);
  for (size_t at = 0; at < image.size(); at += chunk)
    editor.Add(reinterpret_cast<const uint8_t*>(image.data()) + at, std::min(chunk, image.size() - at));
  const ImageEditResult result = editor.Finish();
  edited = output.Bytes;
  return result;
}

// The checksum word by word, as the system computes it, its own field counted as 0.
uint32_t SystemChecksum(std::string image) {
  WriteLe(image, kOptional + 64, 0, 4);
  uint32_t sum = 0;
  for (size_t i = 0; i < image.size(); i += 2) {
    sum += static_cast<unsigned char>(image[i]) | (i + 1 < image.size() ? ReadLe(image, i + 1, 1) << 8 : 0);
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  return sum + static_cast<uint32_t>(image.size());
}

// Every directory of the section: named entries first, names ascending in upper case,
// then numbers ascending; three levels.
void ExpectSorted(const std::string& section, size_t directory, int level = 0) {
  const size_t named = ReadLe(section, directory + 12, 2), count = named + ReadLe(section, directory + 14, 2);
  std::u16string previousName;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t key = ReadLe(section, directory + 16 + 8 * i, 4);
    const uint32_t target = ReadLe(section, directory + 20 + 8 * i, 4);
    ASSERT_EQ(key >> 31 != 0, i < named);
    if (i < named) {
      std::u16string name;
      for (size_t c = 0; c < ReadLe(section, key & 0x7FFFFFFF, 2); ++c)
        name += static_cast<char16_t>(toupper(ReadLe(section, (key & 0x7FFFFFFF) + 2 + 2 * c, 2)));
      EXPECT_LT(previousName, name);
      previousName = name;
    } else if (i > named) {
      EXPECT_LT(ReadLe(section, directory + 8 + 8 * i, 4), key);
    }
    EXPECT_EQ(target >> 31 != 0, level < 2);
    if (level < 2) ExpectSorted(section, target & 0x7FFFFFFF, level + 1);
  }
}

struct NewSection {
  uint32_t VirtualSize, Address, RawSize, RawPointer;
};

// Checks the edited image against the runtime: the fields that describe the resources
// as they must be, every other byte as it was, then zeros up to the new section, which
// holds the resources; returns the section.
NewSection ExpectEditedImage(const std::string& runtime, const std::string& edited, size_t sectionTable,
                             size_t directories) {
  const uint32_t sections = ReadLe(runtime, 0x46, 2);
  const size_t header = sectionTable + 40 * sections;
  const NewSection s = {ReadLe(edited, header + 8, 4), ReadLe(edited, header + 12, 4),
                        ReadLe(edited, header + 16, 4), ReadLe(edited, header + 20, 4)};
  EXPECT_EQ(ReadLe(edited, 0x46, 2), sections + 1);
  EXPECT_EQ(edited.substr(header, 8), std::string(".rsrc\0\0\0", 8));
  EXPECT_EQ(ReadLe(edited, header + 36, 4), 0x40000040u);
  EXPECT_EQ(s.Address % 0x1000, 0u);
  EXPECT_EQ(s.RawPointer % 0x200 + s.RawSize % 0x200, 0u);
  EXPECT_EQ(ReadLe(edited, kOptional + 8, 4), ReadLe(runtime, kOptional + 8, 4) + s.RawSize);
  EXPECT_EQ(ReadLe(edited, kOptional + 56, 4), s.Address + (s.VirtualSize + 0xFFF) / 0x1000 * 0x1000);
  EXPECT_EQ(ReadLe(edited, directories + 16, 4), s.Address);
  EXPECT_EQ(ReadLe(edited, directories + 20, 4), s.VirtualSize);
  EXPECT_EQ(ReadLe(edited, kOptional + 64, 4), SystemChecksum(edited));
  EXPECT_EQ(edited.size(), s.RawPointer + s.RawSize);
  std::string expected = runtime.substr(0, std::min<size_t>(runtime.size(), s.RawPointer));
  for (const auto& field : {std::make_pair(size_t{0x46}, 2),
                            {kOptional + 8, 4},
                            {kOptional + 56, 4},
                            {kOptional + 64, 4},
                            {directories + 16, 8},
                            {directories + 32, 8},
                            {header, 40}})
    expected.replace(field.first, field.second, edited, field.first, field.second);
  expected.resize(s.RawPointer, '\0');
  EXPECT_EQ(Hex(edited.substr(0, s.RawPointer)), Hex(expected));
  ExpectSorted(edited.substr(s.RawPointer), 0);
  return s;
}

ImageProperties SampleProperties() {
  ImageProperties properties;
  IconGroup icon;
  EXPECT_EQ(ReadIconFile(SixImageIconFile(), icon), IconFileFault::None);
  properties.Icon = icon;
  properties.Version.FileVersion = {1, 2, 3, 4};
  properties.Version.ProductName = "\x83\x7D\x83\x4E\x83\x8D";  // "マクロ" in cp932
  properties.Version.OriginalFilename = "Macro.exe";
  return properties;
}

// A PE32+ image of tests/support with the fields an edit needs, of an odd length and
// longer than the headers the editor waits for.
std::string Pe32PlusImage() {
  std::string image = ProgramImage(0x11233, 5);
  for (const auto& field : {std::make_pair(kOptional + 32, 0x1000u),
                            {kOptional + 36, 0x200u},
                            {kOptional + 56, 0x13000u},
                            {0x148 + 8, 0x11033u},
                            {0x148 + 12, 0x1000u}})
    WriteLe(image, field.first, field.second, 4);
  return image;
}

// A PE32 image: headers, a code section at 0x1000 and a resource section at 0x2000.
constexpr size_t kPe32Sections = kOptional + 224, kPe32Directories = kOptional + 96;
std::string Pe32Image(const std::string& resources) {
  const uint32_t rawSize = static_cast<uint32_t>(AlignUp(resources.size(), 0x200));
  std::string image = std::string("MZ") + std::string(0x3E, '\0') + "PE";
  image.resize(0x600 + rawSize, '\0');
  image.replace(0x400, 0x200, RandomBytes(0x200, 9));
  image.replace(0x600, resources.size(), resources);
  image.replace(kPe32Sections, 5, ".text");
  image.replace(kPe32Sections + 40, 5, ".rsrc");
  const uint32_t fields[][3] = {{0x3C, 0x40, 4},
                                {0x44, 0x14C, 2},
                                {0x46, 2, 2},
                                {0x54, 224, 2},
                                {kOptional, 0x10B, 2},
                                {kOptional + 8, rawSize, 4},
                                {kOptional + 32, 0x1000, 4},
                                {kOptional + 36, 0x200, 4},
                                {kOptional + 56, 0x3000, 4},
                                {kOptional + 60, 0x400, 4},
                                {kOptional + 92, 16, 4},
                                {kPe32Directories + 16, 0x2000, 4},
                                {kPe32Directories + 20, static_cast<uint32_t>(resources.size()), 4},
                                {kPe32Sections + 8, 0x200, 4},
                                {kPe32Sections + 12, 0x1000, 4},
                                {kPe32Sections + 16, 0x200, 4},
                                {kPe32Sections + 20, 0x400, 4},
                                {kPe32Sections + 48, static_cast<uint32_t>(resources.size()), 4},
                                {kPe32Sections + 52, 0x2000, 4},
                                {kPe32Sections + 56, rawSize, 4},
                                {kPe32Sections + 60, 0x600, 4}};
  for (const auto& field : fields) WriteLe(image, field[0], field[1], static_cast<int>(field[2]));
  return image;
}

ResourceKey Named(const std::u16string& name) { return ResourceKey{true, name, 0}; }
void Put(ResourceTree& tree, const ResourceKey& type, const ResourceKey& name, uint32_t language,
         std::string data) {
  tree[type][name][ResourceId(language)] = ResourceData{std::move(data), 0};
}
}  // namespace

TEST(ImagePropertiesEditor, AProgramWithoutResourcesGetsItsOwn) {
  const std::string runtime = Pe32PlusImage();
  const ImageProperties properties = SampleProperties();
  std::string edited, again;
  const ImageEditResult result = Edit(runtime, properties, edited);
  ASSERT_EQ(result.Outcome, ImageEditOutcome::Edited);
  EXPECT_FALSE(result.CertificateDropped);
  EXPECT_EQ(result.ImageSize, edited.size());
  const NewSection section = ExpectEditedImage(runtime, edited, 0x148, kOptional + 112);
  EXPECT_EQ(section.Address, 0x13000u);
  EXPECT_EQ(section.RawPointer, 0x11400u);
  for (size_t chunk : {size_t{1}, size_t{7}, runtime.size()}) {
    EXPECT_EQ(Edit(runtime, properties, again, chunk).Outcome, ImageEditOutcome::Edited);
    EXPECT_TRUE(again == edited) << chunk;
  }
  MemoryBytes executable(edited + "settings");
  ImageProperties read;
  ASSERT_TRUE(ReadImageProperties(executable, result.ImageSize, read));
  EXPECT_TRUE(read.Version == properties.Version);
  ASSERT_TRUE(read.Icon);
  EXPECT_EQ(IconFileBytes(*read.Icon), SixImageIconFile());
}

// The first icon group, a named one, gives way to the new icon under its name and
// language; the image only it used goes, the one another group uses stays; the version
// is replaced; the rest is kept; the certificate table is dropped.
TEST(ImagePropertiesEditor, TheRuntimesResourcesAreKeptAroundTheProperties) {
  const IconImage first{"first entry.", BitmapIconImage(16, 4)},
      shared{"shared entry", BitmapIconImage(32, 8)};
  VersionInfo runtimeVersion;
  runtimeVersion.ProductName = "Runtime";
  ResourceTree tree;
  Put(tree, Named(u"Demo"), Named(u"note"), kRuntimeLanguage, "note");
  Put(tree, ResourceId(3), ResourceId(1), kRuntimeLanguage, first.Bytes);
  Put(tree, ResourceId(3), ResourceId(2), kRuntimeLanguage, shared.Bytes);
  Put(tree, ResourceId(14), ResourceId(7), kRuntimeLanguage, IconGroupData({shared}, 2));
  Put(tree, ResourceId(16), ResourceId(1), kRuntimeLanguage, VersionResourceData(runtimeVersion));
  Put(tree, ResourceId(24), ResourceId(1), kRuntimeLanguage, "<assembly/>");
  ResourceTree expected = tree;
  Put(tree, ResourceId(14), Named(u"MAIN"), kRuntimeLanguage, IconGroupData({first, shared}, 1));
  std::string runtime = Pe32Image(ResourceSectionBytes(tree, 0x2000));
  WriteLe(runtime, kPe32Directories + 32, static_cast<uint32_t>(runtime.size()), 4);
  WriteLe(runtime, kPe32Directories + 36, 0x100, 4);
  const std::string certificate(0x100, 'C');
  const ImageProperties properties = SampleProperties();
  std::string edited;
  const ImageEditResult result = Edit(runtime + certificate, properties, edited);
  ASSERT_EQ(result.Outcome, ImageEditOutcome::Edited);
  EXPECT_TRUE(result.CertificateDropped);
  EXPECT_EQ(ReadLe(edited, kPe32Directories + 32, 4) | ReadLe(edited, kPe32Directories + 36, 4), 0u);
  const NewSection section = ExpectEditedImage(runtime, edited, kPe32Sections, kPe32Directories);
  EXPECT_EQ(section.RawPointer, runtime.size());

  expected[ResourceId(3)].erase(ResourceId(1));
  for (size_t i = 0; i < properties.Icon->size(); ++i)
    Put(expected, ResourceId(3), ResourceId(3 + static_cast<uint32_t>(i)), kRuntimeLanguage,
        (*properties.Icon)[i].Bytes);
  Put(expected, ResourceId(14), Named(u"MAIN"), kRuntimeLanguage, IconGroupData(*properties.Icon, 3));
  expected.erase(ResourceId(16));
  Put(expected, ResourceId(16), ResourceId(1), 0x0411, VersionResourceData(properties.Version));
  EXPECT_EQ(Hex(edited.substr(section.RawPointer, section.VirtualSize)),
            Hex(ResourceSectionBytes(expected, section.Address)));
}

TEST(ImagePropertiesEditor, WhatCannotBeEditedIsRefusedWithTheReason) {
  std::string symbols = Pe32PlusImage(), noRoom = Pe32PlusImage();
  WriteLe(symbols, 0x44 + 8, 0x1200, 4);
  noRoom[0x148 + 40 + 39] = 1;
  ResourceTree icons;
  Put(icons, ResourceId(3), ResourceId(0xFFFC), kRuntimeLanguage, "image");
  const struct {
    const char* Name;
    std::string Image;
    ImageEditOutcome Outcome;
  } refused[] = {
      {"no program", std::string(0x400, 'M'), ImageEditOutcome::NotAProgram},
      {"cut short", Pe32PlusImage().substr(0, 0x11000), ImageEditOutcome::NotAProgram},
      {"symbols", symbols, ImageEditOutcome::HasSymbolTable},
      {"no room", noRoom, ImageEditOutcome::NoRoomForSectionHeader},
      {"damaged resources", Pe32Image(std::string(16, '\xFF')), ImageEditOutcome::DamagedResources},
      {"icon numbers used up", Pe32Image(ResourceSectionBytes(icons, 0x2000)),
       ImageEditOutcome::NoIconIdsLeft},
  };
  for (const auto& r : refused) {
    std::string edited;
    EXPECT_EQ(Edit(r.Image, SampleProperties(), edited).Outcome, r.Outcome) << r.Name;
  }
}
