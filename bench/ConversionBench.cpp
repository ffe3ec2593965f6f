// Conversion benchmark: a settings file of about 200 KB converted with an 8 MiB
// runtime, timed against a baseline measured in the same run (OpenSSL deciphering the
// same runtime file in ECB, then a plain copy of the two parts into one file), and the
// peak memory of a fresh process converting with an 8 MiB and a 64 MiB runtime.
// Prints `name: value` lines. Scratch files go to $TMPDIR (default /tmp).
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "bench/OpenSslBaseline.h"
#include "engine/ConversionEngine.h"
#include "platform/File.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/TestFiles.h"
#include "tools/packer/BlowfishEncoder.h"
#include "tools/packer/RuntimePacker.h"

namespace {
constexpr size_t kMiB = 1024 * 1024;
constexpr int kRuns = 7;
constexpr char kExeName[] = "Macro.exe";

// A runtime file of a program image of imageSize bytes (headers, then pseudo-random
// bytes) enciphered as the packer does it, a MiB at a time so that even a large one
// takes little memory here.
void WriteRuntimeFile(const std::string& path, size_t imageSize) {
  BlowfishEncoder encoder;
  encoder.SetKey(kRuntimeKeyPhrase);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string chunk;
  uint32_t state = 0x9E3779B9;
  for (size_t done = 0;;) {
    chunk.resize(std::min(kMiB, imageSize - done));
    for (char& byte : chunk) byte = static_cast<char>((state = state * 1664525 + 1013904223) >> 24);
    if (done == 0) chunk.replace(0, kProgramHeadersSize, ProgramHeaders(imageSize));
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

// A folder with the settings file and a runtime file of imageSize bytes.
void PrepareFolder(const TempFolder& folder, size_t imageSize) {
  WriteBytes(folder / "Macro.zep", SettingsFile());
  WriteRuntimeFile(folder / "Zepcom.dat", imageSize);
}

class NullSink : public IWarningSink {
 public:
  void ShowWarning(const std::string&) override {}
};

// The conversion as the wizard runs it, everything in one folder, which is also the
// current folder, where the executable's bare name leads.
struct BenchConversion {
  explicit BenchConversion(const std::string& folder) {
    Engine.SetProgram(folder, "zepplay.exe");
    Engine.SetWorkFolder(folder);
    if (chdir(folder.c_str()) != 0 || !Engine.LoadSettingsFile(folder + "Macro.zep")) std::abort();
  }
  void Run() {
    if (!Engine.Convert(HeaderOptions{}, kExeName, nullptr)) std::abort();
  }
  NullSink Warnings;
  ConversionEngine Engine{Warnings};
};

void AppendWholeFile(platform::File& output, const std::string& path) {
  std::string bytes = ReadBytes(path);
  size_t written = 0;
  if (!output.Write(bytes.data(), bytes.size(), written) || written != bytes.size()) std::abort();
}

// The baseline: OpenSSL deciphers the runtime file, then the image and the
// attachment are copied into one file.
void Baseline(const TempFolder& folder) {
  if (!OpenSslDecipherFile(kRuntimeKeyPhrase, folder / "Zepcom.dat", folder / "baseline.dat"))
    std::abort();
  platform::File output;
  if (!output.Create(folder / "baseline.exe", platform::Share::None)) std::abort();
  AppendWholeFile(output, folder / "baseline.dat");
  AppendWholeFile(output, folder / "Attach.zep");
}

long PeakKiB() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// In the fresh process: converts in folder and prints the peak before and after.
int PeakChild(const std::string& folder) {
  BenchConversion conversion(folder);
  const long before = PeakKiB();
  conversion.Run();
  std::printf("%ld %ld\n", before, PeakKiB());
  return 0;
}

// Runs this program again with "--peak-child" on a runtime of imageSize bytes and
// prints its peak resident memory after the conversion and how much the conversion
// added to the peak it had when loaded and set up.
void PrintConversionPeak(size_t imageSize) {
  TempFolder folder;
  PrepareFolder(folder, imageSize);
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self);
  if (length <= 0) std::abort();
  const std::string command = "'" + std::string(self, static_cast<size_t>(length)) +
                              "' --peak-child '" + folder.Path() + "'";
  long before = -1, after = -1;
  if (std::FILE* child = popen(command.c_str(), "r")) {
    if (std::fscanf(child, "%ld %ld", &before, &after) != 2) std::abort();
    pclose(child);
  }
  const std::string name = "peak_" + std::to_string(imageSize / kMiB) + "mib_";
  PrintFigure((name + "kib").c_str(), static_cast<double>(after));
  PrintFigure((name + "growth_kib").c_str(), static_cast<double>(after - before));
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--peak-child") == 0) return PeakChild(argv[2]);

  TempFolder folder;
  PrepareFolder(folder, 8 * kMiB);
  BenchConversion conversion(folder.Path());
  const std::vector<double> best =
      BestSecondsEach(kRuns, {[&] { conversion.Run(); }, [&] { Baseline(folder); }});
  const bool same = ReadBytes(folder / kExeName) == ReadBytes(folder / "baseline.exe");

  PrintFigure("settings_kb", ReadBytes(folder / "Macro.zep").size() / 1e3);
  PrintFigure("runtime_mib", 8);
  PrintFigure("ms", best[0] * 1e3);
  PrintFigure("baseline_openssl_copy_ms", best[1] * 1e3);
  PrintFigure("ratio", best[0] / best[1]);
  PrintConversionPeak(8 * kMiB);
  PrintConversionPeak(64 * kMiB);
  if (!same) std::fprintf(stderr, "conversion_bench: the baseline wrote other bytes\n");
  return same ? 0 : 1;
}
