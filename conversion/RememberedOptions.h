#pragma once
// What the program remembers per user between runs, in the "Form" section of the
// options store: the window's position (the window's own business) and the options of
// the executables it makes, which the console program reads too.
#include "common/Exception.h"
#include "conversion/OptionsStore.h"
#include "engine/ExecutableOptions.h"

// A value of the wrong type, one that cannot be fetched, or one that cannot be written.
class ERegistryError : public Exception {
 public:
  using Exception::Exception;
};

// The "Form" section for one read or write: the store is opened when it is made and
// closed again when it goes. Options that cannot be opened read as the defaults and take
// no writes.
class RememberedSection {
 public:
  explicit RememberedSection(IOptionsStore& store);
  ~RememberedSection();
  RememberedSection(const RememberedSection&) = delete;
  RememberedSection& operator=(const RememberedSection&) = delete;

  // The value read as an integer; defaultValue when it is missing or no integer. Raises
  // ERegistryError for a value that is not text or cannot be fetched.
  int ReadInteger(const char* name, int defaultValue);
  bool ReadBoolean(const char* name, bool defaultValue) {
    return ReadInteger(name, defaultValue ? 1 : 0) != 0;
  }
  // Stores text. Raises ERegistryError when the section or the value cannot be written.
  void WriteText(const char* name, const std::string& text);
  void WriteBoolean(const char* name, bool value) { WriteText(name, value ? "1" : "0"); }

 private:
  IOptionsStore& store_;
  bool opened_;
};

// Reads "rad1", "rad2", "Douji", "EndClose" and "HotClose", in this order, into options,
// as a click on each control would set it: a visibility read as selected is chosen, one
// read as not selected is given up when it was the one chosen. Raises ERegistryError at
// the first value that cannot be read, options then holding what was read before it.
void ReadRememberedOptions(RememberedSection& section, ExecutableOptions& options);
// Writes the five values from options.
void WriteRememberedOptions(RememberedSection& section, const ExecutableOptions& options);
