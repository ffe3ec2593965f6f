#include "tests/support/TestSigner.h"

#include <cstdio>
#include <cstdlib>

TestSigner::TestSigner() {
  const std::string command =
      "osslsigncode --version >/dev/null 2>&1 && openssl req -x509 -newkey ec -nodes -pkeyopt "
      "ec_paramgen_curve:prime256v1 -subj /CN=Signer 2>/dev/null -keyout " +
      folder_ / "key.pem -out " + folder_ / "cert.pem";
  available_ = std::system(command.c_str()) == 0;
}

std::string TestSigner::Signed(const std::string& bytes) const {
  WriteBytes(folder_ / "unsigned.exe", bytes);
  std::remove((folder_ / "signed.exe").c_str());  // which osslsigncode does not overwrite
  const std::string command = "osslsigncode sign >/dev/null -certs " + folder_ / "cert.pem -key " +
                              folder_ / "key.pem -in " + folder_ / "unsigned.exe -out " +
                              folder_ / "signed.exe";
  return std::system(command.c_str()) == 0 ? ReadBytes(folder_ / "signed.exe") : std::string();
}
