#pragma once
// OpenSSL's Blowfish as the baseline the component is measured against. Built
// only natively, and only into the benchmark.
#include <string>

// Deciphers size bytes at data in place with BF_ecb_encrypt, one block per call.
void OpenSslDecipherBuffer(const std::string& key, unsigned char* data, size_t size);
// Deciphers a file into another the way DecipherFile does (4096-byte chunks, the
// padding of the last chunk removed), with BF_ecb_encrypt doing the blocks. False
// when a file cannot be read or written.
bool OpenSslDecipherFile(const std::string& key, const std::string& inputPath, const std::string& outputPath);
