#pragma once
// Makes a box modal for the whole program: while the scope lives, every visible,
// enabled top-level window of the thread is disabled. Afterwards they are enabled again
// and the window that was active before becomes active again.
#include <windows.h>

#include <vector>

class ModalScope {
 public:
  ModalScope();
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  static BOOL CALLBACK DisableWindow(HWND window, LPARAM scope);

  HWND active_;
  std::vector<HWND> disabled_;
};
