#pragma once
// Silent runs convert one at a time. Explorer starts one "-s" run per file when several
// settings files are chosen together; each waits here for its turn before it claims the
// single-instance name, so that it finds the name free once the run before it has ended,
// and held only by a window (which it hands over to without converting). Only silent
// runs make the turn, so that its name tells that silent runs last.
#include "platform/SystemHandles.h"

class SilentRunTurn {
 public:
  // How long a silent run waits for the one before it.
  static constexpr DWORD kWaitMilliseconds = 2 * 60 * 1000;

  SilentRunTurn();
  // Gives the turn to the next silent run.
  ~SilentRunTurn();
  SilentRunTurn(const SilentRunTurn&) = delete;
  SilentRunTurn& operator=(const SilentRunTurn&) = delete;

  // Waits until no other silent run converts, at most kWaitMilliseconds. True when the
  // turn is this process's (also when the run before it ended without giving it back).
  bool Wait();

  // True while a silent run has started and not ended: converting, showing its box or
  // waiting for its turn.
  static bool SilentRunsLast();

 private:
  KernelObject mutex_;
  bool owned_ = false;
};
