// The file version's text forms; the bytes of the version data that Windows reads by
// offset (ImagePropertiesWinTest reads it all through the system); and reading it back.
#include <gtest/gtest.h>

#include "engine/LittleEndian.h"
#include "engine/VersionResource.h"

TEST(VersionResource, FileVersionTexts) {
  const struct {
    const char* Text;
    VersionTextFault Fault;
    FileVersionNumbers Version = {9, 9, 9, 9};  // unchanged by a fault
  } texts[] = {
      {"1", VersionTextFault::None, {1, 0, 0, 0}},
      {"1.2", VersionTextFault::None, {1, 2, 0, 0}},
      {"65535.0.007.65535", VersionTextFault::None, {65535, 0, 7, 65535}},
      {"1.2.3.4.5", VersionTextFault::TooManyParts},
      {"1.65536", VersionTextFault::PartTooLarge},
      {"99999999999", VersionTextFault::PartTooLarge},
      {"", VersionTextFault::Malformed},
      {"1..2", VersionTextFault::Malformed},
      {" 1", VersionTextFault::Malformed},
  };
  for (const auto& t : texts) {
    FileVersionNumbers version = {9, 9, 9, 9};
    EXPECT_EQ(ParseFileVersion(t.Text, version), t.Fault) << t.Text;
    EXPECT_EQ(version, t.Version) << t.Text;
  }
  EXPECT_EQ(FileVersionText({1, 20, 300, 65535}), "1.20.300.65535");
}

// The texts in UTF-16 also where code pages differ: the backslash, the tilde, the
// full-width tilde; what cp932 lacks reads back as "?".
TEST(VersionResource, LayoutAndReadBack) {
  VersionInfo version;
  version.FileVersion = {1, 2, 3, 4};
  version.ProductVersion = "5.6";
  version.CompanyName = "\x5C~\x81\x60";
  std::string data = VersionResourceData(version);
  // After the key "VS_VERSION_INFO": signature, structure version, file and product version.
  EXPECT_EQ(data.substr(40, 24), std::string("\xBD\x04\xEF\xFE\0\0\1\0\2\0\1\0\4\0\3\0\6\0\5\0\0\0\0\0", 24));
  // A text: length, value length in characters with NUL, type text, key, padding, value.
  const std::string key("C\0o\0m\0p\0a\0n\0y\0N\0a\0m\0e\0\0\0", 24);
  const size_t text = data.find(key) - 6;
  EXPECT_EQ(data.substr(text, 40),
            std::string("\x28\0\x04\0\x01\0", 6) + key + std::string("\0\0\x5C\0~\0\x5E\xFF\0\0", 10));
  EXPECT_EQ(data.substr(data.size() - 4), "\x11\x04\xB0\x04");  // the translation: Japanese, UTF-16
  VersionInfo read;
  ASSERT_TRUE(ReadVersionResource(data, read));
  EXPECT_TRUE(read == version);
  data[text + 32] = '\xE9';  // "é"
  ASSERT_TRUE(ReadVersionResource(data, read));
  EXPECT_EQ(read.CompanyName, "?~\x81\x60");
}
