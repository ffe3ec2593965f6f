#pragma once
// Icon files (.ico) and the icon groups of a program's resources. An icon file is a
// directory of images followed by the images; a program keeps the same directory, with
// each image's file offset replaced by the id of a resource that holds its bytes. Every
// offset and size is checked against the bytes at hand before it is used.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The bytes of a directory entry that an icon file and a program's icon group share:
// width, height, colour count, reserved, planes, bit count and the image's size.
inline constexpr size_t kIconEntrySize = 12;

// One image of an icon: its directory entry as the icon file has it (kIconEntrySize
// bytes, kept as they are) and its bytes, a PNG or a device-independent bitmap.
struct IconImage {
  std::string Entry;
  std::string Bytes;
};

// The images of one icon, in the order of its directory.
using IconGroup = std::vector<IconImage>;

// What is wrong with a file that is refused as an icon.
enum class IconFileFault {
  None,
  TooShort,          // the file ends inside its header or directory
  RenamedPng,        // a PNG picture, not an icon
  RenamedBitmap,     // a BMP picture, not an icon
  NotAnIcon,         // the header is that of no icon (a cursor, say)
  NoImages,          // the directory counts no image
  ImageOutsideFile,  // an image's offset or size reaches past the end of the file
  ImageUnreadable,   // an image's bytes are neither a PNG nor a bitmap an icon can hold
};

// Reads the bytes of an icon file into group. On a fault group is left empty.
IconFileFault ReadIconFile(std::string_view file, IconGroup& group);

// The icon file of group: its directory, then the images one after another in its order.
std::string IconFileBytes(const IconGroup& group);

// The data of an icon group resource (RT_GROUP_ICON) whose images are the icon
// resources (RT_ICON) numbered firstId, firstId + 1, ... in the group's order.
std::string IconGroupData(const IconGroup& group, uint16_t firstId);

// One entry of an icon group resource: the image's directory entry and its resource id.
struct IconGroupEntry {
  std::string Entry;
  uint16_t Id = 0;
};

// Reads the data of an icon group resource; false when it is no such data or counts
// no image.
bool ReadIconGroupData(std::string_view data, std::vector<IconGroupEntry>& entries);

// What an image is, read from the image itself rather than from its directory entry.
struct IconImageSummary {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint32_t BitDepth = 0;  // bits per pixel, alpha included
  bool IsPng = false;
};

// Reads the summary of an image from its PNG header or its bitmap header (whose height
// counts the mask too); false when it is neither a PNG nor a bitmap an icon can hold.
bool SummarizeIconImage(std::string_view image, IconImageSummary& summary);
