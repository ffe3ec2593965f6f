#pragma once
// A small per-user store of named text values grouped in sections, as the remembered
// options use it. The program implements it over the registry; tests replace it.
#include <string>

enum class StoredKind {
  Missing,     // no section, no value, or no data
  Text,        // a text value; Text holds it up to its first NUL byte
  WrongType,   // a value that is not text
  Unreadable,  // a value whose data could not be fetched
};

struct StoredValue {
  StoredKind Kind = StoredKind::Missing;
  std::string Text;
};

enum class WriteResult { Written, SectionNotCreated, ValueNotSet };

class IOptionsStore {
 public:
  virtual ~IOptionsStore() = default;
  // Opens the program's options, creating them when missing. False when they can be
  // neither opened nor created; the other calls are then not made.
  virtual bool Open() = 0;
  // Looks the value up without creating the section.
  virtual StoredValue Read(const std::string& section, const std::string& name) = 0;
  // Stores text (with its terminating NUL), creating the section when missing.
  virtual WriteResult Write(const std::string& section, const std::string& name, const std::string& text) = 0;
  virtual void Close() = 0;
};
