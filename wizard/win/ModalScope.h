#pragma once
// Makes a box modal for the whole program: while the scope lives, every visible,
// enabled top-level window of the thread is disabled. Afterwards they are enabled again
// and the window that was active before becomes active again.
#include <windows.h>

#include <vector>

class TModalScope {
 public:
  TModalScope();
  ~TModalScope();
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

 private:
  static BOOL CALLBACK DisableWindow(HWND window, LPARAM scope);

  HWND FActive;
  std::vector<HWND> FDisabled;
};
