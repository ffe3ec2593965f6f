#pragma once
// SHA-256 (FIPS 180-4) over bytes given in pieces of any size. On x86 processors that
// have the SHA instructions the rounds run on them, found out when the program runs;
// everywhere else they run in plain C++.
#include <cstddef>
#include <cstdint>
#include <string>

class Sha256 {
 public:
  // Which code runs the rounds; both give the same digest.
  enum class Rounds {
    Fastest,   // the processor's SHA instructions where it has them, else Portable
    Portable,  // plain C++, on any processor
  };

  explicit Sha256(Rounds rounds = Rounds::Fastest);
  void Add(const void* bytes, size_t count);
  // The digest of everything added, as 64 lowercase hexadecimal digits. The object is
  // then spent: adding more needs a new one.
  std::string HexDigest();

 private:
  // Runs the rounds over count 64-byte blocks, one after the other, into state.
  using CompressBlocks = void (*)(uint32_t* state, const uint8_t* blocks, size_t count);

  CompressBlocks compress_;
  uint32_t state_[8];
  uint8_t pending_[64];
  size_t pendingCount_ = 0;
  uint64_t totalBytes_ = 0;
};
