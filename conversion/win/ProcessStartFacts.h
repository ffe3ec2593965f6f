#pragma once
// Gathers what a program needs to know about its surroundings when it starts.
#include "conversion/StartFacts.h"

// The program's path, the temporary folder (empty when the system reports none that
// fits in 255 characters) and the arguments after the program name. The size of the
// screen is the window's concern: a program with a window adds it.
StartFacts GatherStartFacts();
