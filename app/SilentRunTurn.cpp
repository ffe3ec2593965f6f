#include "app/SilentRunTurn.h"

namespace {
// Owned by the silent run that converts; the others wait on it.
constexpr char kMutexName[] = "ZephyrPlayerSilentRun";
}  // namespace

SilentRunTurn::SilentRunTurn() : mutex_(CreateMutexA(nullptr, FALSE, kMutexName)) {}

SilentRunTurn::~SilentRunTurn() {
  if (owned_) ReleaseMutex(mutex_.Get());
}

bool SilentRunTurn::Wait() {
  // Without the mutex there is nothing to wait for.
  if (!mutex_) return true;
  const DWORD result = WaitForSingleObject(mutex_.Get(), kWaitMilliseconds);
  owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  return owned_;
}

bool SilentRunTurn::SilentRunsLast() {
  // The name lasts as long as a process keeps the mutex open.
  return static_cast<bool>(KernelObject(OpenMutexA(SYNCHRONIZE, FALSE, kMutexName)));
}
