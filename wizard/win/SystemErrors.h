#pragma once
// Checks on what the system hands out: a window, a picture or another handle that came
// back empty raises the program's own Exception, whose message names what failed and
// the system error code.
#include <windows.h>

#include <string>

// Raises Exception with pattern filled in with subject and the system's last error code.
[[noreturn]] void ThrowSystemError(const char* pattern, const std::string& subject);
[[noreturn]] void ThrowSystemError(const char* pattern, int subject);

// handle itself, or the error of pattern when it is empty.
template <class Handle, class Subject>
Handle CheckCreated(Handle handle, const char* pattern, const Subject& subject) {
  if (!handle) ThrowSystemError(pattern, subject);
  return handle;
}

// The error box for what reaches the program's outermost level: the error icon, one OK
// button and the message with the period rule of the default error report.
void ShowErrorBox(HWND owner, const std::string& caption, const std::string& message);
