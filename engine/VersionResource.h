#pragma once
// The version information of a program (the data of its RT_VERSION resource, which
// Explorer shows in a file's details): built from a plain value, as the resource
// compiler lays it out, and read back into one.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A file version: four 16-bit numbers, most significant first.
using FileVersionNumbers = std::array<uint16_t, 4>;

enum class VersionTextFault {
  None,
  Malformed,     // not one to four numbers of digits joined by dots
  TooManyParts,  // more than four numbers
  PartTooLarge,  // a number over 65535
};

// Reads "1", "1.2", "1.2.3" or "1.2.3.4" (the numbers left out are 0) into version,
// which is left as it was on a fault.
VersionTextFault ParseFileVersion(const std::string& text, FileVersionNumbers& version);
// The text form of a version, "1.2.3.4".
std::string FileVersionText(const FileVersionNumbers& version);

// The version information: the file version, and the texts (cp932) that Explorer shows.
// The text FileVersion is always the text form of the numbers.
struct VersionInfo {
  FileVersionNumbers FileVersion{};
  std::string ProductVersion;
  std::string FileDescription;
  std::string ProductName;
  std::string CompanyName;
  std::string LegalCopyright;
  std::string OriginalFilename;
  std::string InternalName;
  bool operator==(const VersionInfo& other) const;
};

// The data of the RT_VERSION resource for version: the fixed part (file version,
// product version as numbers, taken from the ProductVersion text when it reads as a
// version and else the file version, a program for 32-bit and 64-bit Windows NT), one
// Japanese table of the texts in UTF-16, and the translation entry for Japanese, UTF-16.
std::string VersionResourceData(const VersionInfo& version);

// Reads the data of an RT_VERSION resource: the file version from its fixed part, the
// texts from its first string table, whatever its language; texts that it lacks are
// empty. False when it is no version data or has no fixed part.
bool ReadVersionResource(std::string_view data, VersionInfo& version);
