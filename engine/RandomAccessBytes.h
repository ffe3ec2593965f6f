#pragma once
// The bytes of a file, read from any place: an open file, or bytes in memory for tests.
#include <cstddef>
#include <cstdint>

class IRandomAccessBytes {
 public:
  virtual ~IRandomAccessBytes() = default;
  virtual uint64_t Size() const = 0;
  // Reads count bytes at offset into buffer; false when not all of them could be read.
  virtual bool ReadAt(uint64_t offset, void* buffer, size_t count) = 0;
};
