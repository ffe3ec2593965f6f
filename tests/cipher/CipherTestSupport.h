#pragma once
// Helpers shared by the cipher tests: access to the component's internals, byte
// strings from hex, a mode encipherer built on the component's forward block and
// exception checks by exact class and message bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cipher/Blowfish.h"
#include "tests/support/ExpectError.h"
#include "tests/support/TestFiles.h"
#include "tools/packer/BlowfishEncoder.h"

class BlowfishProbe : public BlowfishEncoder {
 public:
  using Blowfish::CheckKeyAndIV;
  using Blowfish::DecodeTextForm;
  using Blowfish::DecipherBuffer;
  using Blowfish::DecipherWorkBlock;
  using Blowfish::EncipherWorkBlock;
  using Blowfish::buffer_;
  using Blowfish::core_;
  using Blowfish::iv_;
  using Blowfish::ivSet_;
  using Blowfish::keySet_;

  std::string Block() const { return std::string(reinterpret_cast<const char*>(core_.Block), 8); }
  std::string IV() const { return std::string(reinterpret_cast<const char*>(iv_), 8); }
  void PutBlock(const std::string& bytes);
};

// "0123 45" -> the bytes 01 23 45 (spaces ignored).
std::string FromHex(const std::string& hex);
// The 8-byte register for an IV phrase: byte k of the phrase xor-ed into byte k mod 8.
std::string FoldedIV(const std::string& phrase);
// Enciphers whole blocks in the given mode, the inverse of Blowfish's deciphering;
// iv is the 8-byte register and ends as Blowfish's iv_ would.
std::string Encipher(BlowfishEncoder& encoder, CipherMode mode, std::string& iv,
                     std::string plain);
// The bytes of the 64-character text form for data (the inverse of DecodeTextForm).
std::string EncodeTextForm(const std::string& data);

