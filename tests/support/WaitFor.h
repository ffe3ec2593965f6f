#pragma once
// Waiting in tests by polling, with one deadline for every wait.
#include <chrono>
#include <thread>

// Long enough for a cold Wine start on a busy machine; a pass never waits this long.
inline constexpr std::chrono::milliseconds kWaitDeadline{30000};

// Polls until check() gives a true result or the deadline passes; returns the last result.
template <class Check>
auto WaitFor(Check check) -> decltype(check()) {
  const auto deadline = std::chrono::steady_clock::now() + kWaitDeadline;
  for (;;) {
    auto result = check();
    if (result || std::chrono::steady_clock::now() > deadline) return result;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}
