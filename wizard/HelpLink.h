#pragma once
// How the help page is reached in a browser: the section of each wizard page, the
// file URL of the page, and the command line that hands a URL to the browser.
#include <string>

#include "wizard/WizardPage.h"

// The id of the help page's section about a wizard page: "page0" to "page3".
std::string HelpSection(WizardPage page);
// The id of the section about the properties dialog.
inline constexpr char kPropertiesHelpSection[] = "properties";

// The file URL of an absolute path given in UTF-8, with "#fragment" when there is one:
// "file:///C:/..." for a drive path, "file://server/share/..." for a network path.
// Backslashes become slashes; every byte other than a letter, a digit, "-._~", "/" and
// ":" is percent-encoded.
std::string FileUrl(const std::string& utf8Path, const std::string& fragment);

// The command line that opens url with the command the shell has registered for a
// browser: "%1" and "%L" stand for the URL, "%*" for nothing more; a command without
// them gets the URL appended in quotes. The URL goes as it is, fragment included,
// which the shell's own "open" on a file URL would drop.
std::string BrowserCommandLine(const std::string& registeredCommand, const std::string& url);
