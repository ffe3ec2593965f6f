#pragma once
// What the wizard controller sees of the main window. The window implements it over
// its controls; tests use a recording fake. Texts are cp932 byte strings.
#include <string>

// The option controls of page 1.
enum class TOptionControl { rad1, rad2, chkDouji, chkEndClose, chkHotClose };

class IWizardView {
 public:
  virtual ~IWizardView() = default;

  // Pages: moves the four page panels, shows exactly one of them, sets lblTitle.
  virtual void PlacePages(int left, int top) = 0;
  virtual void ShowPagePanel(int page) = 0;
  virtual void SetTitle(const std::string& text) = 0;
  virtual void SetBackEnabled(bool enabled) = 0;
  virtual void SetNextEnabled(bool enabled) = 0;

  // txtZepName. Setting a different text is a change and reaches the controller's
  // txtZepNameChange, as typing does; setting the same text is no change.
  virtual std::string SettingsPath() const = 0;
  virtual void SetSettingsPath(const std::string& text) = 0;
  // txtExeName, lblExeName and the gauge g1 (repainted at once).
  virtual std::string ExeName() const = 0;
  virtual void SetExeName(const std::string& text) = 0;
  virtual void SetResult(const std::string& text) = 0;
  virtual void SetProgress(int progress) = 0;

  // Selected or checked state and enabled state of the option controls. Selecting a
  // radio button deselects its partner; no click handler runs from here.
  virtual bool IsChecked(TOptionControl control) const = 0;
  virtual void SetChecked(TOptionControl control, bool checked) = 0;
  virtual void SetEnabled(TOptionControl control, bool enabled) = 0;

  // The window itself: caption, outer position and size in screen pixels.
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
