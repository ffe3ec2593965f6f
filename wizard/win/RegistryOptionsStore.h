#pragma once
// The options store over the registry: one key for the program, opened (and created)
// with full access, a subkey per section, every value REG_SZ with its terminating NUL.
#include <windows.h>

#include <string>

#include "wizard/OptionsStore.h"
#include "wizard/win/WinHandles.h"

class RegistryOptionsStore : public IOptionsStore {
 public:
  // The program's options live in HKEY_CURRENT_USER\Software\Fernwick\Zepplay; tests
  // pass a key of their own.
  explicit RegistryOptionsStore(HKEY root = HKEY_CURRENT_USER,
                                 std::string path = "Software\\Fernwick\\Zepplay");

  bool Open() override;
  StoredValue Read(const std::string& section, const std::string& name) override;
  WriteResult Write(const std::string& section, const std::string& name,
                     const std::string& text) override;
  void Close() override { key_.Reset(); }

 private:
  HKEY root_;
  std::string path_;
  RegistryKey key_;
};
