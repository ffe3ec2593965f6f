#pragma once
// What an executable made by the program can be.
#include <cstdint>

// The largest executable Windows starts: its program file must stay below 4 GB.
inline constexpr uint64_t kLargestExecutableSize = 0xFFFFFFFFu;
