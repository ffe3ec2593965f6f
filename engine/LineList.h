#pragma once
// The settings file in memory: its lines as cp932 byte strings, without terminators,
// in file order.
#include <string>
#include <vector>

class LineList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  // Raises EListError "リストのインデックスが範囲を超えています (index)" when out of range.
  const std::string& Get(int index) const;
  // Raise EListError "行を挿入できません" when no memory is left for the line.
  void Add(std::string line);
  void Insert(int index, std::string line);
  void Delete(int index);
  void Clear() { lines_.clear(); }

  // Appends the lines found in data under the rule of LineSplitter: CR, LF and CR LF end
  // a line each, a last line without terminator counts, and the first NUL byte ends the
  // data. Raises EListError "行を挿入できません" when no memory is left for a line. Returns the
  // number (from 1, counted in data) of the line in which a NUL byte ended the data, or
  // 0 when none did.
  int AddText(const char* data, size_t size);
  // Every line followed by CR LF. Raises EListError "行を挿入できません" when no
  // memory is left for the text.
  std::string Text() const;

 private:
  void CheckIndex(int index, int count) const;
  std::vector<std::string> lines_;
};
