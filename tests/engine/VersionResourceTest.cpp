// The version information: the file version's text forms, the data's layout (checked
// here for the parts Windows reads by offset; the Windows tests read the rest through
// the system), and the data read back into the value it was made from.
#include <gtest/gtest.h>

#include "engine/LittleEndian.h"
#include "engine/VersionResource.h"

TEST(VersionResource, FileVersionTexts) {
  const struct {
    const char* Text;
    VersionTextFault Fault;
    FileVersionNumbers Version;
  } texts[] = {
      {"1", VersionTextFault::None, {1, 0, 0, 0}},
      {"1.2", VersionTextFault::None, {1, 2, 0, 0}},
      {"1.2.3", VersionTextFault::None, {1, 2, 3, 0}},
      {"65535.0.007.65535", VersionTextFault::None, {65535, 0, 7, 65535}},
      {"1.2.3.4.5", VersionTextFault::TooManyParts, {9, 9, 9, 9}},
      {"1.65536", VersionTextFault::PartTooLarge, {9, 9, 9, 9}},
      {"99999999999", VersionTextFault::PartTooLarge, {9, 9, 9, 9}},
      {"", VersionTextFault::Malformed, {9, 9, 9, 9}},
      {"1..2", VersionTextFault::Malformed, {9, 9, 9, 9}},
      {"1.2.", VersionTextFault::Malformed, {9, 9, 9, 9}},
      {" 1", VersionTextFault::Malformed, {9, 9, 9, 9}},
      {"1.-2", VersionTextFault::Malformed, {9, 9, 9, 9}},
      {"v1", VersionTextFault::Malformed, {9, 9, 9, 9}},
  };
  for (const auto& t : texts) {
    FileVersionNumbers version = {9, 9, 9, 9};
    EXPECT_EQ(ParseFileVersion(t.Text, version), t.Fault) << t.Text;
    EXPECT_EQ(version, t.Version) << t.Text;
  }
  EXPECT_EQ(FileVersionText({1, 20, 300, 65535}), "1.20.300.65535");
}

TEST(VersionResource, LayoutAndReadBack) {
  VersionInfo version;
  version.FileVersion = {1, 2, 3, 4};
  version.ProductVersion = "5.6";
  version.CompanyName = "\x83\x65\x83\x58\x83\x67";  // "テスト" in cp932
  version.FileDescription = "Macro";
  const std::string data = VersionResourceData(version);
  ASSERT_EQ(ReadLe(data, 0, 2), data.size());
  // The fixed part after the key "VS_VERSION_INFO": signature, file and product version,
  // for Windows NT, an application.
  const uint32_t fixed[] = {0xFEEF04BD, 0x10000, 0x10002, 0x30004, 0x50006, 0, 0x3F, 0, 0x40004, 1};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(ReadLe(data, 40 + 4 * i, 4), fixed[i]) << i;
  // A text: length, length of the value in characters with its NUL, type text, the key,
  // padding to 32 bits, the value in UTF-16.
  const std::string key("C\0o\0m\0p\0a\0n\0y\0N\0a\0m\0e\0\0\0", 24);
  const size_t text = data.find(key) - 6;
  EXPECT_EQ(data.substr(text, 40),
            std::string("\x28\0\x04\0\x01\0", 6) + key + std::string("\0\0\xC6\x30\xB9\x30\xC8\x30\0\0", 10));
  // The translation ends the data: Japanese, UTF-16.
  EXPECT_EQ(data.substr(data.size() - 4), "\x11\x04\xB0\x04");
  VersionInfo read;
  ASSERT_TRUE(ReadVersionResource(data, read));
  EXPECT_TRUE(read == version);
  EXPECT_FALSE(ReadVersionResource(data.substr(0, 80), read));
}
