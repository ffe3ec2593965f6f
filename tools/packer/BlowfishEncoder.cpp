#include "tools/packer/BlowfishEncoder.h"

#include <cstring>

void TBlowfishEncoder::EncipherBlock(uint8_t* block) {
  std::memcpy(FCore.FBlock, block, kBlowfishBlockSize);
  EncryptWorkBlock();
  std::memcpy(block, FCore.FBlock, kBlowfishBlockSize);
}

std::string TBlowfishEncoder::EncipherPaddedECB(const std::string& payload) {
  size_t padding = kBlowfishBlockSize - payload.size() % kBlowfishBlockSize;
  std::string data = payload;
  data.append(padding, static_cast<char>(padding));
  for (size_t offset = 0; offset < data.size(); offset += kBlowfishBlockSize)
    EncipherBlock(reinterpret_cast<uint8_t*>(&data[offset]));
  return data;
}
