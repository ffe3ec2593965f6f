#pragma once
// One instance per user session: the name of a kernel mutex marks a running instance,
// and a second start hands the focus to that instance's main window.
#include "platform/SystemHandles.h"

class SingleInstance {
 public:
  // Claims the name for this process, or finds it claimed by a running instance. The
  // mutex is never owned or waited on: only its name matters.
  SingleInstance();
  // True when another instance holds the name (also one that claimed it in the same
  // instant). That instance's window is then brought forward, restored when minimised.
  bool HandOverToRunningInstance() const;

 private:
  KernelObject mutex_;  // keeps the name for as long as this process runs
  bool anotherRuns_ = false;
};
