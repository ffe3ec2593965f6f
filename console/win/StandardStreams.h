#pragma once
// Standard output and standard error of the console program. Its texts are cp932. A
// console shows them as the characters they are (WriteConsoleW), whatever its code
// page. A file or pipe receives the bytes of the console's output code page, which is
// what a program reading them in that console expects (cp932 as it is; another code
// page converted, "?" for a character it lacks), or cp932 when there is no console. A
// name's character that cp932 lacks, carried as an escape, shows whole on a console and
// in a code page that has it, and as "?" elsewhere.
#include "console/ConsoleRun.h"

class StandardStreams : public IConsoleStreams {
 public:
  void Write(ConsoleStream stream, const std::string& text) override;
};
