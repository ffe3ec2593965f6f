#pragma once
// Where the window stood when it was last closed, remembered as "Left" and "Top" in the
// section of the remembered options, before the options themselves.
#include "conversion/RememberedOptions.h"
#include "wizard/WizardView.h"

struct ScreenSize {
  int Width = 0;
  int Height = 0;
};

// Moves the window to the stored "Left" and "Top", each defaulting to the centre of the
// screen: screen size halved less window size halved, each term halved on its own.
// Raises ERegistryError as RememberedSection does; the window then keeps the values read
// before it.
void ReadRememberedPosition(RememberedSection& section, const ScreenSize& screen, IWizardView& window);
// Stores the window's "Left" and "Top" as decimal text.
void WriteRememberedPosition(RememberedSection& section, const IWizardView& window);
