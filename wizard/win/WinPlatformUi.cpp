#include "wizard/win/WinPlatformUi.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "wizard/win/Application.h"
#include "wizard/win/ModalScope.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WarningBox.h"

void TWinPlatformUi::ShowWarning(const std::string& text) {
  TModalScope modal;
  ShowWarningBox(FApplication.Handle(), text);
}

void TWinPlatformUi::ShowErrorReport(const std::string& message) {
  ShowErrorBox(FApplication.Handle(), FApplication.Title(), message);
}

void TWinPlatformUi::SetHelpFile(const std::string& path) { FApplication.SetHelpFile(path); }

void TWinPlatformUi::ShowHelp(unsigned context) {
  WinHelpA(FApplication.MainWindow(), FApplication.HelpFile().c_str(), HELP_CONTEXT, context);
}

void TWinPlatformUi::OpenFolder(const std::string& folder) {
  ShellExecuteA(FApplication.MainWindow(), "open", folder.c_str(), nullptr, nullptr, SW_SHOW);
}

std::string TWinPlatformUi::CurrentFolder() {
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> folder(size + 1, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
  return std::string(folder.data(), length < folder.size() ? length : 0);
}

bool TWinPlatformUi::ChooseSettingsFile(std::string& path) {
  TModalScope modal;
  return FOpenDialog.Execute(FApplication.Handle(), FApplication.MainWindow(), path);
}

void TWinPlatformUi::Pause(unsigned milliseconds) { Sleep(milliseconds); }

void TWinPlatformUi::SetApplicationTitle(const std::string& title) { FApplication.SetTitle(title); }

void TWinPlatformUi::RequestEnd(int exitCode) { FApplication.RequestEnd(exitCode); }

void TWinPlatformUi::SetExitCode(int exitCode) { FApplication.SetExitCode(exitCode); }
