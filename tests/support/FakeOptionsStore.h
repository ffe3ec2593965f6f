#pragma once
// The "Form" section of the options as a map of stored values, for tests that run
// without a registry; writes are recorded in order.
#include <map>
#include <string>
#include <vector>

#include "conversion/OptionsStore.h"

class FakeStore : public IOptionsStore {
 public:
  bool CanOpen = true;
  int OpenCount = 0, CloseCount = 0;
  std::map<std::string, StoredValue> Values;
  std::vector<std::string> Writes;  // "name=text"
  std::string FailingName;          // the write of this value fails with FailingResult
  WriteResult FailingResult = WriteResult::Written;

  void StoreText(const std::string& name, const std::string& text) {
    Values[name] = {StoredKind::Text, text};
  }

  bool Open() override;
  StoredValue Read(const std::string& section, const std::string& name) override;
  WriteResult Write(const std::string& section, const std::string& name, const std::string& text) override;
  void Close() override { ++CloseCount; }
};
