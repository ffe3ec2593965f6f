#pragma once
// The console program's arguments, read from the command line as the system keeps it.
#include <string>
#include <vector>

// The arguments after the program name: split from the command line in UTF-16 and each
// turned into the code page, a character the code page lacks kept as its escape
// (platform/ForeignCharacters.h).
std::vector<std::string> ConsoleArguments();
