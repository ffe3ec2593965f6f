#pragma once
// The options store over the registry: one key for the program, a subkey per section,
// every value REG_SZ with its terminating NUL.
#include <windows.h>

#include <string>

#include "conversion/OptionsStore.h"
#include "platform/SystemHandles.h"

// The window opens its key with full access, creating it, and writes its options back;
// the console program opens an existing key for reading and never writes.
enum class RegistryAccess { CreateAndWrite, ReadOnly };

class RegistryOptionsStore : public IOptionsStore {
 public:
  // The program's options live in HKEY_CURRENT_USER\Software\Fernwick\Zepplay.
  static constexpr char kProgramKey[] = "Software\\Fernwick\\Zepplay";

  // Tests pass a key of their own.
  explicit RegistryOptionsStore(HKEY root = HKEY_CURRENT_USER, std::string path = kProgramKey,
                                RegistryAccess access = RegistryAccess::CreateAndWrite);

  // ReadOnly: false when the key does not exist.
  bool Open() override;
  StoredValue Read(const std::string& section, const std::string& name) override;
  // ReadOnly: refused with SectionNotCreated, the registry untouched.
  WriteResult Write(const std::string& section, const std::string& name, const std::string& text) override;
  void Close() override { key_.Reset(); }

 private:
  REGSAM Rights() const { return access_ == RegistryAccess::ReadOnly ? KEY_READ : KEY_ALL_ACCESS; }

  HKEY root_;
  std::string path_;
  RegistryAccess access_;
  RegistryKey key_;
};
