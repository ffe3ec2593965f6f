#pragma once
// The generated executable: the deciphered runtime with the settings file appended,
// nothing before, between or after them.
#include <functional>
#include <string>

#include "engine/GuardedOutput.h"

// The progress of writing an executable: its runtime part written, then all of it.
inline constexpr int kProgressImageCopied = 66;
inline constexpr int kProgressDone = 100;
using ProgressCallback = std::function<void(int percent)>;

// Deciphers runtimeFile straight into output, reports 66, appends settingsText and
// reports 100; the output is left to be finished. False, with nothing written, when there
// is no runtime file. Raises Exception with the reason RuntimeDamaged when the runtime
// deciphers into no program (an executable made from it would not start, and must not
// replace a good one), and what deciphering and the output raise.
bool AssembleExecutable(const std::string& runtimeFile, const std::string& settingsText,
                        GuardedOutput& output, const ProgressCallback& progress);
