#pragma once
// What zepplay.exe's arguments ask for: the silent run of one settings file, or the
// wizard opened on a file dropped onto the program's icon.
#include <string>
#include <vector>

// True when the arguments after the program name ask for the silent run: the first
// one is exactly "-s" ("-S" and "/s" are not).
bool AsksForSilentRun(const std::vector<std::string>& arguments);

// The settings file of the silent run: the argument after "-s", or empty.
std::string SilentRunPath(const std::vector<std::string>& arguments);

// The settings path the program was started with, as when a file is dropped onto its
// icon: the first argument after the program name, unless it is a switch (it starts
// with "-" or "/"); empty otherwise.
std::string StartPath(const std::vector<std::string>& arguments);
