#pragma once
// Bytes in memory read as a file; a read outside them fails.
#include <cstring>
#include <string>
#include <utility>

#include "engine/RandomAccessBytes.h"

class MemoryBytes : public IRandomAccessBytes {
 public:
  explicit MemoryBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
    if (count > 0) std::memcpy(buffer, bytes_.data() + offset, count);
    return true;
  }

 private:
  std::string bytes_;
};
