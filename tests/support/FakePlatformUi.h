#pragma once
// A recording stand-in for the platform services: boxes, help, the shell, the file
// dialogs, pauses, the application title and end requests are noted, never shown.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/Exception.h"
#include "common/Texts.h"
#include "wizard/PlatformUi.h"
#include "wizard/PropertiesForm.h"

// The forms of the properties dialog compare field by field.
inline bool operator==(const PropertiesForm& a, const PropertiesForm& b) {
  return std::tie(a.IconPath, a.FileVersion, a.ProductVersion, a.Description, a.Product, a.Company,
                  a.Copyright) == std::tie(b.IconPath, b.FileVersion, b.ProductVersion, b.Description,
                                           b.Product, b.Company, b.Copyright);
}

class FakePlatform : public IPlatformUi {
 public:
  std::vector<std::string> Warnings;
  std::vector<std::string> ErrorReports;  // also what the window's error wrapper shows
  std::string HelpFile;
  std::vector<unsigned> HelpContexts;
  std::vector<std::string> HelpPages;  // "page#section"
  std::vector<std::string> OpenedFolders;
  std::string Current = "current\\";
  bool ShellOpens = true;  // what OpenHelpPage and OpenFolder answer
  bool DialogConfirms = false;
  std::string DialogStart;  // the path the dialog was last started from
  std::string DialogChoice;
  // The properties dialog: what it started with, each time. The user presses Help when
  // HelpInProperties, then OK with each form typed in turn until one is taken, or Cancel.
  std::vector<PropertiesForm> PropertiesShown, PropertiesTyped;
  std::optional<IconGroup> PropertiesIcon;
  bool HelpInProperties = false;
  std::vector<unsigned> Pauses;
  std::string ApplicationTitle = Texts::kApplicationTitle;
  std::vector<int> EndRequests;

  void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
  void ShowErrorReport(const std::string& message) override { ErrorReports.push_back(message); }
  void SetHelpFile(const std::string& path) override { HelpFile = path; }
  void ShowHelp(unsigned context) override { HelpContexts.push_back(context); }
  bool OpenHelpPage(const std::string& page, const std::string& section) override {
    HelpPages.push_back(page + "#" + section);
    return ShellOpens;
  }
  bool OpenFolder(const std::string& folder) override {
    OpenedFolders.push_back(folder);
    return ShellOpens;
  }
  std::string CurrentFolder() override { return Current; }
  bool ChooseSettingsFile(std::string& path) override {
    DialogStart = path;
    if (DialogConfirms) path = DialogChoice;
    return DialogConfirms;
  }
  void EditProperties(const PropertiesForm& form, const std::optional<IconGroup>& keptIcon,
                      const std::function<void(const PropertiesForm&)>& accept,
                      const std::function<void()>& help) override {
    PropertiesShown.push_back(form);
    PropertiesIcon = keptIcon;
    if (HelpInProperties) help();
    for (const PropertiesForm& typed : std::exchange(PropertiesTyped, {})) try {
        return accept(typed);  // taken: the dialog closes
      } catch (const Exception& error) {
        ErrorReports.push_back(error.Message());
      }
  }
  void Pause(unsigned milliseconds) override { Pauses.push_back(milliseconds); }
  void SetApplicationTitle(const std::string& title) override { ApplicationTitle = title; }
  void RequestEnd(int exitCode) override { EndRequests.push_back(exitCode); }
};
