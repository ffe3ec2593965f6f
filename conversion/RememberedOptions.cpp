#include "conversion/RememberedOptions.h"

#include <cstdint>

#include "common/Format.h"
#include "common/Texts.h"
#include "conversion/IntegerText.h"

namespace {
constexpr char kSection[] = "Form";

// Keeps the store open for the lifetime of one read or write.
class OpenedStore {
 public:
  explicit OpenedStore(IOptionsStore& store) : store_(store), opened_(store.Open()) {}
  ~OpenedStore() {
    if (opened_) store_.Close();
  }
  OpenedStore(const OpenedStore&) = delete;
  OpenedStore& operator=(const OpenedStore&) = delete;
  bool Opened() const { return opened_; }

 private:
  IOptionsStore& store_;
  bool opened_;
};

const char* FlagText(bool flag) { return flag ? "1" : "0"; }
}  // namespace

void RememberedOptions::Read(IRememberedWindow& window, const ScreenSize& screen,
                             const VisibilitySelector& select) {
  OpenedStore store(store_);
  const bool opened = store.Opened();
  // Each term is halved on its own before the subtraction.
  window.SetLeft(ReadInteger(opened, "Left", screen.Width / 2 - window.OuterWidth() / 2));
  window.SetTop(ReadInteger(opened, "Top", screen.Height / 2 - window.OuterHeight() / 2));
  ReadOptionValues(opened, window, select);
}

void RememberedOptions::ReadOptions(IOptionControls& controls, const VisibilitySelector& select) {
  OpenedStore store(store_);
  ReadOptionValues(store.Opened(), controls, select);
}

void RememberedOptions::ReadOptionValues(bool opened, IOptionControls& controls,
                                         const VisibilitySelector& select) {
  select(OptionControl::ShowNothing, ReadBoolean(opened, "rad1", true));
  select(OptionControl::TrayIcon, ReadBoolean(opened, "rad2", false));
  controls.SetChecked(OptionControl::PlayOnStart, ReadBoolean(opened, "Douji", true));
  controls.SetChecked(OptionControl::ExitAtEnd, ReadBoolean(opened, "EndClose", true));
  controls.SetChecked(OptionControl::ExitOnControlKey, ReadBoolean(opened, "HotClose", true));
}

void RememberedOptions::Write(const IRememberedWindow& window) {
  OpenedStore store(store_);
  if (!store.Opened()) return;
  WriteText("Left", std::to_string(window.Left()));
  WriteText("Top", std::to_string(window.Top()));
  WriteText("rad1", FlagText(window.IsChecked(OptionControl::ShowNothing)));
  WriteText("rad2", FlagText(window.IsChecked(OptionControl::TrayIcon)));
  WriteText("Douji", FlagText(window.IsChecked(OptionControl::PlayOnStart)));
  WriteText("EndClose", FlagText(window.IsChecked(OptionControl::ExitAtEnd)));
  WriteText("HotClose", FlagText(window.IsChecked(OptionControl::ExitOnControlKey)));
}

int RememberedOptions::ReadInteger(bool opened, const char* name, int defaultValue) {
  if (!opened) return defaultValue;
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

bool RememberedOptions::ReadBoolean(bool opened, const char* name, bool defaultValue) {
  return ReadInteger(opened, name, defaultValue ? 1 : 0) != 0;
}

void RememberedOptions::WriteText(const char* name, const std::string& text) {
  switch (store_.Write(kSection, name, text)) {
    case WriteResult::Written:
      return;
    case WriteResult::SectionNotCreated:
      throw ERegistryError(FormatText(Texts::kRegistryKeyCreateFailed, kSection));
    case WriteResult::ValueNotSet:
      throw ERegistryError(FormatText(Texts::kRegistrySetFailed, name));
  }
}
