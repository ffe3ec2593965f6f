#pragma once
// The window position, the visibility choice and the option flags, remembered per user
// between runs in the "Form" section of the options store.
#include <functional>

#include "common/Exception.h"
#include "conversion/OptionControls.h"
#include "conversion/OptionsStore.h"
#include "conversion/StartFacts.h"

// A value of the wrong type, one that cannot be fetched, or one that cannot be written.
class ERegistryError : public Exception {
 public:
  using Exception::Exception;
};

// Selects or deselects a visibility radio button as a user selection would, so that
// its click handler runs when it becomes selected.
using VisibilitySelector = std::function<void(OptionControl radio, bool selected)>;

// The window as the remembered options see it: its outer position and size in screen
// pixels, and its option controls.
class IRememberedWindow : public IOptionControls {
 public:
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual int OuterWidth() const = 0;
  virtual int OuterHeight() const = 0;
};

class RememberedOptions {
 public:
  explicit RememberedOptions(IOptionsStore& store) : store_(store) {}

  // Moves the window and sets the options from the stored values, in the order of the
  // values "Left", "Top", "rad1", "rad2", "Douji", "EndClose", "HotClose". A missing value or text that is no
  // integer gives the default; the position defaults to the centre of screen. Raises
  // ERegistryError at the first value that is not text or cannot be fetched, keeping
  // what was read before it. Options that cannot be opened give all the defaults.
  void Read(IRememberedWindow& window, const ScreenSize& screen, const VisibilitySelector& select);
  // Reads only the options, "rad1" to "HotClose", as Read does: the console program
  // takes them without a window, whose position does not concern it.
  void ReadOptions(IOptionControls& controls, const VisibilitySelector& select);
  // Stores the window position and the option states as decimal text. Raises
  // ERegistryError at the first write that fails. Nothing is stored when the options
  // cannot be opened.
  void Write(const IRememberedWindow& window);

 private:
  void ReadOptionValues(bool opened, IOptionControls& controls, const VisibilitySelector& select);
  int ReadInteger(bool opened, const char* name, int defaultValue);
  bool ReadBoolean(bool opened, const char* name, bool defaultValue);
  void WriteText(const char* name, const std::string& text);

  IOptionsStore& store_;
};
