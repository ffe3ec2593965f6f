#pragma once
// Gathers what the wizard needs to know about its surroundings at creation.
#include <string>
#include <vector>

#include "wizard/WizardController.h"

// The program's path, the temporary folder (empty when the system reports none that
// fits in 255 characters), the arguments after the program name and the size of the
// primary display.
StartFacts GatherStartFacts();

// The arguments after the program name as the console program reads them: split from
// the command line as the system keeps it (UTF-16) and each turned into the code page.
// foreign receives those that held a character the code page lacks, shown as "?".
std::vector<std::string> ConsoleArguments(std::vector<std::string>& foreign);
