#pragma once
// The Blowfish cipher state: the key-dependent tables, the working block and the
// 16-round block functions. Blowfish owns one and drives it.
#include <cstddef>
#include <cstdint>

#include "cipher/BlowfishTables.h"

inline constexpr size_t kBlowfishBlockSize = 8;

// A block is two 32-bit halves, each stored most significant byte first.
inline uint32_t LoadBigEndian(const uint8_t* bytes) {
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | uint32_t{bytes[3]};
}

inline void StoreBigEndian(uint32_t value, uint8_t* bytes) {
  bytes[0] = static_cast<uint8_t>(value >> 24);
  bytes[1] = static_cast<uint8_t>(value >> 16);
  bytes[2] = static_cast<uint8_t>(value >> 8);
  bytes[3] = static_cast<uint8_t>(value);
}

class BlowfishCore {
 public:
  // The 16 rounds forward or backward on the two halves of one block, in place.
  void EncipherHalves(uint32_t& left, uint32_t& right) const;
  void DecipherHalves(uint32_t& left, uint32_t& right) const;

  // Deciphers blockCount independent 8-byte blocks in place (ECB), several side by
  // side so that their table lookups overlap. Block is not touched.
  void DecipherIndependentBlocks(uint8_t* data, size_t blockCount) const;

  uint32_t P[kBlowfishPWords] = {};
  uint32_t S[kBlowfishSBoxes][kBlowfishSBoxWords] = {};
  uint8_t Block[kBlowfishBlockSize] = {};
};
