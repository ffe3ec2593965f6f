#include "engine/LineSplitter.h"

namespace {
bool IsLineEndOrNul(char byte) { return byte == '\r' || byte == '\n' || byte == '\0'; }
}  // namespace

bool LineSplitter::Add(const char* data, size_t size) {
  for (size_t p = 0; nulLine_ == 0 && p < size;) {
    const char byte = data[p];
    if (!IsLineEndOrNul(byte)) {
      size_t end = p + 1;
      while (end < size && !IsLineEndOrNul(data[end])) ++end;
      sink_.LineBytes(data + p, end - p);
      inLine_ = true;
      afterCr_ = false;
      p = end;
      continue;
    }
    ++p;
    if (byte == '\0') {
      nulLine_ = lines_ + 1;
      if (inLine_) EndLine();
    } else if (byte == '\n' && afterCr_) {
      afterCr_ = false;
    } else {
      EndLine();
      afterCr_ = byte == '\r';
    }
  }
  return nulLine_ == 0;
}

void LineSplitter::Finish() {
  if (inLine_) EndLine();
}

void LineSplitter::EndLine() {
  sink_.LineEnd();
  ++lines_;
  inLine_ = false;
}
