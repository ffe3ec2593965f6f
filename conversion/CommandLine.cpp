#include "conversion/CommandLine.h"

bool IsBlank(char byte) { return static_cast<unsigned char>(byte) <= ' '; }

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  const size_t end = commandLine.size();
  size_t p = 0;
  for (;;) {
    // Blanks and empty quote pairs in front of an argument are skipped.
    for (;;) {
      while (p < end && IsBlank(commandLine[p])) ++p;
      if (commandLine.compare(p, 2, "\"\"") != 0) break;
      p += 2;
    }
    if (p >= end) return arguments;
    std::string argument;
    while (p < end && !IsBlank(commandLine[p])) {
      if (commandLine[p] != '"') {
        argument += commandLine[p++];
        continue;
      }
      // A quoted run keeps its blanks; an unclosed quote runs to the end.
      for (++p; p < end && commandLine[p] != '"'; ++p) argument += commandLine[p];
      if (p < end) ++p;
    }
    arguments.push_back(std::move(argument));
  }
}

bool AsksForSilentRun(const std::vector<std::string>& arguments) {
  return !arguments.empty() && arguments[0] == "-s";
}

std::string StartPath(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return {};
  const std::string& first = arguments[0];
  const bool isSwitch = !first.empty() && (first[0] == '-' || first[0] == '/');
  return isSwitch ? std::string() : first;
}
