#pragma once
// Characters that code page 932 lacks, carried inside the program's cp932 text. A name
// read from the system in UTF-16 keeps each such character as an escape: a control byte
// that no file name and no text of the program holds, then the UTF-16 code unit in four
// hexadecimal digits. The name can then be worded in any message and shown whole where
// the output takes UTF-16; no file call is made with it, as the check of each path given
// refuses a path holding an escape.
#include <string>
#include <vector>

// The escape of each code unit, in order.
std::string EscapedUnits(const std::u16string& units);
// True when text holds an escape.
bool HoldsForeignCharacters(const std::string& text);

// A run of text: cp932 bytes as they stand, or the code units of escapes in a row.
struct TextRun {
  bool Foreign;
  std::string Bytes;     // a run of cp932 bytes
  std::u16string Units;  // a run of escapes
};
// The runs text is made of, in order; a control byte not followed by four hexadecimal
// digits is an ordinary byte.
std::vector<TextRun> TextRuns(const std::string& text);
