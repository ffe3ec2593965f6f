#include "engine/LineList.h"

#include <limits>
#include <new>
#include <utility>

#include "common/Exception.h"
#include "common/Format.h"
#include "common/Texts.h"
#include "engine/LineSplitter.h"

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
// Each line the splitter ends goes into the list.
class LinesIntoList : public LineSplitter::Sink {
 public:
  explicit LinesIntoList(LineList& list) : list_(list) {}
  void LineBytes(const char* bytes, size_t count) override {
    try {
      line_.append(bytes, count);
    } catch (const std::bad_alloc&) {
      throw EListError(Texts::kListInsertError);
    }
  }
  void LineEnd() override {
    list_.Add(std::move(line_));
    line_ = std::string();
  }

 private:
  LineList& list_;
  std::string line_;
};
}  // namespace

int LineList::AddText(const char* data, size_t size) {
  LinesIntoList sink(*this);
  LineSplitter splitter(sink);
  splitter.Add(data, size);
  splitter.Finish();
  // Every line of data went into the list, which counts them in an int.
  return static_cast<int>(splitter.NulLine());
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
