#include "wizard/win/GroupIcon.h"

#include <string>

namespace {
// The format version that CreateIconFromResourceEx asks for.
constexpr DWORD kIconFormatVersion = 0x00030000;

// Windows reads these bytes only, whatever the type of its parameter says.
PBYTE BytesOf(const std::string& bytes) { return reinterpret_cast<PBYTE>(const_cast<char*>(bytes.data())); }
}  // namespace

IconHandle IconOfGroup(const IconGroup& group, int side) {
  // The group as a program's resources hold it, its images numbered from 1.
  const std::string directory = IconGroupData(group, 1);
  const int id = LookupIconIdFromDirectoryEx(BytesOf(directory), TRUE, side, side, LR_DEFAULTCOLOR);
  if (id < 1 || static_cast<size_t>(id) > group.size()) return IconHandle();
  const std::string& image = group[id - 1].Bytes;
  return IconHandle(CreateIconFromResourceEx(BytesOf(image), static_cast<DWORD>(image.size()), TRUE,
                                             kIconFormatVersion, side, side, LR_DEFAULTCOLOR));
}
