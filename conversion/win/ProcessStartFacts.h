#pragma once
// Gathers what a program needs to know about its surroundings when it starts.
#include "conversion/StartFacts.h"

// The program's path, the temporary folder (empty when the system reports none that
// fits in 255 characters) and the arguments after the program name.
StartFacts GatherStartFacts();
