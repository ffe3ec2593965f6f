#include "app/WizardStart.h"

#include <windows.h>

#include "app/SilentRunTurn.h"

namespace {
constexpr DWORD kLookAgainMilliseconds = 100;
}  // namespace

WizardStart ClaimForWizard(std::optional<SingleInstance>& instance, const std::string& startPath) {
  const DWORD started = GetTickCount();
  for (;;) {
    // Claimed only while no silent run lasts: one that finds the name held converts nothing.
    if (!SilentRunTurn::SilentRunsLast()) {
      instance.emplace();
      if (!instance->AnotherRuns()) return WizardStart::Claimed;
      instance.reset();
    }
    if (BringRunningInstanceForward(startPath)) return WizardStart::BroughtForward;
    if (GetTickCount() - started >= SilentRunTurn::kWaitMilliseconds) return WizardStart::NoTurn;
    Sleep(kLookAgainMilliseconds);
  }
}
