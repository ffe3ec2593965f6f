// Icon files of every kind Windows takes are read and written back byte for byte, with
// what each image is read from the image itself; broken ones are refused with the reason.
#include <gtest/gtest.h>

#include "engine/IconFile.h"
#include "tests/support/IconSamples.h"

TEST(IconFile, EveryKindOfIconIsReadAndWrittenBackAsItWas) {
  const struct {
    std::string File;
    IconImageSummary Last;
  } icons[] = {
      {IconFileOf({BitmapIconImage(16, 1)}), {16, 16, 1, false}},
      {SixImageIconFile(), {256, 256, 32, true}},
      {IconFileOf(std::vector<std::string>(256, BitmapIconImage(24, 24))), {24, 24, 24, false}},
  };
  for (const auto& icon : icons) {
    IconGroup group;
    ASSERT_EQ(ReadIconFile(icon.File, group), IconFileFault::None);
    EXPECT_EQ(IconFileBytes(group), icon.File);
    IconImageSummary summary;
    ASSERT_TRUE(SummarizeIconImage(group.back().Bytes, summary));
    EXPECT_EQ(summary.Width, icon.Last.Width);
    EXPECT_EQ(summary.Height, icon.Last.Height);
    EXPECT_EQ(summary.BitDepth, icon.Last.BitDepth);
    EXPECT_EQ(summary.IsPng, icon.Last.IsPng);
  }
}

TEST(IconFile, ABrokenIconIsRefusedWithItsReason) {
  const std::string good = IconFileOf({BitmapIconImage(32, 4)});
  std::string imageOutside = good, cursor = good, fourteenBits = good,
              noMask = IconFileOf({BitmapIconImage(32, 4)});
  imageOutside[18] = '\x7F';  // the image's offset
  cursor[2] = 2;
  fourteenBits[22 + 14] = 14;
  noMask.resize(noMask.size() - 32 * 4);
  noMask[14] = static_cast<char>(noMask[14] - 32 * 4);  // the image's size, low byte
  const struct {
    const char* Name;
    std::string File;
    IconFileFault Fault;
  } broken[] = {
      {"empty", "", IconFileFault::TooShort},
      {"header cut short", good.substr(0, 5), IconFileFault::TooShort},
      {"directory cut short", good.substr(0, 21), IconFileFault::TooShort},
      {"image cut short", good.substr(0, good.size() - 1), IconFileFault::ImageOutsideFile},
      {"image offset outside", imageOutside, IconFileFault::ImageOutsideFile},
      {"a PNG", PngIconImage(16), IconFileFault::RenamedPng},
      {"a BMP", "BM" + good, IconFileFault::RenamedBitmap},
      {"a cursor", cursor, IconFileFault::NotAnIcon},
      {"no images", std::string("\0\0\1\0\0\0", 6), IconFileFault::NoImages},
      {"image of 14 bits", fourteenBits, IconFileFault::ImageUnreadable},
      {"bitmap without its mask", noMask, IconFileFault::ImageUnreadable},
      {"image of text", IconFileOf({std::string(100, 'x')}), IconFileFault::ImageUnreadable},
  };
  for (const auto& b : broken) {
    IconGroup group;
    EXPECT_EQ(ReadIconFile(b.File, group), b.Fault) << b.Name;
    EXPECT_TRUE(group.empty()) << b.Name;
  }
}
