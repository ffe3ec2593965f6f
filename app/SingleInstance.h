#pragma once
// One instance per user session: the name of a kernel mutex marks a running instance,
// and a second start hands the focus to that instance's main window.
#include <string>

#include "platform/SystemHandles.h"

class SingleInstance {
 public:
  // Claims the name for this process, or finds it claimed by a running instance. The
  // mutex is never owned or waited on: only its name matters.
  SingleInstance();
  // True when another instance holds the name (also one that claimed it in the same
  // instant).
  bool AnotherRuns() const { return anotherRuns_; }
  // True when another instance holds the name. That instance's window is then brought
  // forward, restored when minimised.
  bool HandOverToRunningInstance() const;

 private:
  KernelObject mutex_;  // keeps the name for as long as this process runs
  bool anotherRuns_ = false;
};

// Brings forward what the running instance shows, for a start of the wizard: its wizard,
// handed startPath (unless empty) as a file dropped onto it, or the box of its silent run.
// False when it shows nothing: a silent run that converts, or an instance that has not
// shown its window yet.
bool BringRunningInstanceForward(const std::string& startPath);
