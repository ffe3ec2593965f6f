#pragma once
// An edited program image kept in memory, and bytes in memory read as an executable.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/ExecutableReading.h"
#include "engine/ImagePropertiesEditor.h"

// The output of the editor as a string; WriteAt may fill only bytes that Reserve passed.
class MemoryOutput : public IImageOutput {
 public:
  void Append(const void* bytes, size_t count) override {
    Bytes.append(static_cast<const char*>(bytes), count);
  }
  void Reserve(size_t count) override {
    ReservedEnd = Bytes.size() + count;
    Bytes.append(count, '\0');
  }
  void WriteAt(uint64_t offset, const void* bytes, size_t count) override {
    EXPECT_LE(offset + count, ReservedEnd);  // the headers, reserved first
    Bytes.replace(offset, count, static_cast<const char*>(bytes), count);
  }
  std::string Bytes;
  uint64_t ReservedEnd = 0;
};

class MemoryBytes : public IRandomAccessBytes {
 public:
  explicit MemoryBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, void* buffer, size_t count) override {
    if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
    std::memcpy(buffer, bytes_.data() + offset, count);
    return true;
  }

 private:
  std::string bytes_;
};
