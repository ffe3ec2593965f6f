#include "wizard/win/RegistryOptionsStore.h"

#include <algorithm>
#include <utility>

void TRegKey::Reset() {
  if (FKey) RegCloseKey(FKey);
  FKey = nullptr;
}

TRegistryOptionsStore::TRegistryOptionsStore(HKEY root, std::string path)
    : FRoot(root), FPath(std::move(path)) {}

bool TRegistryOptionsStore::Open() {
  return RegCreateKeyExA(FRoot, FPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_ALL_ACCESS, nullptr, FKey.Receive(), nullptr) == ERROR_SUCCESS;
}

TStoredValue TRegistryOptionsStore::Read(const std::string& section, const std::string& name) {
  TRegKey key;
  if (RegOpenKeyExA(FKey.Get(), section.c_str(), 0, KEY_ALL_ACCESS, key.Receive()) !=
      ERROR_SUCCESS)
    return {};
  DWORD type = 0;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (result == ERROR_FILE_NOT_FOUND) return {};
  if (result != ERROR_SUCCESS) return {TStoredKind::Unreadable, {}};
  if (size == 0) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {TStoredKind::WrongType, {}};
  std::string data(size, '\0');
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(&data[0]), &size) != ERROR_SUCCESS)
    return {TStoredKind::Unreadable, {}};
  data.resize(std::min<size_t>(size, data.size()));
  return {TStoredKind::Text, data.substr(0, data.find('\0'))};
}

TWriteResult TRegistryOptionsStore::Write(const std::string& section, const std::string& name,
                                          const std::string& text) {
  TRegKey key;
  if (RegCreateKeyExA(FKey.Get(), section.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
    return TWriteResult::SectionNotCreated;
  // The data is the text and its terminating NUL.
  if (RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
    return TWriteResult::ValueNotSet;
  return TWriteResult::Written;
}
