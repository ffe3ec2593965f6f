#pragma once
// The enciphering counterpart of Blowfish, for the build tools and the tests; the
// product itself only deciphers. It reuses the component's key schedule and its
// forward block step rather than a cipher of its own.
#include <cstdint>
#include <string>

#include "cipher/Blowfish.h"

class BlowfishEncoder : public Blowfish {
 public:
  // Enciphers one 8-byte block in place under the key set with SetKey.
  void EncipherBlock(uint8_t* block);
  // The payload followed by 1 to 8 padding bytes that each hold their count,
  // enciphered block by block (ECB). The result deciphers back through Blowfish.
  std::string EncipherPaddedECB(const std::string& payload);
};

// The payload followed by 1 to 8 padding bytes that each hold their count; a
// payload of whole blocks gets a whole block of padding.
std::string WithPadding(const std::string& payload);
