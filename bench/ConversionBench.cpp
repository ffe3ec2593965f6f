// Conversion benchmark: a settings file of about 200 KB converted with an 8 MiB
// runtime, timed against a baseline measured in the same run (OpenSSL deciphering the
// same runtime file in ECB, then a plain copy of the two parts into one file), and the
// conversion's peak memory for an 8 MiB and a 64 MiB runtime.
// Prints `name: value` lines.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "engine/ConversionEngine.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"
#include "tools/packer/BlowfishEncoder.h"
#include "tools/packer/RuntimePacker.h"

namespace {
constexpr size_t kMiB = 1024 * 1024;
constexpr int kRounds = 7;  // each time is the best of these, the least disturbed
constexpr char kExeName[] = "Macro.exe";

// Writes a runtime file of imageSize pseudo-random bytes enciphered as the packer
// does it, a MiB at a time so that even large ones take little memory here.
void WriteRuntimeFile(const std::string& path, size_t imageSize) {
  TBlowfishEncoder encoder;
  encoder.SetKey(kRuntimeKeyPhrase);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string chunk;
  uint32_t state = 0x9E3779B9;
  for (size_t done = 0;;) {
    chunk.resize(std::min(kMiB, imageSize - done));
    for (char& byte : chunk) byte = static_cast<char>((state = state * 1664525 + 1013904223) >> 24);
    done += chunk.size();
    if (done == imageSize) {
      const std::string last = encoder.EncipherPaddedECB(chunk);
      out.write(last.data(), static_cast<std::streamsize>(last.size()));
      return;
    }
    for (size_t offset = 0; offset < chunk.size(); offset += 8)
      encoder.EncipherBlock(reinterpret_cast<uint8_t*>(&chunk[offset]));
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
  }
}

// About 200 KB of macro steps behind the fresh header line.
std::string SettingsFile() {
  std::vector<std::string> steps;
  size_t size = 0;
  while (size < 200 * 1024) {
    steps.push_back(std::to_string(steps.size()) + ",\x83}\x83""E\x83X\x88\xDA\x93\xAE," +
                    std::to_string(steps.size() % 1024) + ",340,0");
    size += steps.back().size() + 2;
  }
  return SettingsFileBytes(steps);
}

class TNullSink : public IWarningSink {
 public:
  void ShowWarning(const std::string&) override {}
};

// The conversion as the wizard runs it; the folders use "/" natively, so the
// executable goes to the current folder, which the caller sets.
struct TConversionSetup {
  explicit TConversionSetup(const std::string& folder) {
    Engine.SetProgramFolder(folder);
    Engine.SetWorkFolder(folder);
    if (!Engine.LoadSettingsFile(folder + "Macro.zep")) std::abort();
  }
  void Convert() {
    if (!Engine.Convert(THeaderOptions{}, kExeName, nullptr)) std::abort();
  }
  TNullSink Warnings;
  TConversionEngine Engine{Warnings};
};

// The baseline: OpenSSL deciphers the runtime file into a runtime image, then the
// image and the attachment are copied into one output file.
void Baseline(const std::string& runtimeFile, const std::string& attachment,
              const std::string& image, const std::string& output) {
  BF_KEY key;
  BF_set_key(&key, static_cast<int>(std::strlen(kRuntimeKeyPhrase)),
             reinterpret_cast<const unsigned char*>(kRuntimeKeyPhrase));
  std::vector<unsigned char> buffer(64 * 1024);
  {
    std::FILE* in = std::fopen(runtimeFile.c_str(), "rb");
    std::FILE* out = std::fopen(image.c_str(), "wb");
    size_t count;
    std::vector<unsigned char> held;  // the last chunk keeps its padding until the end
    while ((count = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
      if (!held.empty()) std::fwrite(held.data(), 1, held.size(), out);
      for (size_t offset = 0; offset < count; offset += 8)
        BF_ecb_encrypt(&buffer[offset], &buffer[offset], &key, BF_DECRYPT);
      held.assign(buffer.begin(), buffer.begin() + static_cast<long>(count));
    }
    std::fwrite(held.data(), 1, held.size() - held.back(), out);
    std::fclose(in);
    std::fclose(out);
  }
  std::FILE* out = std::fopen(output.c_str(), "wb");
  for (const std::string& part : {image, attachment}) {
    std::FILE* in = std::fopen(part.c_str(), "rb");
    size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), in)) > 0)
      std::fwrite(buffer.data(), 1, count, out);
    std::fclose(in);
  }
  std::fclose(out);
}

template <typename Step>
double Seconds(Step step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(const std::vector<double>& values) {
  return *std::min_element(values.begin(), values.end());
}

long PeakKiB() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct TPeak {
  long BeforeKiB = -1;  // peak resident memory of the fresh process, set up to convert
  long AfterKiB = -1;   // and after the conversion
};

// Converts in folder as a fresh process would, and prints the two peaks.
int PeakChild(const std::string& folder) {
  if (chdir(folder.c_str()) != 0) return 1;
  TConversionSetup setup(folder);
  const long before = PeakKiB();
  setup.Convert();
  std::printf("%ld %ld\n", before, PeakKiB());
  return 0;
}

// The peak resident memory of a fresh process that converts with a runtime of
// imageSize bytes: this program started again with "--peak-child".
TPeak ConversionPeak(size_t imageSize) {
  TTempFolder folder;
  WriteBytes(folder / "Macro.zep", SettingsFile());
  WriteRuntimeFile(folder / "Zepcom.dat", imageSize);
  TPeak peak;
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self);
  if (length <= 0) return peak;
  const std::string command =
      "'" + std::string(self, static_cast<size_t>(length)) + "' --peak-child '" + folder.Path() + "'";
  if (std::FILE* child = popen(command.c_str(), "r")) {
    if (std::fscanf(child, "%ld %ld", &peak.BeforeKiB, &peak.AfterKiB) != 2) peak = TPeak{};
    pclose(child);
  }
  return peak;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--peak-child") == 0) return PeakChild(argv[2]);
  TTempFolder folder;
  const std::string settings = SettingsFile();
  WriteBytes(folder / "Macro.zep", settings);
  WriteRuntimeFile(folder / "Zepcom.dat", 8 * kMiB);
  if (chdir(folder.Path().c_str()) != 0) return 1;
  TConversionSetup setup(folder.Path());

  std::vector<double> conversion, baseline;
  for (int round = 0; round < kRounds; ++round) {
    conversion.push_back(Seconds([&] { setup.Convert(); }));
    baseline.push_back(Seconds([&] {
      Baseline(folder / "Zepcom.dat", folder / "Attach.zep", folder / "baseline.dat",
               folder / "baseline.exe");
    }));
  }
  const bool identical = ReadBytes(folder / kExeName) == ReadBytes(folder / "baseline.exe");

  std::printf("conversion_settings_bytes: %zu\n", settings.size());
  std::printf("conversion_runtime_bytes: %zu\n", 8 * kMiB);
  std::printf("conversion_seconds: %.4f\n", Best(conversion));
  std::printf("conversion_baseline_openssl_copy_seconds: %.4f\n", Best(baseline));
  std::printf("conversion_ratio: %.3f\n", Best(conversion) / Best(baseline));
  std::printf("conversion_output_matches_baseline: %s\n", identical ? "yes" : "no");
  for (size_t mib : {8, 64}) {
    const TPeak peak = ConversionPeak(mib * kMiB);
    std::printf("conversion_peak_rss_%zumib_kib: %ld\n", mib, peak.AfterKiB);
    std::printf("conversion_peak_growth_%zumib_kib: %ld\n", mib, peak.AfterKiB - peak.BeforeKiB);
  }
  return identical ? 0 : 1;
}
