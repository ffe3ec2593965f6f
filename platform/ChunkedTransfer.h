#pragma once
// A transfer of any size through a system call that moves at most a limited count at
// a time (WriteFile and ReadFile take a 32-bit count).
#include <algorithm>
#include <cstddef>

namespace platform {

// Calls step(offset, count, done) with count at most largestStep until total bytes
// have moved or a step moves none (the end of a file, a full disk). False as soon as
// a step fails; transferred says how many bytes moved before that.
template <typename Step>
bool TransferInSteps(size_t total, size_t largestStep, size_t& transferred, Step step) {
  transferred = 0;
  while (transferred < total) {
    size_t done = 0;
    if (!step(transferred, std::min(total - transferred, largestStep), done)) return false;
    if (done == 0) break;
    transferred += done;
  }
  return true;
}

}  // namespace platform
