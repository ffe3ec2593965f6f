#pragma once
// SHA-256 (FIPS 180-4) over bytes given in pieces of any size.
#include <cstddef>
#include <cstdint>
#include <string>

class Sha256 {
 public:
  Sha256();
  void Add(const void* bytes, size_t count);
  // The digest of everything added, as 64 lowercase hexadecimal digits. The object is
  // then spent: adding more needs a new one.
  std::string HexDigest();

 private:
  void Compress(const uint8_t* block);

  uint32_t state_[8];
  uint8_t pending_[64];
  size_t pendingCount_ = 0;
  uint64_t totalBytes_ = 0;
};
