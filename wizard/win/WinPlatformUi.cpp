#include "wizard/win/WinPlatformUi.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "wizard/win/Application.h"
#include "wizard/win/HelpBrowser.h"
#include "wizard/win/ModalScope.h"
#include "wizard/win/PropertiesDialog.h"
#include "wizard/win/SystemErrors.h"
#include "wizard/win/WarningBox.h"

void WinPlatformUi::ShowWarning(const std::string& text) {
  ModalScope modal;
  ShowWarningBox(application_.Handle(), text);
}

void WinPlatformUi::ShowErrorReport(const std::string& message) {
  ShowErrorBox(application_.Handle(), application_.Title(), message);
}

void WinPlatformUi::SetHelpFile(const std::string& path) { application_.SetHelpFile(path); }

void WinPlatformUi::ShowHelp(unsigned context) {
  WinHelpA(application_.MainWindowHandle(), application_.HelpFile().c_str(), HELP_CONTEXT, context);
}

namespace {
// ShellExecute tells success by a value above 32.
bool ShellOpened(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }
}  // namespace

bool WinPlatformUi::OpenHelpPage(const std::string& page, const std::string& section) {
  return OpenInBrowser(FileUrlOf(page, section)) ||
         ShellOpened(ShellExecuteA(application_.MainWindowHandle(), "open", page.c_str(), nullptr, nullptr,
                                   SW_SHOWNORMAL));
}

bool WinPlatformUi::OpenFolder(const std::string& folder) {
  return ShellOpened(
      ShellExecuteA(application_.MainWindowHandle(), "open", folder.c_str(), nullptr, nullptr, SW_SHOW));
}

std::string WinPlatformUi::CurrentFolder() {
  DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::vector<char> folder(size + 1, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), folder.data());
  return std::string(folder.data(), length < folder.size() ? length : 0);
}

bool WinPlatformUi::ChooseSettingsFile(std::string& path) {
  ModalScope modal;
  return settingsDialog_.Execute(application_.Handle(), application_.MainWindowHandle(), path);
}

void WinPlatformUi::EditProperties(const PropertiesForm& form, const std::optional<IconGroup>& keptIcon,
                                   const std::function<void(const PropertiesForm&)>& accept,
                                   const std::function<void()>& help) {
  PropertiesDialog dialog(form, keptIcon,
                          {accept, help, [this](const std::string& message) { ShowErrorReport(message); }},
                          iconDialog_);
  dialog.Run(application_.MainWindowHandle());
}

void WinPlatformUi::Pause(unsigned milliseconds) { Sleep(milliseconds); }

void WinPlatformUi::SetApplicationTitle(const std::string& title) { application_.SetTitle(title); }

void WinPlatformUi::RequestEnd(int exitCode) { application_.RequestEnd(exitCode); }
