#include "tests/support/FakeOptionsStore.h"

bool FakeStore::Open() {
  ++OpenCount;
  return CanOpen;
}

StoredValue FakeStore::Read(const std::string& section, const std::string& name) {
  if (section != "Form") return {};
  auto found = Values.find(name);
  return found == Values.end() ? StoredValue{} : found->second;
}

WriteResult FakeStore::Write(const std::string& section, const std::string& name, const std::string& text) {
  if (name == FailingName) return FailingResult;
  Writes.push_back(section + "\\" + name + "=" + text);
  StoreText(name, text);
  return WriteResult::Written;
}
