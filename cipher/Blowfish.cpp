// Key and IV set-up, the block steps and the chaining modes of Blowfish.
#include "cipher/Blowfish.h"

#include <cstring>

#include "common/Texts.h"

namespace {
// Zeroes memory through a volatile pointer, so that the stores stay even when nothing
// reads the memory afterwards.
void WipeMemory(void* memory, size_t size) {
  volatile uint8_t* bytes = static_cast<volatile uint8_t*>(memory);
  for (size_t i = 0; i < size; ++i) bytes[i] = 0;
}

void XorBlock(uint8_t* target, const uint8_t* mask) {
  for (size_t i = 0; i < kBlowfishBlockSize; ++i) target[i] ^= mask[i];
}

// Runs one direction of the block cipher on the working block, whose halves are
// stored big-endian whatever the host's byte order.
void RunOnWorkBlock(BlowfishCore& core, void (BlowfishCore::*halves)(uint32_t&, uint32_t&) const) {
  uint32_t left = LoadBigEndian(core.Block);
  uint32_t right = LoadBigEndian(core.Block + 4);
  (core.*halves)(left, right);
  StoreBigEndian(left, core.Block);
  StoreBigEndian(right, core.Block + 4);
}
}  // namespace

void Blowfish::SetKey(const std::string& key) {
  if (key.empty() || key.size() > kMaxKeyLength) throw EKeyError(Texts::kBlowfishKeyLength);
  std::memset(savedBlock_, 0, sizeof savedBlock_);
  std::memset(core_.Block, 0, sizeof core_.Block);
  ExpandKey(reinterpret_cast<const uint8_t*>(key.data()), key.size());
  keySet_ = true;
}

void Blowfish::SetIV(const std::string& iv) {
  std::memset(iv_, 0, sizeof iv_);
  for (size_t k = 0; k < iv.size(); ++k) iv_[k % kBlowfishBlockSize] ^= static_cast<uint8_t>(iv[k]);
  ivSet_ = true;
}

Blowfish::~Blowfish() {
  WipeMemory(iv_, sizeof iv_);
  WipeMemory(savedBlock_, sizeof savedBlock_);
  WipeMemory(buffer_, sizeof buffer_);
  WipeMemory(&core_, sizeof core_);
}

void Blowfish::ClearKey() {
  std::memset(core_.P, 0, sizeof core_.P);
  std::memset(core_.S, 0, sizeof core_.S);
  std::memset(core_.Block, 0, sizeof core_.Block);
  keySet_ = false;
  ivSet_ = false;
}

void Blowfish::CheckKeyAndIV() const {
  if (!keySet_) throw EKeyError(Texts::kBlowfishKeyNotSet);
  if (cipherMode_ != ECB && !ivSet_) throw EKeyError(Texts::kBlowfishIVNotSet);
}

void Blowfish::InitTables() {
  std::memcpy(core_.P, kBlowfishInitialP, sizeof core_.P);
  std::memcpy(core_.S, kBlowfishInitialS, sizeof core_.S);
}

void Blowfish::ExpandKey(const uint8_t* key, size_t length) {
  InitTables();
  size_t j = 0;
  for (uint32_t& p : core_.P) {
    uint32_t word = 0;
    for (int byte = 0; byte < 4; ++byte, j = (j + 1) % length) word = word << 8 | key[j];
    p ^= word;
  }
  // One chain of encipherments, starting from a zero block, replaces the P-array and
  // then the S-boxes two words at a time.
  uint32_t left = 0;
  uint32_t right = 0;
  auto refill = [&](uint32_t* words, size_t count) {
    for (size_t i = 0; i < count; i += 2) {
      core_.EncipherHalves(left, right);
      words[i] = left;
      words[i + 1] = right;
    }
  };
  refill(core_.P, kBlowfishPWords);
  for (auto& box : core_.S) refill(box, kBlowfishSBoxWords);
}

void Blowfish::EncipherWorkBlock() { RunOnWorkBlock(core_, &BlowfishCore::EncipherHalves); }

void Blowfish::DecipherWorkBlock() { RunOnWorkBlock(core_, &BlowfishCore::DecipherHalves); }

void Blowfish::DecipherBlock() {
  uint8_t* block = core_.Block;
  switch (cipherMode_) {
    case ECB:
      DecipherWorkBlock();
      break;
    case CBC:
      std::memcpy(savedBlock_, block, kBlowfishBlockSize);
      DecipherWorkBlock();
      XorBlock(block, iv_);
      std::memcpy(iv_, savedBlock_, kBlowfishBlockSize);
      break;
    case CFB:
    case OFB:
      // The register is enciphered into the key stream; CFB then feeds the cipher
      // text back, OFB keeps the key stream.
      std::memcpy(savedBlock_, block, kBlowfishBlockSize);
      std::memcpy(block, iv_, kBlowfishBlockSize);
      EncipherWorkBlock();
      std::memcpy(iv_, block, kBlowfishBlockSize);
      std::memcpy(block, savedBlock_, kBlowfishBlockSize);
      XorBlock(block, iv_);
      if (cipherMode_ == CFB) std::memcpy(iv_, savedBlock_, kBlowfishBlockSize);
      break;
  }
}

void Blowfish::DecipherBlocks(uint8_t* data, size_t count) {
  if (count == 0) return;
  if (cipherMode_ == ECB) {
    core_.DecipherIndependentBlocks(data, count / kBlowfishBlockSize);
    std::memcpy(core_.Block, data + count - kBlowfishBlockSize, kBlowfishBlockSize);
    return;
  }
  for (size_t offset = 0; offset < count; offset += kBlowfishBlockSize) {
    std::memcpy(core_.Block, data + offset, kBlowfishBlockSize);
    DecipherBlock();
    std::memcpy(data + offset, core_.Block, kBlowfishBlockSize);
  }
}

void Blowfish::DecipherBuffer(size_t count) {
  CheckKeyAndIV();
  DecipherBlocks(buffer_, count);
}
