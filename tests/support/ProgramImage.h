#pragma once
// Runtime images for tests: the smallest headers that make a file a 64-bit Windows
// program image, and such an image filled up with pseudo-random section bytes.
#include <cstddef>
#include <cstdint>
#include <string>

// The headers, and the smallest image: a program without section data.
inline constexpr size_t kProgramHeadersSize = 0x200;

// The headers of a program image of size bytes (at least kProgramHeadersSize), whose one
// section holds every byte after them.
std::string ProgramHeaders(size_t size);
// A program image of size bytes: its headers, then pseudo-random bytes, the same for the
// same seed.
std::string ProgramImage(size_t size, uint32_t seed = 1);
