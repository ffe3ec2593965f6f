// Key and IV set-up, the block steps and the chaining modes of TBlowfish.
#include "cipher/Blowfish.h"

#include <cstring>

#include "common/Texts.h"

namespace {
void XorBlock(uint8_t* target, const uint8_t* mask) {
  for (size_t i = 0; i < kBlowfishBlockSize; ++i) target[i] ^= mask[i];
}

// Runs one direction of the block cipher on the working block, whose halves are
// stored big-endian whatever the host's byte order.
void RunOnWorkBlock(TBlowCore& core, void (TBlowCore::*halves)(uint32_t&, uint32_t&) const) {
  uint32_t left = LoadBigEndian(core.FBlock);
  uint32_t right = LoadBigEndian(core.FBlock + 4);
  (core.*halves)(left, right);
  StoreBigEndian(left, core.FBlock);
  StoreBigEndian(right, core.FBlock + 4);
}
}  // namespace

void TBlowfish::SetKey(const std::string& key) {
  if (key.empty() || key.size() > kMaxKeyLength) throw EKeyError(Texts::BlowfishKeyLength);
  std::memset(FSavedBlock, 0, sizeof FSavedBlock);
  std::memset(FCore.FBlock, 0, sizeof FCore.FBlock);
  ExpandKey(reinterpret_cast<const uint8_t*>(key.data()), key.size());
  FKeySet = true;
}

void TBlowfish::SetIV(const std::string& iv) {
  std::memset(FIV, 0, sizeof FIV);
  for (size_t k = 0; k < iv.size(); ++k) FIV[k % kBlowfishBlockSize] ^= static_cast<uint8_t>(iv[k]);
  FIVSet = true;
}

void TBlowfish::ClearKey() {
  std::memset(FCore.FP, 0, sizeof FCore.FP);
  std::memset(FCore.FS, 0, sizeof FCore.FS);
  std::memset(FCore.FBlock, 0, sizeof FCore.FBlock);
  FKeySet = false;
  FIVSet = false;
}

void TBlowfish::CheckKeyAndIV() const {
  if (!FKeySet) throw EKeyError(Texts::BlowfishKeyNotSet);
  if (FCipherMode != ECB && !FIVSet) throw EKeyError(Texts::BlowfishIVNotSet);
}

void TBlowfish::InitTables() {
  std::memcpy(FCore.FP, kBlowfishInitialP, sizeof FCore.FP);
  std::memcpy(FCore.FS, kBlowfishInitialS, sizeof FCore.FS);
}

void TBlowfish::ExpandKey(const uint8_t* key, size_t length) {
  InitTables();
  size_t j = 0;
  for (uint32_t& p : FCore.FP) {
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
      FCore.EncryptHalves(left, right);
      words[i] = left;
      words[i + 1] = right;
    }
  };
  refill(FCore.FP, kBlowfishPWords);
  for (auto& box : FCore.FS) refill(box, kBlowfishSBoxWords);
}

void TBlowfish::EncryptWorkBlock() { RunOnWorkBlock(FCore, &TBlowCore::EncryptHalves); }

void TBlowfish::DecryptWorkBlock() { RunOnWorkBlock(FCore, &TBlowCore::DecryptHalves); }

void TBlowfish::DecryptBlock() {
  uint8_t* block = FCore.FBlock;
  switch (FCipherMode) {
    case ECB:
      DecryptWorkBlock();
      break;
    case CBC:
      std::memcpy(FSavedBlock, block, kBlowfishBlockSize);
      DecryptWorkBlock();
      XorBlock(block, FIV);
      std::memcpy(FIV, FSavedBlock, kBlowfishBlockSize);
      break;
    case CFB:
    case OFB:
      // The register is enciphered into the key stream; CFB then feeds the cipher
      // text back, OFB keeps the key stream.
      std::memcpy(FSavedBlock, block, kBlowfishBlockSize);
      std::memcpy(block, FIV, kBlowfishBlockSize);
      EncryptWorkBlock();
      std::memcpy(FIV, block, kBlowfishBlockSize);
      std::memcpy(block, FSavedBlock, kBlowfishBlockSize);
      XorBlock(block, FIV);
      if (FCipherMode == CFB) std::memcpy(FIV, FSavedBlock, kBlowfishBlockSize);
      break;
  }
}

void TBlowfish::DecryptBlocks(uint8_t* data, size_t count) {
  if (count == 0) return;
  if (FCipherMode == ECB) {
    FCore.DecryptIndependentBlocks(data, count / kBlowfishBlockSize);
    std::memcpy(FCore.FBlock, data + count - kBlowfishBlockSize, kBlowfishBlockSize);
    return;
  }
  for (size_t offset = 0; offset < count; offset += kBlowfishBlockSize) {
    std::memcpy(FCore.FBlock, data + offset, kBlowfishBlockSize);
    DecryptBlock();
    std::memcpy(data + offset, FCore.FBlock, kBlowfishBlockSize);
  }
}

void TBlowfish::DecryptBuffer(size_t count) {
  CheckKeyAndIV();
  DecryptBlocks(FBuffer, count);
}
