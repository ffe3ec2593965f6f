#include "platform/ShiftJisPath.h"

#include <cstring>

namespace {
constexpr char kSeparators[] = "\\/:";
constexpr char kExtensionDelimiters[] = ".\\/:";
// Characters no file name may hold; ":" and the separators are judged apart.
constexpr char kForbiddenInNames[] = "*?\"<>|";
constexpr const char* kDeviceNames[] = {"CON", "PRN", "AUX", "NUL"};
constexpr const char* kNumberedDeviceNames[] = {"COM", "LPT"};

// Calls visit(index, byte) for each single-byte character of text; the bytes of
// double-byte characters are stepped over, never visited.
template <class Visit>
void ForEachSingleByte(const std::string& text, Visit visit) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte))
      ++i;
    else
      visit(i, byte);
  }
}

// Index of the last single-byte character of text found in delimiters, or npos.
size_t LastDelimiter(const std::string& text, const char* delimiters) {
  size_t found = std::string::npos;
  ForEachSingleByte(text, [&](size_t i, unsigned char byte) {
    if (byte != 0 && std::strchr(delimiters, byte)) found = i;
  });
  return found;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string UpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// True when name, up to its first dot and without the blanks before it, is a device.
bool IsDeviceName(const std::string& name) {
  std::string base = UpperCase(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : kDeviceNames)
    if (base == device) return true;
  for (const char* device : kNumberedDeviceNames)
    if (base.size() == 4 && base.compare(0, 3, device) == 0 && base[3] >= '1' && base[3] <= '9') return true;
  return false;
}
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

bool NamesPlainFile(const std::string& path) {
  const bool driveLetter =
      path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
  bool plain = true;
  ForEachSingleByte(path, [&](size_t i, unsigned char byte) {
    if (byte < 0x20 || std::strchr(kForbiddenInNames, byte) || (byte == ':' && !(driveLetter && i == 1)))
      plain = false;
  });
  const size_t separator = LastDelimiter(path, "\\/");
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  return plain && !name.empty() && name.back() != '.' && name.back() != ' ' && !IsDeviceName(name);
}
