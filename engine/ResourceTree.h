#pragma once
// The resources of a program as its resource section holds them: a tree of three
// levels, type, name and language, whose leaves are the resources' data. Read from a
// section's bytes, bounded, and written into the bytes of a new section.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

// The key of an entry at any level: a name, or a number.
struct ResourceKey {
  bool Named = false;
  std::u16string Name;  // when Named
  uint32_t Id = 0;      // when not
};

// The order of the entries in a directory, the one the system searches by halving:
// named entries first, by their names in upper case compared unit by unit (then, for
// names that differ only in case, as they are), then numbered ones by number.
bool operator<(const ResourceKey& left, const ResourceKey& right);

inline bool operator==(const ResourceKey& left, const ResourceKey& right) {
  return left.Named == right.Named && left.Name == right.Name && left.Id == right.Id;
}

inline ResourceKey ResourceId(uint32_t id) { return ResourceKey{false, {}, id}; }

struct ResourceData {
  std::string Bytes;
  uint32_t CodePage = 0;
};

using ResourceLanguages = std::map<ResourceKey, ResourceData>;
using ResourceNames = std::map<ResourceKey, ResourceLanguages>;
using ResourceTree = std::map<ResourceKey, ResourceNames>;

// Reads the resource directory whose root starts section, the bytes of a program's
// section from that root on, which lie at rva in the program's memory. Each entry and
// every leaf's data must lie inside section, the three levels must be directories,
// directories and leaves, and a directory holds no key twice. False for a directory
// that breaks any of this, has more entries than a program's resources may, or whose
// leaves share their data more than the section's size can account for.
bool ReadResourceTree(std::string_view section, uint32_t rva, ResourceTree& tree);

// The bytes of a resource section that holds tree and lies at rva: the directories of
// the three levels one after another, the leaves' entries, the names, and the data of
// each leaf at a multiple of 8 bytes. The same tree gives the same bytes.
std::string ResourceSectionBytes(const ResourceTree& tree, uint32_t rva);
