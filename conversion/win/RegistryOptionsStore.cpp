#include "conversion/win/RegistryOptionsStore.h"

#include <algorithm>
#include <utility>

RegistryOptionsStore::RegistryOptionsStore(HKEY root, std::string path, RegistryAccess access)
    : root_(root), path_(std::move(path)), access_(access) {}

bool RegistryOptionsStore::Open() {
  if (access_ == RegistryAccess::ReadOnly)
    return RegOpenKeyExA(root_, path_.c_str(), 0, KEY_READ, key_.Receive()) == ERROR_SUCCESS;
  return RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         key_.Receive(), nullptr) == ERROR_SUCCESS;
}

StoredValue RegistryOptionsStore::Read(const std::string& section, const std::string& name) {
  RegistryKey key;
  if (RegOpenKeyExA(key_.Get(), section.c_str(), 0, Rights(), key.Receive()) != ERROR_SUCCESS) return {};
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) return {};
  if (result != ERROR_SUCCESS) return {StoredKind::Unreadable, {}};
  if (size == 0) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {StoredKind::WrongType, {}};
  std::string data(size, '\0');
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size) !=
      ERROR_SUCCESS)
    return {StoredKind::Unreadable, {}};
  data.resize(std::min<size_t>(size, data.size()));
  return {StoredKind::Text, data.substr(0, data.find('\0'))};
}

WriteResult RegistryOptionsStore::Write(const std::string& section, const std::string& name,
                                        const std::string& text) {
  if (access_ == RegistryAccess::ReadOnly) return WriteResult::SectionNotCreated;
  RegistryKey key;
  if (RegCreateKeyExA(key_.Get(), section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
    return WriteResult::SectionNotCreated;
  // The data is the text and its terminating NUL.
  if (RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
    return WriteResult::ValueNotSet;
  return WriteResult::Written;
}
