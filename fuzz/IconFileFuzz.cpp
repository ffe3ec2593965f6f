// Reads arbitrary bytes as an icon file and as the data of an icon group resource,
// checking what must hold for every input: nothing is read outside the bytes given (the
// sanitizers watch), an accepted icon has images that each read as a PNG or a bitmap,
// and the icon file written from it reads back as the same icon.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/IconFile.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}

bool SameIcon(const IconGroup& left, const IconGroup& right) {
  if (left.size() != right.size()) return false;
  for (size_t i = 0; i < left.size(); ++i)
    if (left[i].Entry != right[i].Entry || left[i].Bytes != right[i].Bytes) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  IconGroup icon;
  if (ReadIconFile(bytes, icon) == IconFileFault::None) {
    Check(!icon.empty());
    for (const IconImage& image : icon) {
      IconImageSummary summary;
      Check(image.Entry.size() == kIconEntrySize && SummarizeIconImage(image.Bytes, summary));
    }
    IconGroup again;
    Check(ReadIconFile(IconFileBytes(icon), again) == IconFileFault::None && SameIcon(icon, again));
    std::vector<IconGroupEntry> entries;
    Check(ReadIconGroupData(IconGroupData(icon, 1), entries) && entries.size() == icon.size());
  } else {
    Check(icon.empty());
  }
  std::vector<IconGroupEntry> entries;
  if (ReadIconGroupData(bytes, entries)) Check(!entries.empty() && 6 + 14 * entries.size() <= size);
  return 0;
}
