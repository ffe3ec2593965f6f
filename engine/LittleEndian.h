#pragma once
// Little-endian fields of file formats in bytes at hand: whether a field lies inside
// them, reading one that does, and writing one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// True when size bytes at offset lie inside bytes.
inline bool Holds(std::string_view bytes, uint64_t offset, uint64_t size) {
  return offset <= bytes.size() && size <= bytes.size() - offset;
}

// The field of size bytes (1 to 4) at offset, which Holds must have confirmed.
inline uint32_t ReadLe(std::string_view bytes, uint64_t offset, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<size_t>(offset) + i]);
  return value;
}

// Writes the field of size bytes at offset, which must lie inside bytes.
inline void WriteLe(std::string& bytes, uint64_t offset, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[static_cast<size_t>(offset) + i] = static_cast<char>(value >> (8 * i));
}

inline void AppendLe(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
}

// offset rounded up to a multiple of alignment, a power of two.
inline uint64_t AlignUp(uint64_t offset, uint64_t alignment) {
  return (offset + alignment - 1) & ~(alignment - 1);
}
