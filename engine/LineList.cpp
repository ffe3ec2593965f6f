#include "engine/LineList.h"

#include <limits>
#include <new>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"

void LineList::CheckIndex(int index, int count) const {
  if (index < 0 || index >= count) throw EListError(FormatText(Texts::kListIndexError, index));
}

const std::string& LineList::Get(int index) const {
  CheckIndex(index, Count());
  return lines_[static_cast<size_t>(index)];
}

void LineList::Add(std::string line) { Insert(Count(), std::move(line)); }

void LineList::Insert(int index, std::string line) {
  // Lines are counted in an int: a list that could not count one more takes no more.
  if (lines_.size() >= static_cast<size_t>(std::numeric_limits<int>::max()))
    throw EListError(Texts::kListInsertError);
  CheckIndex(index, Count() + 1);
  try {
    lines_.insert(lines_.begin() + index, std::move(line));
  } catch (const std::bad_alloc&) {
    throw EListError(Texts::kListInsertError);
  }
}

void LineList::Delete(int index) {
  CheckIndex(index, Count());
  lines_.erase(lines_.begin() + index);
}

namespace {
std::string MakeLine(const char* bytes, size_t size) {
  try {
    return std::string(bytes, size);
  } catch (const std::bad_alloc&) {
    throw EListError(Texts::kListInsertError);
  }
}
}  // namespace

int LineList::AddText(const char* data, size_t size) {
  int line = 0;  // the lines of data met so far
  size_t p = 0;
  while (p < size && data[p] != '\0') {
    size_t end = p;
    while (end < size && data[end] != '\r' && data[end] != '\n' && data[end] != '\0') ++end;
    Add(MakeLine(data + p, end - p));
    ++line;
    p = end;
    if (p < size && data[p] == '\0') return line;
    if (p < size && data[p] == '\r') ++p;
    if (p < size && data[p] == '\n') ++p;
  }
  return p < size ? line + 1 : 0;
}

std::string LineList::Text() const {
  size_t size = 0;
  for (const std::string& line : lines_) size += line.size() + 2;
  std::string text;
  try {
    text.reserve(size);
  } catch (const std::bad_alloc&) {
    throw EListError(Texts::kListInsertError);
  }
  for (const std::string& line : lines_) {
    text += line;
    text += "\r\n";
  }
  return text;
}
