// Fuzz target for the Blowfish component: any bytes as key, mode and string input.
// DecipherString either succeeds or raises one of the component's exceptions, and
// removes at most 8 bytes; the side-by-side ECB path agrees with the one-block path.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cipher/Blowfish.h"

namespace {
class FuzzedBlowfish : public Blowfish {
 public:
  // Deciphers data both ways in ECB and stops the run when they disagree.
  void CompareECBPaths(std::string data) {
    std::string single = data;
    auto* bytes = reinterpret_cast<uint8_t*>(&single[0]);
    const size_t whole = data.size() / kBlowfishBlockSize;
    for (size_t block = 0; block < whole; ++block) {
      const size_t offset = block * kBlowfishBlockSize;
      std::memcpy(core_.Block, bytes + offset, kBlowfishBlockSize);
      DecipherWorkBlock();
      std::memcpy(bytes + offset, core_.Block, kBlowfishBlockSize);
    }
    core_.DecipherIndependentBlocks(reinterpret_cast<uint8_t*>(&data[0]), whole);
    if (data != single) std::abort();
  }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const CipherMode mode = static_cast<CipherMode>(data[0] & 3);
  const StringMode stringMode = (data[0] & 4) ? RawBytes : TextForm;
  const size_t keyLength = std::min<size_t>(data[1], size - 2);
  const std::string key(reinterpret_cast<const char*>(data + 2), keyLength);
  const std::string input(reinterpret_cast<const char*>(data + 2 + keyLength), size - 2 - keyLength);

  FuzzedBlowfish blowfish;
  try {
    blowfish.SetIV(key);
    blowfish.SetKey(key);
  } catch (const EKeyError&) {
    return 0;
  }
  blowfish.CompareECBPaths(input);
  blowfish.SetMode(mode);
  blowfish.SetStringForm(stringMode);
  std::string output;
  try {
    blowfish.DecipherString(input, output);
  } catch (const EInputError&) {
    return 0;
  } catch (const EConvertError&) {
    return 0;
  }
  if (stringMode == RawBytes && !input.empty() &&
      (output.size() >= input.size() || output.size() + 8 < input.size()))
    std::abort();
  return 0;
}
