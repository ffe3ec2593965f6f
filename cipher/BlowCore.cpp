#include "cipher/BlowCore.h"

namespace {
using SBoxes = uint32_t[kBlowfishSBoxes][kBlowfishSBoxWords];

// The round function: F(x) = ((S1[a] + S2[b]) xor S3[c]) + S4[d], a the top byte.
inline uint32_t Mix(const SBoxes& s, uint32_t x) {
  return ((s[0][x >> 24] + s[1][(x >> 16) & 0xFF]) ^ s[2][(x >> 8) & 0xFF]) + s[3][x & 0xFF];
}

// Blocks deciphered side by side: each round is applied to every lane before the
// next round starts, so the lanes' table lookups do not wait on each other.
inline constexpr size_t kLanes = 4;

template <size_t Lanes>
inline void DecryptLanes(const TBlowCore& core, uint8_t* data) {
  const uint32_t* p = core.FP;
  uint32_t left[Lanes];
  uint32_t right[Lanes];
  for (size_t i = 0; i < Lanes; ++i) {
    left[i] = LoadBigEndian(data + i * kBlowfishBlockSize) ^ p[17];
    right[i] = LoadBigEndian(data + i * kBlowfishBlockSize + 4);
  }
#pragma GCC unroll 8
  for (size_t round = 16; round > 0; round -= 2) {
#pragma GCC unroll 8
    for (size_t i = 0; i < Lanes; ++i) right[i] ^= Mix(core.FS, left[i]) ^ p[round];
#pragma GCC unroll 8
    for (size_t i = 0; i < Lanes; ++i) left[i] ^= Mix(core.FS, right[i]) ^ p[round - 1];
  }
  for (size_t i = 0; i < Lanes; ++i) {
    StoreBigEndian(right[i] ^ p[0], data + i * kBlowfishBlockSize);
    StoreBigEndian(left[i], data + i * kBlowfishBlockSize + 4);
  }
}
}  // namespace

void TBlowCore::EncryptHalves(uint32_t& left, uint32_t& right) const {
  uint32_t l = left ^ FP[0];
  uint32_t r = right;
  r ^= Mix(FS, l) ^ FP[1];   l ^= Mix(FS, r) ^ FP[2];
  r ^= Mix(FS, l) ^ FP[3];   l ^= Mix(FS, r) ^ FP[4];
  r ^= Mix(FS, l) ^ FP[5];   l ^= Mix(FS, r) ^ FP[6];
  r ^= Mix(FS, l) ^ FP[7];   l ^= Mix(FS, r) ^ FP[8];
  r ^= Mix(FS, l) ^ FP[9];   l ^= Mix(FS, r) ^ FP[10];
  r ^= Mix(FS, l) ^ FP[11];  l ^= Mix(FS, r) ^ FP[12];
  r ^= Mix(FS, l) ^ FP[13];  l ^= Mix(FS, r) ^ FP[14];
  r ^= Mix(FS, l) ^ FP[15];  l ^= Mix(FS, r) ^ FP[16];
  left = r ^ FP[17];
  right = l;
}

void TBlowCore::DecryptHalves(uint32_t& left, uint32_t& right) const {
  uint32_t l = left ^ FP[17];
  uint32_t r = right;
  r ^= Mix(FS, l) ^ FP[16];  l ^= Mix(FS, r) ^ FP[15];
  r ^= Mix(FS, l) ^ FP[14];  l ^= Mix(FS, r) ^ FP[13];
  r ^= Mix(FS, l) ^ FP[12];  l ^= Mix(FS, r) ^ FP[11];
  r ^= Mix(FS, l) ^ FP[10];  l ^= Mix(FS, r) ^ FP[9];
  r ^= Mix(FS, l) ^ FP[8];   l ^= Mix(FS, r) ^ FP[7];
  r ^= Mix(FS, l) ^ FP[6];   l ^= Mix(FS, r) ^ FP[5];
  r ^= Mix(FS, l) ^ FP[4];   l ^= Mix(FS, r) ^ FP[3];
  r ^= Mix(FS, l) ^ FP[2];   l ^= Mix(FS, r) ^ FP[1];
  left = r ^ FP[0];
  right = l;
}

void TBlowCore::DecryptIndependentBlocks(uint8_t* data, size_t blockCount) const {
  for (; blockCount >= kLanes; blockCount -= kLanes, data += kLanes * kBlowfishBlockSize)
    DecryptLanes<kLanes>(*this, data);
  for (; blockCount > 0; --blockCount, data += kBlowfishBlockSize) DecryptLanes<1>(*this, data);
}
