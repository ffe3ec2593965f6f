#include "engine/ShiftJisPath.h"

#include <cstring>

namespace {
// Index of the last single-byte character of text found in delimiters, or npos.
// Trail bytes of double-byte characters are stepped over, never matched.
size_t LastDelimiter(const std::string& text, const char* delimiters) {
  size_t found = std::string::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte)) {
      ++i;
      continue;
    }
    if (byte != 0 && std::strchr(delimiters, byte)) found = i;
  }
  return found;
}

constexpr char kSeparators[] = "\\:";
constexpr char kExtensionDelimiters[] = ".\\:";
}  // namespace

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string FolderPart(const std::string& path) {
  size_t last = LastDelimiter(path, kSeparators);
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string NamePart(const std::string& path) {
  size_t last = LastDelimiter(path, kSeparators);
  return last == std::string::npos ? path : path.substr(last + 1);
}

std::string ChangeExtension(const std::string& name, const std::string& extension) {
  size_t last = LastDelimiter(name, kExtensionDelimiters);
  if (last != std::string::npos && name[last] == '.') return name.substr(0, last) + extension;
  return name + extension;
}
