#pragma once
// Ctrl+C and Ctrl+Break ask the console program to stop before its next step, so that
// it still deletes its intermediate files and ends with the error code; a second press
// ends it at once. Closing the console window, logging off and shutting down end the
// process as soon as the handler returns: they ask the same and give the run a moment
// to end by itself.
class ConsoleInterruption {
 public:
  ConsoleInterruption();
  ~ConsoleInterruption();
  ConsoleInterruption(const ConsoleInterruption&) = delete;
  ConsoleInterruption& operator=(const ConsoleInterruption&) = delete;

  // True once an interruption has been asked for.
  static bool Requested();
};
