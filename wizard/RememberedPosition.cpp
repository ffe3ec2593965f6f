#include "wizard/RememberedPosition.h"

#include <string>

void ReadRememberedPosition(RememberedSection& section, const ScreenSize& screen, IWizardView& window) {
  window.SetLeft(section.ReadInteger("Left", screen.Width / 2 - window.OuterWidth() / 2));
  window.SetTop(section.ReadInteger("Top", screen.Height / 2 - window.OuterHeight() / 2));
}

void WriteRememberedPosition(RememberedSection& section, const IWizardView& window) {
  section.WriteText("Left", std::to_string(window.Left()));
  section.WriteText("Top", std::to_string(window.Top()));
}
