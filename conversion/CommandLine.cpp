#include "conversion/CommandLine.h"

#include <cstdint>

bool IsBlank(char byte) { return static_cast<unsigned char>(byte) <= ' '; }

namespace {
bool IsBlankCharacter(char byte) { return IsBlank(byte); }
bool IsBlankCharacter(wchar_t character) { return static_cast<uint32_t>(character) <= L' '; }

template <class Text>
std::vector<Text> SplitArguments(const Text& commandLine) {
  std::vector<Text> arguments;
  const size_t end = commandLine.size();
  size_t p = 0;
  for (;;) {
    // Blanks and empty quote pairs in front of an argument are skipped.
    for (;;) {
      while (p < end && IsBlankCharacter(commandLine[p])) ++p;
      if (p + 1 >= end || commandLine[p] != '"' || commandLine[p + 1] != '"') break;
      p += 2;
    }
    if (p >= end) return arguments;
    Text argument;
    while (p < end && !IsBlankCharacter(commandLine[p])) {
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
}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  return SplitArguments(commandLine);
}

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
  return SplitArguments(commandLine);
}
