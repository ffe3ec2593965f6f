#pragma once
// A scratch folder that is the current folder for the test, laid out as a front end of
// the conversion sees the world: prog\ (the program folder, where Zepcom.dat goes),
// work\ (the temporary folder) and data\ (the settings files), with a fake options
// store. Paths are relative, with "\" before the file name, so that they have a folder
// part on Windows and natively alike (natively "data\macro.zep" is simply a file name
// that contains the separator).
#include <gtest/gtest.h>

#include <string>

#include "tests/support/FakeOptionsStore.h"
#include "tests/support/TestFiles.h"

class ConversionScratch : public ::testing::Test {
 protected:
  static constexpr char kSettingsPath[] = "data\\macro.zep";
  static constexpr char kExecutablePath[] = "data\\macro.exe";
  // The runtime image of the player: a small program image.
  static std::string RuntimeImage();

  ConversionScratch();

  // program folder + "Zepcom.dat", enciphering image.
  void InstallRuntime(const std::string& image = RuntimeImage());
  // A settings file with the fresh header and bodyLines lines after it.
  static void WriteSettings(const std::string& path, int bodyLines = 5);
  // Bytes 1, 57, 70 and 71 of the first line of a settings file or attachment.
  static std::string OptionColumns(const std::string& bytes);

  TempFolder scratch_;
  CurrentFolder inScratch_{scratch_.Path()};
  FakeStore Store;
};
