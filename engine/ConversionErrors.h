#pragma once
// The errors of a conversion that a front end may tell in words of its own: each keeps
// the message the window shows, and says what happened in a form the console program
// can word differently.
#include <string>
#include <utility>

#include "common/Exception.h"

// The runtime file deciphers into no program: it is damaged, or another file took its
// name. Nothing was written.
class ERuntimeDamaged : public Exception {
 public:
  ERuntimeDamaged(std::string message, std::string runtimeFile)
      : Exception(std::move(message)), runtimeFile_(std::move(runtimeFile)) {}
  const std::string& RuntimeFile() const { return runtimeFile_; }

 private:
  std::string runtimeFile_;
};

// What an output that the conversion never writes over is.
enum class ProtectedFile {
  SettingsFile,  // the settings file being converted
  RuntimeFile,   // Zepcom.dat
  Program,       // zepplay.exe or zepplayc.exe
};

// An output refused because it would replace one of the files the conversion keeps.
// The message is the window's create error for the output path.
class EProtectedOutput : public EFCreateError {
 public:
  EProtectedOutput(std::string message, std::string outputPath, ProtectedFile kept)
      : EFCreateError(std::move(message)), outputPath_(std::move(outputPath)), kept_(kept) {}
  const std::string& OutputPath() const { return outputPath_; }
  ProtectedFile Kept() const { return kept_; }

 private:
  std::string outputPath_;
  ProtectedFile kept_;
};
