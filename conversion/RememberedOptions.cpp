#include "conversion/RememberedOptions.h"

#include <cstdint>

#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/IntegerText.h"

namespace {
constexpr char kSection[] = "Form";

// A visibility read as selected or not: selecting one gives up the other; deselecting
// the chosen one leaves none.
void ReadVisibility(bool selected, Visibility visibility, ExecutableOptions& options) {
  if (selected)
    options.Shown = visibility;
  else if (options.Shown == visibility)
    options.Shown = Visibility::Unchosen;
}
}  // namespace

RememberedSection::RememberedSection(IOptionsStore& store) : store_(store), opened_(store.Open()) {}

RememberedSection::~RememberedSection() {
  if (opened_) store_.Close();
}

int RememberedSection::ReadInteger(const char* name, int defaultValue) {
  if (!opened_) return defaultValue;
  StoredValue stored = store_.Read(kSection, name);
  switch (stored.Kind) {
    case StoredKind::Missing:
      return defaultValue;
    case StoredKind::WrongType:
      throw ERegistryError(FormatText(Texts::kRegistryWrongType, name));
    case StoredKind::Unreadable:
      throw ERegistryError(FormatText(Texts::kRegistryFetchFailed, name));
    case StoredKind::Text:
      break;
  }
  int32_t value = defaultValue;
  ReadIntegerText(stored.Text, value);
  return value;
}

void RememberedSection::WriteText(const char* name, const std::string& text) {
  if (!opened_) return;
  switch (store_.Write(kSection, name, text)) {
    case WriteResult::Written:
      return;
    case WriteResult::SectionNotCreated:
      throw ERegistryError(FormatText(Texts::kRegistryKeyCreateFailed, kSection));
    case WriteResult::ValueNotSet:
      throw ERegistryError(FormatText(Texts::kRegistrySetFailed, name));
  }
}

void ReadRememberedOptions(RememberedSection& section, ExecutableOptions& options) {
  ReadVisibility(section.ReadBoolean("rad1", true), Visibility::ShowNothing, options);
  ReadVisibility(section.ReadBoolean("rad2", false), Visibility::TrayIcon, options);
  options.PlayOnStart = section.ReadBoolean("Douji", true);
  options.ExitAtEnd = section.ReadBoolean("EndClose", true);
  options.ExitOnControlKey = section.ReadBoolean("HotClose", true);
}

void WriteRememberedOptions(RememberedSection& section, const ExecutableOptions& options) {
  section.WriteBoolean("rad1", options.Shown == Visibility::ShowNothing);
  section.WriteBoolean("rad2", options.Shown == Visibility::TrayIcon);
  section.WriteBoolean("Douji", options.PlayOnStart);
  section.WriteBoolean("EndClose", options.ExitAtEnd);
  section.WriteBoolean("HotClose", options.ExitOnControlKey);
}
