#pragma once
// What a program learns from its surroundings when it starts.
#include <string>
#include <vector>

struct StartFacts {
  std::string ModulePath;              // the program's own executable path
  std::string TempPath;                // the temporary folder; empty when there is none
  std::vector<std::string> Arguments;  // the command-line arguments after the program name
};
