#include "wizard/RememberedOptions.h"

#include <cstdint>

#include "common/Format.h"
#include "common/Texts.h"
#include "wizard/IntegerText.h"

namespace {
constexpr char kSection[] = "Form";

// Keeps the store open for the lifetime of one read or write.
class TOpenedStore {
 public:
  explicit TOpenedStore(IOptionsStore& store) : FStore(store), FOpened(store.Open()) {}
  ~TOpenedStore() {
    if (FOpened) FStore.Close();
  }
  TOpenedStore(const TOpenedStore&) = delete;
  TOpenedStore& operator=(const TOpenedStore&) = delete;
  bool Opened() const { return FOpened; }

 private:
  IOptionsStore& FStore;
  bool FOpened;
};

const char* FlagText(bool flag) { return flag ? "1" : "0"; }
}  // namespace

void TRememberedOptions::Read(IWizardView& view, const TScreenSize& screen,
                              const TSelectVisibility& select) {
  TOpenedStore store(FStore);
  const bool opened = store.Opened();
  // Each term is halved on its own before the subtraction.
  view.SetLeft(ReadInteger(opened, "Left", screen.Width / 2 - view.OuterWidth() / 2));
  view.SetTop(ReadInteger(opened, "Top", screen.Height / 2 - view.OuterHeight() / 2));
  select(TOptionControl::rad1, ReadBoolean(opened, "rad1", true));
  select(TOptionControl::rad2, ReadBoolean(opened, "rad2", false));
  view.SetChecked(TOptionControl::chkDouji, ReadBoolean(opened, "Douji", true));
  view.SetChecked(TOptionControl::chkEndClose, ReadBoolean(opened, "EndClose", true));
  view.SetChecked(TOptionControl::chkHotClose, ReadBoolean(opened, "HotClose", true));
}

void TRememberedOptions::Write(const IWizardView& view) {
  TOpenedStore store(FStore);
  if (!store.Opened()) return;
  WriteText("Left", std::to_string(view.Left()));
  WriteText("Top", std::to_string(view.Top()));
  WriteText("rad1", FlagText(view.IsChecked(TOptionControl::rad1)));
  WriteText("rad2", FlagText(view.IsChecked(TOptionControl::rad2)));
  WriteText("Douji", FlagText(view.IsChecked(TOptionControl::chkDouji)));
  WriteText("EndClose", FlagText(view.IsChecked(TOptionControl::chkEndClose)));
  WriteText("HotClose", FlagText(view.IsChecked(TOptionControl::chkHotClose)));
}

int TRememberedOptions::ReadInteger(bool opened, const char* name, int defaultValue) {
  if (!opened) return defaultValue;
  TStoredValue stored = FStore.Read(kSection, name);
  switch (stored.Kind) {
    case TStoredKind::Missing:
      return defaultValue;
    case TStoredKind::WrongType:
      throw ERegistryError(FormatText(Texts::RegistryWrongType, name));
    case TStoredKind::Unreadable:
      throw ERegistryError(FormatText(Texts::RegistryFetchFailed, name));
    case TStoredKind::Text:
      break;
  }
  int32_t value = defaultValue;
  ReadIntegerText(stored.Text, value);
  return value;
}

bool TRememberedOptions::ReadBoolean(bool opened, const char* name, bool defaultValue) {
  return ReadInteger(opened, name, defaultValue ? 1 : 0) != 0;
}

void TRememberedOptions::WriteText(const char* name, const std::string& text) {
  switch (FStore.Write(kSection, name, text)) {
    case TWriteResult::Written:
      return;
    case TWriteResult::SectionNotCreated:
      throw ERegistryError(FormatText(Texts::RegistryKeyCreateFailed, kSection));
    case TWriteResult::ValueNotSet:
      throw ERegistryError(FormatText(Texts::RegistrySetFailed, name));
  }
}
