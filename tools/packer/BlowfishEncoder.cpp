#include "tools/packer/BlowfishEncoder.h"

#include <cstring>

void BlowfishEncoder::EncipherBlock(uint8_t* block) {
  std::memcpy(core_.Block, block, kBlowfishBlockSize);
  EncipherWorkBlock();
  std::memcpy(block, core_.Block, kBlowfishBlockSize);
}

std::string WithPadding(const std::string& payload) {
  size_t padding = kBlowfishBlockSize - payload.size() % kBlowfishBlockSize;
  return payload + std::string(padding, static_cast<char>(padding));
}

std::string BlowfishEncoder::EncipherPaddedECB(const std::string& payload) {
  std::string data = WithPadding(payload);
  for (size_t offset = 0; offset < data.size(); offset += kBlowfishBlockSize)
    EncipherBlock(reinterpret_cast<uint8_t*>(&data[offset]));
  return data;
}
