#include "engine/ResourceTree.h"

#include <vector>

#include "engine/LittleEndian.h"

namespace {
// A directory: characteristics, time stamp, version, the counts of named and numbered
// entries, then the entries: a key (a number, or the offset of a name with the high bit
// set) and a target (the offset of a directory with the high bit set, or of a leaf).
// A leaf: the RVA of its data, its size and code page. Offsets count from the root.
constexpr size_t kDirectoryHeaderSize = 16;
constexpr size_t kEntrySize = 8;
constexpr size_t kLeafSize = 16;
constexpr uint32_t kHighBit = 0x80000000;
constexpr uint32_t kOffsetBits = 0x7FFFFFFF;
constexpr size_t kNamedCountField = 12, kIdCountField = 14;
// More entries than the resources of any program hold.
constexpr size_t kEntryLimit = 65536;
// The leaves' data and the names of the written section start at multiples of this.
constexpr size_t kDataAlignment = 8;

std::u16string UpperCase(std::u16string text) {
  for (char16_t& unit : text)
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  return text;
}

// Reads the directory breadth by breadth, counting the entries read and the bytes
// copied out of the section, so that directories and data that entries share cannot
// make the reading take more than the section can account for.
class TreeReader {
 public:
  TreeReader(std::string_view section, uint32_t rva)
      : section_(section), rva_(rva), bytesLeft_(section.size()) {}

  bool Read(ResourceTree& tree) {
    std::vector<Entry> types, names, languages;
    if (!ReadDirectory(0, true, types)) return false;
    for (const Entry& type : types) {
      ResourceNames* namesOfType = Insert(tree, type.Key);
      if (!namesOfType || !ReadDirectory(type.Target, true, names)) return false;
      for (const Entry& name : names) {
        ResourceLanguages* languagesOfName = Insert(*namesOfType, name.Key);
        if (!languagesOfName || !ReadDirectory(name.Target, false, languages)) return false;
        for (const Entry& language : languages) {
          ResourceData* data = Insert(*languagesOfName, language.Key);
          if (!data || !ReadLeaf(language.Target, *data)) return false;
        }
      }
    }
    return true;
  }

 private:
  struct Entry {
    ResourceKey Key;
    uint32_t Target = 0;  // the offset of the directory or leaf
  };

  // The value for key, newly made; nullptr when map has key already.
  template <typename Map>
  static typename Map::mapped_type* Insert(Map& map, const ResourceKey& key) {
    const auto inserted = map.emplace(key, typename Map::mapped_type());
    return inserted.second ? &inserted.first->second : nullptr;
  }

  // The entries of the directory at offset, which lead to directories or to leaves.
  bool ReadDirectory(uint64_t offset, bool toDirectories, std::vector<Entry>& entries) {
    entries.clear();
    if (!Holds(section_, offset, kDirectoryHeaderSize)) return false;
    const size_t count =
        ReadLe(section_, offset + kNamedCountField, 2) + ReadLe(section_, offset + kIdCountField, 2);
    if (count > entriesLeft_ || !Holds(section_, offset + kDirectoryHeaderSize, count * kEntrySize))
      return false;
    entriesLeft_ -= count;
    entries.resize(count);
    for (size_t i = 0; i < count; ++i) {
      const uint64_t entry = offset + kDirectoryHeaderSize + i * kEntrySize;
      const uint32_t target = ReadLe(section_, entry + 4, 4);
      if (((target & kHighBit) != 0) != toDirectories || !ReadKey(ReadLe(section_, entry, 4), entries[i].Key))
        return false;
      entries[i].Target = target & kOffsetBits;
    }
    return true;
  }

  bool ReadKey(uint32_t field, ResourceKey& key) {
    if ((field & kHighBit) == 0) {
      key = ResourceId(field);
      return true;
    }
    const uint64_t offset = field & kOffsetBits;
    if (!Holds(section_, offset, 2)) return false;
    const size_t length = ReadLe(section_, offset, 2);
    if (!Holds(section_, offset + 2, length * 2) || !Take(length * 2)) return false;
    key = ResourceKey{true, std::u16string(length, u'\0'), 0};
    for (size_t i = 0; i < length; ++i)
      key.Name[i] = static_cast<char16_t>(ReadLe(section_, offset + 2 + 2 * i, 2));
    return true;
  }

  bool ReadLeaf(uint64_t offset, ResourceData& data) {
    if (!Holds(section_, offset, kLeafSize)) return false;
    const uint32_t dataRva = ReadLe(section_, offset, 4), size = ReadLe(section_, offset + 4, 4);
    if (dataRva < rva_ || !Holds(section_, dataRva - rva_, size) || !Take(size)) return false;
    data = ResourceData{std::string(section_.substr(dataRva - rva_, size)), ReadLe(section_, offset + 8, 4)};
    return true;
  }

  // Accounts for count bytes copied out of the section; false when that is more than
  // the section holds.
  bool Take(uint64_t count) {
    if (count > bytesLeft_) return false;
    bytesLeft_ -= count;
    return true;
  }

  std::string_view section_;
  uint32_t rva_;
  uint64_t bytesLeft_;
  size_t entriesLeft_ = kEntryLimit;
};

// Writes the section in one pass over the tree, each part at an offset worked out in
// advance: the directories of each level one after another, the leaves, the names, the
// data.
class SectionWriter {
 public:
  SectionWriter(const ResourceTree& tree, uint32_t rva) : tree_(tree), rva_(rva) {
    size_t nameDirectories = 0, languageDirectories = 0, leaves = 0, names = 0, data = 0;
    for (const auto& type : tree) {
      nameDirectories += DirectorySize(type.second.size());
      names += NameSize(type.first);
      for (const auto& name : type.second) {
        languageDirectories += DirectorySize(name.second.size());
        names += NameSize(name.first);
        for (const auto& language : name.second) {
          ++leaves;
          names += NameSize(language.first);
          data += AlignUp(language.second.Bytes.size(), kDataAlignment);
        }
      }
    }
    nextNameDirectory_ = DirectorySize(tree.size());
    nextLanguageDirectory_ = nextNameDirectory_ + nameDirectories;
    nextLeaf_ = nextLanguageDirectory_ + languageDirectories;
    nextName_ = nextLeaf_ + leaves * kLeafSize;
    nextData_ = AlignUp(nextName_ + names, kDataAlignment);
    bytes_.assign(nextData_ + data, '\0');
  }

  std::string Write() && {
    WriteDirectory(0, tree_, [this](const ResourceNames& names) {
      const size_t at = Claim(nextNameDirectory_, DirectorySize(names.size()));
      WriteDirectory(at, names, [this](const ResourceLanguages& languages) {
        const size_t languagesAt = Claim(nextLanguageDirectory_, DirectorySize(languages.size()));
        WriteDirectory(languagesAt, languages, [this](const ResourceData& data) { return WriteLeaf(data); });
        return kHighBit | static_cast<uint32_t>(languagesAt);
      });
      return kHighBit | static_cast<uint32_t>(at);
    });
    return std::move(bytes_);
  }

 private:
  static size_t DirectorySize(size_t entries) { return kDirectoryHeaderSize + entries * kEntrySize; }
  static size_t NameSize(const ResourceKey& key) { return key.Named ? 2 + 2 * key.Name.size() : 0; }

  // The offset in cursor, which then moves on by size.
  static size_t Claim(size_t& cursor, size_t size) {
    const size_t at = cursor;
    cursor += size;
    return at;
  }

  // Writes the directory of map at offset; target writes what an entry leads to and
  // gives the entry's target field.
  template <typename Map, typename Target>
  void WriteDirectory(size_t offset, const Map& map, Target target) {
    size_t named = 0;
    for (const auto& entry : map) named += entry.first.Named ? 1 : 0;
    WriteLe(bytes_, offset + kNamedCountField, static_cast<uint32_t>(named), 2);
    WriteLe(bytes_, offset + kIdCountField, static_cast<uint32_t>(map.size() - named), 2);
    size_t entry = offset + kDirectoryHeaderSize;
    for (const auto& item : map) {
      WriteLe(bytes_, entry, KeyField(item.first), 4);
      WriteLe(bytes_, entry + 4, target(item.second), 4);
      entry += kEntrySize;
    }
  }

  uint32_t KeyField(const ResourceKey& key) {
    if (!key.Named) return key.Id;
    const size_t at = Claim(nextName_, NameSize(key));
    WriteLe(bytes_, at, static_cast<uint32_t>(key.Name.size()), 2);
    for (size_t i = 0; i < key.Name.size(); ++i) WriteLe(bytes_, at + 2 + 2 * i, key.Name[i], 2);
    return kHighBit | static_cast<uint32_t>(at);
  }

  uint32_t WriteLeaf(const ResourceData& data) {
    const size_t leaf = Claim(nextLeaf_, kLeafSize);
    const size_t at = Claim(nextData_, AlignUp(data.Bytes.size(), kDataAlignment));
    bytes_.replace(at, data.Bytes.size(), data.Bytes);
    WriteLe(bytes_, leaf, static_cast<uint32_t>(rva_ + at), 4);
    WriteLe(bytes_, leaf + 4, static_cast<uint32_t>(data.Bytes.size()), 4);
    WriteLe(bytes_, leaf + 8, data.CodePage, 4);
    return static_cast<uint32_t>(leaf);
  }

  const ResourceTree& tree_;
  uint32_t rva_;
  size_t nextNameDirectory_, nextLanguageDirectory_, nextLeaf_, nextName_, nextData_;
  std::string bytes_;
};
}  // namespace

bool operator<(const ResourceKey& left, const ResourceKey& right) {
  if (left.Named != right.Named) return left.Named;
  if (!left.Named) return left.Id < right.Id;
  const std::u16string leftUpper = UpperCase(left.Name), rightUpper = UpperCase(right.Name);
  return leftUpper != rightUpper ? leftUpper < rightUpper : left.Name < right.Name;
}

bool ReadResourceTree(std::string_view section, uint32_t rva, ResourceTree& tree) {
  ResourceTree read;
  if (!TreeReader(section, rva).Read(read)) return false;
  tree = std::move(read);
  return true;
}

std::string ResourceSectionBytes(const ResourceTree& tree, uint32_t rva) {
  return SectionWriter(tree, rva).Write();
}
