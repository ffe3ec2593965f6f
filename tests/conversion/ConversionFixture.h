#pragma once
// A conversion set up on real files: a program folder for the runtime file and a
// loaded settings file in a source folder, which is also the current folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/Conversion.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

inline constexpr char kExeName[] = "Macro.exe";

class ConversionFixture : public ::testing::Test {
 protected:
  // programFolder: where Zepcom.dat is looked for; a folder of its own by default.
  explicit ConversionFixture(std::string programFolder = "");

  // Writes the runtime file: image enciphered as the packer does it.
  void WriteRuntimeFile(const std::string& image);
  // Converts the loaded settings with the default options into outputPath, recording
  // the progress.
  MakeOutcome Convert(const std::string& outputPath);
  MakeOutcome Convert() { return Convert(OutputPath); }
  // The settings as an executable made by Convert carries them.
  std::string SettingsPart() const { return Settings.Lines.Text(); }
  // Converts into exeName in the source folder and expects the create error for it.
  void ExpectOutputRefused(const std::string& exeName);
  // Reads the whole output and compares it byte for byte, naming the first difference.
  static void ExpectFileBytes(const std::string& path, const std::string& expected);

  TempFolder Program, Source;
  CurrentFolder InSource{Source.Path()};
  std::string SettingsPath = Source / "Macro.zep";
  std::string RuntimeFile;
  ProgramFiles Programs;
  WarningRecorder Warnings;
  SettingsFile Settings;
  std::string OutputPath;
  std::vector<int> Progress;
};
