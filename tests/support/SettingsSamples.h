#pragma once
// Settings files and a warning recorder for engine tests.
#include <string>
#include <vector>

#include "engine/WarningSink.h"

// The 180-byte header line the settings tool writes for a new file.
std::string FreshHeader();
// A settings file: the fresh header and body lines, each ended by terminator.
std::string SettingsFileBytes(const std::vector<std::string>& body, const std::string& terminator = "\r\n");

class WarningRecorder : public IWarningSink {
 public:
  void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
  std::vector<std::string> Warnings;
};
