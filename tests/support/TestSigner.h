#pragma once
// Signs executables as a company signs the programs it hands out, after Zepplay made them:
// osslsigncode with a certificate made for the test (natively only).
#include <string>

#include "tests/support/TestFiles.h"

class TestSigner {
 public:
  // Makes a key and a self-signed certificate in a folder of its own.
  TestSigner();
  // False when osslsigncode or openssl is missing.
  bool Available() const { return available_; }
  // bytes, signed.
  std::string Signed(const std::string& bytes) const;

 private:
  TempFolder folder_;
  bool available_ = false;
};
