#include "wizard/SettingsPathText.h"

#include "platform/ShiftJisPath.h"

std::string WithoutSurroundingQuotes(const std::string& text) {
  // A quote is never the second byte of a double-byte character, nor part of a path.
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

BrowseStart BrowseStartFor(const std::string& path, const std::string& chosenLast) {
  if (path.empty()) return {std::string(), chosenLast};
  return {FolderPart(path), NamePart(path)};
}
