// Splits arbitrary bytes as a command line and checks what holds for every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "conversion/CommandLine.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}

bool Blank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

size_t BlankSeparatedRuns(const std::string& text) {
  size_t runs = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (!Blank(text[i]) && (i == 0 || Blank(text[i - 1]))) ++runs;
  return runs;
}

// The arguments written back as a command line, each in double quotes. An empty
// argument comes only from a lone quote at the very end (an empty pair is skipped), so
// it is written back as that lone quote.
std::string QuotedLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument.empty() ? "\"" : "\"" + argument + "\"";
  }
  return line;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string commandLine(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> arguments = SplitCommandLine(commandLine);
  const bool quoted = commandLine.find('"') != std::string::npos;
  for (const std::string& argument : arguments) {
    Check(argument.find('"') == std::string::npos);
    if (!quoted) {
      for (char c : argument) Check(!Blank(c));
    }
  }
  Check(arguments.size() <= BlankSeparatedRuns(commandLine));
  Check(SplitCommandLine(QuotedLine(arguments)) == arguments);
  return 0;
}
