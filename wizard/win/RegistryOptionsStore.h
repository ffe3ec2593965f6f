#pragma once
// The options store over the registry: one key for the program, opened (and created)
// with full access, a subkey per section, every value REG_SZ with its terminating NUL.
#include <windows.h>

#include <string>

#include "wizard/OptionsStore.h"

// Owns an open registry key and closes it.
class TRegKey {
 public:
  TRegKey() = default;
  ~TRegKey() { Reset(); }
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;

  HKEY Get() const { return FKey; }
  // Closes the key held so far and hands out the place for a new one.
  HKEY* Receive() {
    Reset();
    return &FKey;
  }
  void Reset();

 private:
  HKEY FKey = nullptr;
};

class TRegistryOptionsStore : public IOptionsStore {
 public:
  // The program's options live in HKEY_CURRENT_USER\Software\Fernwick\Zepplay; tests
  // pass a key of their own.
  explicit TRegistryOptionsStore(HKEY root = HKEY_CURRENT_USER,
                                 std::string path = "Software\\Fernwick\\Zepplay");

  bool Open() override;
  TStoredValue Read(const std::string& section, const std::string& name) override;
  TWriteResult Write(const std::string& section, const std::string& name,
                     const std::string& text) override;
  void Close() override { FKey.Reset(); }

 private:
  HKEY FRoot;
  std::string FPath;
  TRegKey FKey;
};
