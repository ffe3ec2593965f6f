#include "engine/VersionResource.h"

#include <algorithm>
#include <vector>

#include "engine/LittleEndian.h"
#include "platform/Utf16Text.h"

namespace {
// Every node of the data: its length, the length of its value (in characters for a
// text), its type, its key in UTF-16 ending in NUL, the value and its children, each of
// these starting at a multiple of 32 bits.
constexpr size_t kNodeHeaderSize = 6;
constexpr uint32_t kBinaryValue = 0, kTextValue = 1;
constexpr size_t kAlignment = 4;

constexpr uint32_t kFixedSignature = 0xFEEF04BD;
constexpr size_t kFixedSize = 52;
constexpr uint32_t kFixedStructureVersion = 0x00010000;
constexpr uint32_t kAllFileFlags = 0x3F;     // VS_FFI_FILEFLAGSMASK
constexpr uint32_t kWindowsNt = 0x00040004;  // VOS_NT_WINDOWS32
constexpr uint32_t kApplication = 1;         // VFT_APP
constexpr size_t kFixedFileVersion = 8;      // offset of the file version in the fixed part

constexpr char16_t kJapaneseUtf16Table[] = u"041104B0";
constexpr uint32_t kJapanese = 0x0411, kUtf16CodePage = 1200;

// The texts in the order the resource compiler writes them; FileVersion (no member) is
// the text form of the numbers.
const struct {
  const char16_t* Key;
  std::string VersionInfo::*Text;
} kTexts[] = {
    {u"CompanyName", &VersionInfo::CompanyName},
    {u"FileDescription", &VersionInfo::FileDescription},
    {u"FileVersion", nullptr},
    {u"InternalName", &VersionInfo::InternalName},
    {u"LegalCopyright", &VersionInfo::LegalCopyright},
    {u"OriginalFilename", &VersionInfo::OriginalFilename},
    {u"ProductName", &VersionInfo::ProductName},
    {u"ProductVersion", &VersionInfo::ProductVersion},
};

// text in UTF-16LE with its terminating NUL.
std::string Utf16z(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) AppendLe(bytes, unit, 2);
  AppendLe(bytes, 0, 2);
  return bytes;
}

void PadTo32Bits(std::string& bytes) { bytes.resize(AlignUp(bytes.size(), kAlignment), '\0'); }

std::string Node(const std::u16string& key, uint32_t type, const std::string& value, uint32_t valueLength,
                 const std::vector<std::string>& children = {}) {
  std::string node(kNodeHeaderSize, '\0');
  node += Utf16z(key);
  PadTo32Bits(node);
  node += value;
  for (const std::string& child : children) {
    PadTo32Bits(node);
    node += child;
  }
  WriteLe(node, 0, static_cast<uint32_t>(node.size()), 2);
  WriteLe(node, 2, valueLength, 2);
  WriteLe(node, 4, type, 2);
  return node;
}

std::string TextNode(const std::u16string& key, const std::string& text) {
  const std::u16string value = Utf16FromCp932(text);
  return Node(key, kTextValue, Utf16z(value), static_cast<uint32_t>(value.size() + 1));
}

std::string FixedPart(const VersionInfo& version) {
  FileVersionNumbers product = version.FileVersion;
  if (ParseFileVersion(version.ProductVersion, product) != VersionTextFault::None)
    product = version.FileVersion;
  const auto high = [](const FileVersionNumbers& v) { return uint32_t{v[0]} << 16 | v[1]; };
  const auto low = [](const FileVersionNumbers& v) { return uint32_t{v[2]} << 16 | v[3]; };
  std::string fixed;
  for (uint32_t field :
       {kFixedSignature, kFixedStructureVersion, high(version.FileVersion), low(version.FileVersion),
        high(product), low(product), kAllFileFlags, 0u, kWindowsNt, kApplication, 0u, 0u, 0u})
    AppendLe(fixed, field, 4);
  return fixed;
}

// A node read from the data; offsets are from the start of the data.
struct NodeView {
  std::u16string Key;
  size_t Value = 0;
  size_t ValueSize = 0;
  size_t Children = 0;
  size_t End = 0;
};

// Reads the node at offset, which must end by limit.
bool ReadNode(std::string_view data, size_t offset, size_t limit, NodeView& node) {
  if (offset > limit || limit - offset < kNodeHeaderSize) return false;
  const size_t length = ReadLe(data, offset, 2);
  if (length < kNodeHeaderSize || length > limit - offset) return false;
  node = NodeView();
  node.End = offset + length;
  size_t at = offset + kNodeHeaderSize;
  for (; at + 2 <= node.End && ReadLe(data, at, 2) != 0; at += 2)
    node.Key += static_cast<char16_t>(ReadLe(data, at, 2));
  if (at + 2 > node.End) return false;  // a key without its NUL
  const size_t valueUnit = ReadLe(data, offset + 4, 2) == kTextValue ? 2 : 1;
  node.Value = std::min<size_t>(AlignUp(at + 2, kAlignment), node.End);
  node.ValueSize = std::min<size_t>(ReadLe(data, offset + 2, 2) * valueUnit, node.End - node.Value);
  node.Children = std::min<size_t>(AlignUp(node.Value + node.ValueSize, kAlignment), node.End);
  return true;
}

// Hands the children of parent to visit in order, until it returns false or a child
// cannot be read.
template <typename Visit>
void ForEachChild(std::string_view data, const NodeView& parent, Visit visit) {
  NodeView child;
  for (size_t at = parent.Children; at < parent.End && ReadNode(data, at, parent.End, child);
       at = AlignUp(child.End, kAlignment))
    if (!visit(child)) return;
}

std::string TextValue(std::string_view data, const NodeView& node) {
  std::u16string text;
  for (size_t at = node.Value; at + 2 <= node.Value + node.ValueSize && ReadLe(data, at, 2) != 0; at += 2)
    text += static_cast<char16_t>(ReadLe(data, at, 2));
  return Cp932FromUtf16(text);
}

// Reads the texts of the first string table of the StringFileInfo node.
void ReadTexts(std::string_view data, const NodeView& stringFileInfo, VersionInfo& version) {
  ForEachChild(data, stringFileInfo, [&](const NodeView& table) {
    ForEachChild(data, table, [&](const NodeView& text) {
      for (const auto& known : kTexts)
        if (known.Text && text.Key == known.Key) version.*known.Text = TextValue(data, text);
      return true;
    });
    return false;
  });
}
}  // namespace

VersionTextFault ParseFileVersion(const std::string& text, FileVersionNumbers& version) {
  FileVersionNumbers parsed{};
  size_t part = 0;
  for (size_t start = 0;; ++part) {
    if (part == parsed.size()) return VersionTextFault::TooManyParts;
    const size_t end = std::min(text.find('.', start), text.size());
    if (end == start) return VersionTextFault::Malformed;
    uint32_t number = 0;
    for (size_t i = start; i < end; ++i) {
      if (text[i] < '0' || text[i] > '9') return VersionTextFault::Malformed;
      number = std::min<uint32_t>(number * 10 + (text[i] - '0'), 0x10000);
    }
    if (number > 0xFFFF) return VersionTextFault::PartTooLarge;
    parsed[part] = static_cast<uint16_t>(number);
    if (end == text.size()) break;
    start = end + 1;
  }
  version = parsed;
  return VersionTextFault::None;
}

std::string FileVersionText(const FileVersionNumbers& version) {
  return std::to_string(version[0]) + "." + std::to_string(version[1]) + "." + std::to_string(version[2]) +
         "." + std::to_string(version[3]);
}

bool VersionInfo::operator==(const VersionInfo& other) const {
  if (FileVersion != other.FileVersion) return false;
  for (const auto& known : kTexts)
    if (known.Text && this->*known.Text != other.*known.Text) return false;
  return true;
}

std::string VersionResourceData(const VersionInfo& version) {
  std::vector<std::string> texts;
  for (const auto& known : kTexts)
    texts.push_back(
        TextNode(known.Key, known.Text ? version.*known.Text : FileVersionText(version.FileVersion)));
  std::string translation;
  AppendLe(translation, kJapanese, 2);
  AppendLe(translation, kUtf16CodePage, 2);
  const std::string table = Node(kJapaneseUtf16Table, kTextValue, "", 0, texts);
  const std::string variable = Node(u"Translation", kBinaryValue, translation, 4);
  return Node(u"VS_VERSION_INFO", kBinaryValue, FixedPart(version), kFixedSize,
              {Node(u"StringFileInfo", kTextValue, "", 0, {table}),
               Node(u"VarFileInfo", kTextValue, "", 0, {variable})});
}

bool ReadVersionResource(std::string_view data, VersionInfo& version) {
  NodeView root;
  if (!ReadNode(data, 0, data.size(), root) || root.Key != u"VS_VERSION_INFO" ||
      root.ValueSize < kFixedSize || ReadLe(data, root.Value, 4) != kFixedSignature)
    return false;
  VersionInfo read;
  const uint32_t high = ReadLe(data, root.Value + kFixedFileVersion, 4);
  const uint32_t low = ReadLe(data, root.Value + kFixedFileVersion + 4, 4);
  read.FileVersion = {static_cast<uint16_t>(high >> 16), static_cast<uint16_t>(high),
                      static_cast<uint16_t>(low >> 16), static_cast<uint16_t>(low)};
  ForEachChild(data, root, [&](const NodeView& child) {
    if (child.Key != u"StringFileInfo") return true;
    ReadTexts(data, child, read);
    return false;
  });
  version = read;
  return true;
}
