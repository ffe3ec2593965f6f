#pragma once
// What the wizard makes of the text in the settings path field: the path itself, and
// where the file-open dialog starts from it. Texts are cp932 byte strings.
#include <string>

// The path without the double quotes around it that Explorer's "copy as path" adds;
// a text without a quote at both ends is the path as it stands.
std::string WithoutSurroundingQuotes(const std::string& text);

// Where the file-open dialog opens: the folder it shows (empty: the system's choice)
// and the name in its name box.
struct BrowseStart {
  std::string Folder;
  std::string FileName;
};
// For a path in the field, its folder and its name; for an empty field, no folder and
// the name chosen last.
BrowseStart BrowseStartFor(const std::string& path, const std::string& chosenLast);
