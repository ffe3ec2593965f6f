// Blowfish benchmark: deciphering a 64 MiB buffer and a 64 MiB file in ECB, each
// against baselines measured in the same run (a plain one-block-at-a-time decipher
// through the component's own block step, and natively OpenSSL's BF_ecb_encrypt),
// and the time of one key set-up. Prints `name: value` lines; MB are 10^6 bytes.
//   blowfish_bench [scratch folder]
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "bench/BenchTiming.h"
#include "cipher/Blowfish.h"
#include "tools/packer/BlowfishEncoder.h"
#ifdef ZEP_BENCH_OPENSSL
#include "bench/OpenSslBaseline.h"
#endif

namespace {
constexpr size_t kDataSize = 64 * 1024 * 1024;
constexpr int kRuns = 5;
const char kKey[] = "Harbor Lights";

// The component's two ways through a buffer: its own ECB path, and the plain loop
// that copies every block into the working block and deciphers it on its own.
class BufferDecipher : public Blowfish {
 public:
  BufferDecipher() { SetKey(kKey); }
  void Product(std::string& data) { DecipherBlocks(reinterpret_cast<uint8_t*>(&data[0]), data.size()); }
  void OneBlockAtATime(std::string& data) {
    for (size_t offset = 0; offset < data.size(); offset += kBlowfishBlockSize) {
      std::memcpy(core_.Block, &data[offset], kBlowfishBlockSize);
      DecipherBlock();
      std::memcpy(&data[offset], core_.Block, kBlowfishBlockSize);
    }
  }
};

int gExitCode = 0;

// Every baseline must produce the component's bytes, or its time means nothing.
void CheckSame(bool same, const char* baseline) {
  if (same) return;
  std::fprintf(stderr, "blowfish_bench: %s gave other bytes than the component\n", baseline);
  gExitCode = 1;
}

std::string EncipheredData() {
  std::mt19937 random(1);
  std::string payload(kDataSize - kBlowfishBlockSize, '\0');
  for (char& c : payload) c = static_cast<char>(random());
  BlowfishEncoder encoder;
  encoder.SetKey(kKey);
  return encoder.EncipherPaddedECB(payload);
}

void BenchKeySetup() {
  constexpr int kKeys = 2000;
  Blowfish blowfish;
  double seconds = BestSecondsEach(kRuns, {[&] {
                                     for (int i = 0; i < kKeys; ++i) blowfish.SetKey(kKey);
                                   }})[0];
  PrintFigure("setkey_us", seconds / kKeys * 1e6);
}

// Each way deciphers its own copy in place, over and over: the speed does not
// depend on the bytes, and no copying is timed. The first pass is compared.
void BenchBuffer(const std::string& cipher) {
  BufferDecipher component;
  std::string product = cipher, plain = cipher;
  component.Product(product);
  component.OneBlockAtATime(plain);
  CheckSame(plain == product, "the plain decipher");
  std::vector<std::function<void()>> works = {[&] { component.Product(product); },
                                              [&] { component.OneBlockAtATime(plain); }};
#ifdef ZEP_BENCH_OPENSSL
  std::string openssl = cipher;
  auto* bytes = reinterpret_cast<unsigned char*>(&openssl[0]);
  OpenSslDecipherBuffer(kKey, bytes, openssl.size());
  CheckSame(openssl == product, "OpenSSL");
  works.push_back([&] { OpenSslDecipherBuffer(kKey, bytes, openssl.size()); });
#endif
  std::vector<double> seconds = BestSecondsEach(kRuns, works);
  PrintFigure("ecb_buffer_mb_per_s", MegabytesPerSecond(kDataSize, seconds[0]));
  PrintFigure("ecb_buffer_plain_mb_per_s", MegabytesPerSecond(kDataSize, seconds[1]));
  PrintFigure("ecb_buffer_ratio_vs_plain", seconds[1] / seconds[0]);
#ifdef ZEP_BENCH_OPENSSL
  PrintFigure("ecb_buffer_openssl_mb_per_s", MegabytesPerSecond(kDataSize, seconds[2]));
  PrintFigure("ecb_buffer_ratio_vs_openssl", seconds[2] / seconds[0]);
#endif
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BenchFile(const std::string& cipher, const std::filesystem::path& folder) {
  const std::string input = (folder / "blowfish_bench_in.dat").string();
  const std::string output = (folder / "blowfish_bench_out.dat").string();
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(cipher.data(), static_cast<std::streamsize>(cipher.size()));
  }
  Blowfish blowfish;
  blowfish.SetKey(kKey);
  blowfish.DecipherFile(input, output);
  const std::string expected = ReadFile(output);
  CheckSame(expected.size() + 8 == cipher.size(), "the file's padding");
  std::vector<std::function<void()>> works = {[&] { blowfish.DecipherFile(input, output); }};
#ifdef ZEP_BENCH_OPENSSL
  const std::string opensslOutput = (folder / "blowfish_bench_openssl.dat").string();
  CheckSame(OpenSslDecipherFile(kKey, input, opensslOutput) && ReadFile(opensslOutput) == expected,
            "OpenSSL on the file");
  works.push_back([&] { OpenSslDecipherFile(kKey, input, opensslOutput); });
#endif
  std::vector<double> seconds = BestSecondsEach(kRuns, works);
  PrintFigure("ecb_file_mb_per_s", MegabytesPerSecond(kDataSize, seconds[0]));
#ifdef ZEP_BENCH_OPENSSL
  PrintFigure("ecb_file_openssl_mb_per_s", MegabytesPerSecond(kDataSize, seconds[1]));
  PrintFigure("ecb_file_ratio_vs_openssl", seconds[1] / seconds[0]);
  std::filesystem::remove(opensslOutput);
#endif
  std::filesystem::remove(input);
  std::filesystem::remove(output);
}
}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  BenchKeySetup();
  const std::string cipher = EncipheredData();
  BenchBuffer(cipher);
  BenchFile(cipher, folder);
  return gExitCode;
}
