#pragma once
// What the wizard controller sees of the main window. The window implements it over
// its controls; tests use a recording fake. Texts are cp932 byte strings.
#include <string>

#include "conversion/Conversion.h"
#include "wizard/WizardPage.h"

class IWizardView {
 public:
  virtual ~IWizardView() = default;

  // Pages: puts the four page panels where the layout has them (whatever moved them
  // since), shows exactly one of them, sets PageTitle.
  virtual void PlacePages() = 0;
  virtual void ShowPagePanel(WizardPage page) = 0;
  virtual void SetTitle(const std::string& text) = 0;
  virtual void SetBackEnabled(bool enabled) = 0;
  virtual void SetNextEnabled(bool enabled) = 0;

  // SettingsPathEdit. Setting a different text is a change and reaches the controller's
  // OnSettingsPathChange, as typing does; setting the same text is no change.
  virtual std::string SettingsPath() const = 0;
  virtual void SetSettingsPath(const std::string& text) = 0;
  // ExeNameEdit, ResultPath and the gauge ProgressGauge (repainted at once).
  virtual std::string ExeName() const = 0;
  virtual void SetExeName(const std::string& text) = 0;
  virtual void SetResult(const std::string& text) = 0;
  virtual void SetProgress(int progress) = 0;

  // The options of page 1 as its controls show them: the visibility radio button
  // selected (neither: Visibility::Unchosen) and the three flags checked.
  virtual ExecutableOptions Options() const = 0;
  // Shows options on those controls, the flags locked while the executable shows
  // nothing (FlagsLocked). No click handler runs from here.
  virtual void ShowOptions(const ExecutableOptions& options) = 0;

  // The window itself: caption, position and outer size in screen pixels.
  virtual void SetCaption(const std::string& text) = 0;
  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual int OuterWidth() const = 0;
  virtual int OuterHeight() const = 0;
  virtual void SetOuterHeight(int height) = 0;
  virtual void SetOuterWidth(int width) = 0;
  // Asks the window to close; its close step runs as for the close box.
  virtual void Close() = 0;
};
