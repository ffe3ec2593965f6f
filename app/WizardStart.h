#pragma once
// A start of the wizard (no "-s") never ends with nothing shown. With the wizard open in
// another instance, that comes forward with the path of this start; while a silent run
// shows its box, the box comes forward, as it is what the user has to answer; while
// silent runs convert or wait their turn, the start waits until they have ended and
// opens as a first start would.
#include <optional>
#include <string>

#include "app/SingleInstance.h"

enum class WizardStart {
  Claimed,         // the name is this process's: the wizard opens
  BroughtForward,  // what the running instance shows came forward
  NoTurn,          // silent runs went on longer than SilentRunTurn::kWaitMilliseconds
};

// Claims the single-instance name for the wizard into instance, or brings forward what
// the running instance shows, handing it startPath (unless empty).
WizardStart ClaimForWizard(std::optional<SingleInstance>& instance, const std::string& startPath);
