#pragma once
// The properties that a generated executable may carry of its own, its icon and its
// version information, and where they lie among a program's resources.
#include <optional>
#include <string>

#include "engine/IconFile.h"
#include "engine/ResourceTree.h"
#include "engine/VersionResource.h"

struct ImageProperties {
  std::optional<IconGroup> Icon;  // none: the program keeps its own icon
  VersionInfo Version;
  // Read back only: the data of the first icon group as the resources hold it, image
  // numbers and all, which tells an icon put in (its images numbered anew) from the
  // icon the image had.
  std::string IconGroupData;
};

// The name of the section that holds the resources of an image given properties of its
// own: an image whose resources lie elsewhere carries the runtime's.
inline constexpr char kPropertiesSectionName[8] = {'.', 'z', 'e', 'p', 'r', 's', 'r', 'c'};

// The resource types and the language that the properties use.
inline constexpr uint32_t kIconType = 3;        // RT_ICON
inline constexpr uint32_t kIconGroupType = 14;  // RT_GROUP_ICON
inline constexpr uint32_t kVersionType = 16;    // RT_VERSION
inline constexpr uint32_t kJapaneseLanguage = 0x0411;

// Puts properties into tree: every version resource gives way to one of the version
// information (id 1, Japanese); an icon takes the place, name and language of the first
// icon group (a new group 1 in Japanese when there is none), its images become icon
// resources numbered above every existing one, and the images that only the replaced
// group used go. False, with tree unchanged, when the numbers of the new images would
// pass 65535.
bool PutProperties(const ImageProperties& properties, ResourceTree& tree);

// Reads the version information and the first icon group, with its images, from tree.
// False when tree has no version information that can be read; the icon is absent when
// there is no group or an image it names is missing.
bool ReadProperties(const ResourceTree& tree, ImageProperties& properties);
