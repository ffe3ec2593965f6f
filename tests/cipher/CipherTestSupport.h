#pragma once
// Helpers shared by the cipher tests: byte strings from hex, the chaining register an
// IV phrase gives, a mode encipherer built on the encoder's forward block and the text
// form of bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cipher/Blowfish.h"
#include "tests/support/ExpectError.h"
#include "tests/support/TestFiles.h"
#include "tools/packer/BlowfishEncoder.h"

// "0123 45" -> the bytes 01 23 45 (spaces ignored).
std::string FromHex(const std::string& hex);
// The 8-byte register for an IV phrase: byte k of the phrase xor-ed into byte k mod 8.
std::string FoldedIV(const std::string& phrase);
// Enciphers whole blocks in the given mode, the inverse of Blowfish's deciphering; iv is
// the 8-byte register and ends as the register of a Blowfish that deciphered the result.
std::string Encipher(BlowfishEncoder& encoder, CipherMode mode, std::string& iv, std::string plain);
// The bytes of the 64-character text form for data.
std::string EncodeTextForm(const std::string& data);
