#pragma once
// The platform services of the wizard over Win32: the warning box, the default error
// report, help, the shell, the file-open dialogs, the properties dialog, the pause and
// the application's title and end. Boxes and dialogs are modal for the whole program.
#include <string>

#include "common/Texts.h"
#include "wizard/PlatformUi.h"
#include "wizard/win/OpenFileDialog.h"

class Application;

class WinPlatformUi : public IPlatformUi {
 public:
  explicit WinPlatformUi(Application& application) : application_(application) {}

  void ShowWarning(const std::string& text) override;
  void ShowErrorReport(const std::string& message) override;
  void SetHelpFile(const std::string& path) override;
  void ShowHelp(unsigned context) override;
  bool OpenHelpPage(const std::string& page, const std::string& section) override;
  bool OpenFolder(const std::string& folder) override;
  std::string CurrentFolder() override;
  bool ChooseSettingsFile(std::string& path) override;
  void EditProperties(const PropertiesForm& form, const std::optional<IconGroup>& keptIcon,
                      const std::function<void(const PropertiesForm&)>& accept,
                      const std::function<void()>& help) override;
  void Pause(unsigned milliseconds) override;
  void SetApplicationTitle(const std::string& title) override;
  void RequestEnd(int exitCode) override;

 private:
  Application& application_;
  OpenFileDialog settingsDialog_{Texts::Window::kOpenDialogFilter};
  OpenFileDialog iconDialog_{Texts::Window::kIconDialogFilter};
};
