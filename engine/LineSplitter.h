#pragma once
// The rule that splits a settings file into lines, for bytes that come a piece at a
// time: CR, LF and CR LF end a line each (so LF CR ends two), a last line without a
// line end counts, and the first NUL byte ends the data. Nothing is kept of the bytes:
// they go to a sink as they come, so memory does not grow with a line's length.
#include <cstddef>
#include <cstdint>

class LineSplitter {
 public:
  // What receives the lines: each line's bytes in one run or more (none for an empty
  // line), then its end.
  class Sink {
   public:
    virtual ~Sink() = default;
    virtual void LineBytes(const char* bytes, size_t count) = 0;
    virtual void LineEnd() = 0;
  };

  explicit LineSplitter(Sink& sink) : sink_(sink) {}
  // Splits the next size bytes of data. False once a NUL byte has ended the data: its
  // line, when it had bytes, has then ended, and nothing more is taken.
  bool Add(const char* data, size_t size);
  // Ends the data: a last line without a line end ends here.
  void Finish();

  // The lines ended so far.
  uint64_t LineCount() const { return lines_; }
  // The number (from 1) of the line in which a NUL byte ended the data; 0 when none did.
  uint64_t NulLine() const { return nulLine_; }

 private:
  void EndLine();

  Sink& sink_;
  uint64_t lines_ = 0;
  uint64_t nulLine_ = 0;
  bool inLine_ = false;   // bytes of a line not yet ended have come
  bool afterCr_ = false;  // the last byte was a CR, which a LF joins
};
