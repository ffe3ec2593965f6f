#pragma once
// The standard starting tables of the Blowfish key schedule.
#include <cstddef>
#include <cstdint>

inline constexpr size_t kBlowfishPWords = 18;
inline constexpr size_t kBlowfishSBoxes = 4;
inline constexpr size_t kBlowfishSBoxWords = 256;

extern const uint32_t kBlowfishInitialP[kBlowfishPWords];
extern const uint32_t kBlowfishInitialS[kBlowfishSBoxes][kBlowfishSBoxWords];
