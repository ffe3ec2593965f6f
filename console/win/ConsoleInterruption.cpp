#include "console/win/ConsoleInterruption.h"

#include <windows.h>

#include <atomic>

namespace {
// The system ends the process 5 s after a close at the latest.
constexpr DWORD kCloseGraceMilliseconds = 4000;

std::atomic<bool> requested{false};

// Runs on a thread of its own while the run goes on.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  const bool again = requested.exchange(true);
  if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return again ? FALSE : TRUE;
  Sleep(kCloseGraceMilliseconds);  // the run normally ends the process meanwhile
  return TRUE;
}
}  // namespace

ConsoleInterruption::ConsoleInterruption() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

ConsoleInterruption::~ConsoleInterruption() { SetConsoleCtrlHandler(OnConsoleEvent, FALSE); }

bool ConsoleInterruption::Requested() { return requested.load(); }
