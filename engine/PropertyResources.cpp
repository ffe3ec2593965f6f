#include "engine/PropertyResources.h"

#include <set>
#include <vector>

namespace {
constexpr uint32_t kVersionId = 1;
constexpr uint32_t kNewIconGroupId = 1;
constexpr uint32_t kLargestIconId = 0xFFFF;

// The first resource of a type in the order of the directory, with its name and
// language; Data is nullptr when the tree has none.
struct FirstResource {
  ResourceKey Name;
  ResourceKey Language;
  const ResourceData* Data = nullptr;
};

FirstResource FirstOf(const ResourceTree& tree, uint32_t type) {
  const auto names = tree.find(ResourceId(type));
  if (names != tree.end())
    for (const auto& name : names->second)
      for (const auto& language : name.second) return {name.first, language.first, &language.second};
  return FirstResource();
}

// The ids of the icon images that an icon group's data names; none when it cannot be read.
std::set<uint32_t> ImageIdsOf(const ResourceData& group) {
  std::vector<IconGroupEntry> entries;
  std::set<uint32_t> ids;
  if (ReadIconGroupData(group.Bytes, entries))
    for (const IconGroupEntry& entry : entries) ids.insert(entry.Id);
  return ids;
}

// The largest number among the resources of type; 0 when there is none.
uint32_t LargestId(const ResourceTree& tree, uint32_t type) {
  const auto names = tree.find(ResourceId(type));
  uint32_t largest = 0;
  if (names != tree.end())
    for (const auto& name : names->second)
      if (!name.first.Named && name.first.Id > largest) largest = name.first.Id;
  return largest;
}

void PutIcon(const IconGroup& icon, const FirstResource& replaced, uint32_t firstId, ResourceTree& tree) {
  const ResourceKey name = replaced.Data ? replaced.Name : ResourceId(kNewIconGroupId);
  const ResourceKey language = replaced.Data ? replaced.Language : ResourceId(kJapaneseLanguage);
  std::set<uint32_t> unused = replaced.Data ? ImageIdsOf(*replaced.Data) : std::set<uint32_t>();
  ResourceNames& groups = tree[ResourceId(kIconGroupType)];
  for (const auto& group : groups)
    for (const auto& groupLanguage : group.second)
      if (!(group.first == name && groupLanguage.first == language))
        for (uint32_t id : ImageIdsOf(groupLanguage.second)) unused.erase(id);
  ResourceNames& images = tree[ResourceId(kIconType)];
  for (uint32_t id : unused) images.erase(ResourceId(id));
  for (size_t i = 0; i < icon.size(); ++i)
    images[ResourceId(firstId + static_cast<uint32_t>(i))][language] = ResourceData{icon[i].Bytes, 0};
  groups[name][language] = ResourceData{IconGroupData(icon, static_cast<uint16_t>(firstId)), 0};
}

std::optional<IconGroup> IconOf(const ResourceTree& tree) {
  const FirstResource group = FirstOf(tree, kIconGroupType);
  std::vector<IconGroupEntry> entries;
  const auto images = tree.find(ResourceId(kIconType));
  if (!group.Data || !ReadIconGroupData(group.Data->Bytes, entries) || images == tree.end())
    return std::nullopt;
  IconGroup icon;
  for (const IconGroupEntry& entry : entries) {
    const auto image = images->second.find(ResourceId(entry.Id));
    if (image == images->second.end() || image->second.empty()) return std::nullopt;
    const auto sameLanguage = image->second.find(group.Language);
    const ResourceData& data =
        sameLanguage != image->second.end() ? sameLanguage->second : image->second.begin()->second;
    icon.push_back({entry.Entry, data.Bytes});
  }
  return icon;
}
}  // namespace

bool PutProperties(const ImageProperties& properties, ResourceTree& tree) {
  const uint64_t firstIconId = uint64_t{LargestId(tree, kIconType)} + 1;
  if (properties.Icon && firstIconId + properties.Icon->size() - 1 > kLargestIconId) return false;
  tree.erase(ResourceId(kVersionType));
  tree[ResourceId(kVersionType)][ResourceId(kVersionId)][ResourceId(kJapaneseLanguage)] =
      ResourceData{VersionResourceData(properties.Version), 0};
  if (properties.Icon)
    PutIcon(*properties.Icon, FirstOf(tree, kIconGroupType), static_cast<uint32_t>(firstIconId), tree);
  return true;
}

bool ReadProperties(const ResourceTree& tree, ImageProperties& properties) {
  const FirstResource version = FirstOf(tree, kVersionType);
  ImageProperties read;
  if (!version.Data || !ReadVersionResource(version.Data->Bytes, read.Version)) return false;
  read.Icon = IconOf(tree);
  const FirstResource group = FirstOf(tree, kIconGroupType);
  if (group.Data) read.IconGroupData = group.Data->Bytes;
  properties = std::move(read);
  return true;
}
