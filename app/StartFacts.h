#pragma once
// Gathers what the wizard needs to know about its surroundings at creation.
#include "wizard/WizardController.h"

// The program's path, the temporary folder (empty when the system reports none that
// fits in 255 characters), the arguments after the program name and the size of the
// primary display.
StartFacts GatherStartFacts();
