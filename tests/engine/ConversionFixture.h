#pragma once
// A conversion set up on real files: a program folder for the runtime file, a work
// folder for the intermediate files and a loaded settings file in a source folder,
// which is also the current folder. (The native build knows only "\" and ":" as
// folder separators, so there the source folder is empty and the executable is
// written to the current folder, as for a settings path without a folder part.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ConversionEngine.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"

inline constexpr char kExeName[] = "Macro.exe";

// The engine with its runtime cipher in view, to see that no key stays in it.
class EngineWithCipherInView : public ConversionEngine {
 public:
  using ConversionEngine::ConversionEngine;
  Blowfish& RuntimeCipher() { return runtimeCipher_; }
};

class ConversionFixture : public ::testing::Test {
 protected:
  // programFolder: where Zepcom.dat is looked for; a folder of its own by default.
  explicit ConversionFixture(std::string programFolder = "");

  // Writes the runtime file: image enciphered as the packer does it.
  void WriteRuntimeFile(const std::string& image);
  // Records the progress values the engine reports.
  ProgressCallback Recorder() {
    return [this](int percent) { Progress.push_back(percent); };
  }
  // True when the cipher holds no key: deciphering then fails with "Key not set".
  bool KeyCleared();
  // Converts into exeName and expects the create error for source folder + exeName.
  void ExpectOutputRefused(const std::string& exeName);
  // Reads the whole output and compares it byte for byte, naming the first difference.
  static void ExpectFileBytes(const std::string& path, const std::string& expected);

  TempFolder Program, Work, Source;
  CurrentFolder InSource{Source.Path()};
  std::string SettingsPath = Source / "Macro.zep";
  std::string RuntimeFile, RuntimeImage = Work / "Player.dat", Attachment = Work / "Attach.zep";
  WarningRecorder Warnings;
  EngineWithCipherInView Engine{Warnings};
  std::string OutputPath;
  std::vector<int> Progress;
};
