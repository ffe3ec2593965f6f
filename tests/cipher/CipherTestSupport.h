#pragma once
// Helpers shared by the cipher tests: access to the component's internals, byte
// strings from hex, a mode encipherer built on the component's forward block and
// exception checks by exact class and message bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <typeinfo>

#include "cipher/Blowfish.h"
#include "tests/support/TestFiles.h"
#include "tools/packer/BlowfishEncoder.h"

class TBlowfishProbe : public TBlowfishEncoder {
 public:
  using TBlowfish::CheckKeyAndIV;
  using TBlowfish::DecodeBase64;
  using TBlowfish::DecryptBuffer;
  using TBlowfish::DecryptWorkBlock;
  using TBlowfish::EncryptWorkBlock;
  using TBlowfish::FBuffer;
  using TBlowfish::FCore;
  using TBlowfish::FIV;
  using TBlowfish::FIVSet;
  using TBlowfish::FKeySet;

  std::string Block() const { return std::string(reinterpret_cast<const char*>(FCore.FBlock), 8); }
  std::string IV() const { return std::string(reinterpret_cast<const char*>(FIV), 8); }
  void PutBlock(const std::string& bytes);
};

// "0123 45" -> the bytes 01 23 45 (spaces ignored).
std::string FromHex(const std::string& hex);
// Enciphers whole blocks in the given mode, the inverse of TBlowfish's deciphering;
// iv is the 8-byte register and ends as TBlowfish's FIV would.
std::string Encipher(TBlowfishEncoder& encoder, TCipherMode mode, std::string& iv,
                     std::string plain);
// The bytes of the 64-character text form for data (the inverse of DecodeBase64).
std::string EncodeTextForm(const std::string& data);

// Runs action and expects exactly the exception class E with the message bytes.
template <typename E, typename Action>
void ExpectError(Action&& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no exception, expected " << typeid(E).name();
  } catch (const Exception& error) {
    EXPECT_EQ(typeid(error), typeid(E)) << typeid(error).name();
    EXPECT_EQ(error.Message(), message);
  }
}
