#pragma once
// What a program learns from its surroundings when it starts.
#include <cstddef>
#include <string>
#include <vector>

struct ScreenSize {
  int Width = 0;
  int Height = 0;
};

// The longest temporary folder a conversion takes: it is asked for with room for 255
// characters.
inline constexpr size_t kLongestTempPath = 255;

struct StartFacts {
  std::string ModulePath;              // the program's own executable path
  std::string TempPath;                // the temporary folder; empty when there is none
  std::vector<std::string> Arguments;  // the command-line arguments after the program name
  ScreenSize Screen;                   // the primary display
};
