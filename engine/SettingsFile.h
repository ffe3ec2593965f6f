#pragma once
// A settings file in memory: its lines, where it was read from and whether they are a
// settings file at all. Only lines accepted as one are ever converted.
#include <cstdint>
#include <string>

#include "engine/LineList.h"

struct SettingsFile {
  std::string Path;    // the file read; empty for settings taken from an executable
  std::string Folder;  // its folder part, where its executable goes by default
  LineList Lines;
  int LineCutAtNul = 0;   // the line (from 1) in which a NUL byte ended what was read, or 0
  bool Accepted = false;  // the lines are a settings file
};

// Reads the file at path into settings, which is emptied first; false when no file is
// there, settings then keeping its folder. Raises EFOpenError when the file exists but
// cannot be read, or is too large to go into an executable.
bool ReadSettingsFile(const std::string& path, SettingsFile& settings);
// Takes a settings file's bytes from elsewhere (an executable), as if read from a file
// in folder, and accepts them or not as a settings file.
void TakeSettingsBytes(const std::string& bytes, const std::string& folder, SettingsFile& settings);
// Enough lines, the first of them a header line.
bool LinesAreSettings(const LineList& lines);
// The same for settings known by their first line and their number of lines.
bool LinesAreSettings(const std::string& firstLine, uint64_t lineCount);
