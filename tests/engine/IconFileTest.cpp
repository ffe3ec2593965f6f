// Icon files of every kind Windows takes are read and written back byte for byte, each
// image described from its own header; broken ones are refused with the reason.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/IconFile.h"
#include "tests/support/PropertySamples.h"

TEST(IconFile, EveryKindOfIconIsReadAndWrittenBackAsItWas) {
  const std::pair<std::string, IconImageSummary> icons[] = {
      {IconFileOf({BitmapIconImage(16, 1)}), {16, 16, 1, false}},
      {SixImageIconFile(), {256, 256, 32, true}},
      {IconFileOf(std::vector<std::string>(256, BitmapIconImage(24, 24))), {24, 24, 24, false}},
  };
  for (const auto& [file, expected] : icons) {
    IconGroup group;
    IconImageSummary last;  // of the last image
    ASSERT_EQ(ReadIconFile(file, group), IconFileFault::None);
    EXPECT_EQ(IconFileBytes(group), file);
    ASSERT_TRUE(SummarizeIconImage(group.back().Bytes, last));
    EXPECT_EQ(std::tie(last.Width, last.Height, last.BitDepth, last.IsPng),
              std::tie(expected.Width, expected.Height, expected.BitDepth, expected.IsPng));
  }
}

TEST(IconFile, ABrokenIconIsRefusedWithItsReason) {
  const std::string good = IconFileOf({BitmapIconImage(32, 4)});
  const auto spoilt = [&good](size_t offset, char byte) {
    return good.substr(0, offset) + byte + good.substr(offset + 1);
  };
  const std::tuple<const char*, std::string, IconFileFault> broken[] = {
      {"header cut short", good.substr(0, 5), IconFileFault::TooShort},
      {"directory cut short", good.substr(0, 21), IconFileFault::TooShort},
      {"image cut short", good.substr(0, good.size() - 1), IconFileFault::ImageOutsideFile},
      {"image offset outside", spoilt(18, '\x7F'), IconFileFault::ImageOutsideFile},
      {"a PNG", PngIconImage(16), IconFileFault::RenamedPng},
      {"a BMP", "BM" + good, IconFileFault::RenamedBitmap},
      {"a cursor", spoilt(2, 2), IconFileFault::NotAnIcon},
      {"no images", std::string("\0\0\1\0\0\0", 6), IconFileFault::NoImages},
      {"image of 14 bits", spoilt(22 + 14, 14), IconFileFault::ImageUnreadable},
      {"bitmap without its mask", IconFileOf({BitmapIconImage(32, 4).substr(0, 616)}),
       IconFileFault::ImageUnreadable},
      {"image of text", IconFileOf({std::string(100, 'x')}), IconFileFault::ImageUnreadable},
  };
  for (const auto& [name, file, fault] : broken) {
    IconGroup group;
    EXPECT_EQ(ReadIconFile(file, group), fault) << name;
    EXPECT_TRUE(group.empty()) << name;
  }
}
