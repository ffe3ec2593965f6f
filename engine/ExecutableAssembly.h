#pragma once
// The generated executable: the deciphered runtime, perhaps given an icon and version
// information of its own, with the settings file appended, nothing before, between or
// after them.
#include <functional>
#include <string>

#include "engine/GuardedOutput.h"
#include "engine/ImagePropertiesEditor.h"

// The progress of writing an executable: its runtime part written, then all of it.
inline constexpr int kProgressImageCopied = 66;
inline constexpr int kProgressDone = 100;
using ProgressCallback = std::function<void(int percent)>;

// What the runtime part became.
struct AssemblyResult {
  bool RuntimeFound = true;       // false: there is no runtime file, and nothing was written
  bool SignatureDropped = false;  // the runtime was signed, and its signature could not stay
};

// Deciphers runtimeFile straight into output, given the properties choose picks when it
// is set, reports 66, appends settingsText and reports 100; the output is left to be
// finished. Raises Exception with the reason RuntimeDamaged when the runtime deciphers
// into no program (an executable made from it would not start, and must not replace a
// good one), Exception naming the runtime file when it cannot be given properties, and
// what deciphering and the output raise.
AssemblyResult AssembleExecutable(const std::string& runtimeFile, const std::string& settingsText,
                                  GuardedOutput& output, const ProgressCallback& progress,
                                  const PropertiesChoice& choose = nullptr);
