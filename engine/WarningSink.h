#pragma once
// Where the engine sends a warning for the user: the wizard's warning box in the
// program, a recorder in tests.
#include <string>

class IWarningSink {
 public:
  virtual ~IWarningSink() = default;
  virtual void ShowWarning(const std::string& text) = 0;
};
