#include "wizard/win/SystemErrors.h"

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "wizard/ErrorReportText.h"
#include "wizard/win/ModalScope.h"
#include "wizard/win/WindowState.h"

void ThrowSystemError(const char* pattern, const std::string& subject) {
  const unsigned long error = GetLastError();
  throw Exception(FormatText(pattern, subject.c_str(), error));
}

void ThrowSystemError(const char* pattern, int subject) {
  const unsigned long error = GetLastError();
  throw Exception(FormatText(pattern, subject, error));
}

void ShowErrorBox(HWND owner, const std::string& caption, const std::string& message) {
  ModalScope modal;
  MessageBoxA(owner, ErrorReportText(message).c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

LRESULT ReportWindowProcedureError(const std::exception& error) {
  ShowErrorBox(nullptr, Texts::kApplicationTitle, error.what());
  return 0;
}
