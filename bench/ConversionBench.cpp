// Benchmark of the conversion that the wizard, its silent run and the console program
// share, and of the commands on executables: a settings file of about 200 KB converted
// with an 8 MiB runtime, without and with an icon of six images and all six texts of
// version information, and that executable inspected, each through the shared operations
// the front ends call, without starting a process. Two baselines are
// measured in the same run: this program's own Blowfish deciphering the runtime file into
// memory, followed by a copy of the settings bytes (the floor that any conversion has to
// pay), and OpenSSL doing the same deciphering. Then the peak memory of each command
// (convert, inspect, extract, update) in a fresh process, with an 8 MiB and a 64 MiB
// runtime, and of the commands on executables with 2 GiB ones that are mostly a sparse hole.
// The executable must hold exactly the bytes of the baselines, and the inspection must
// find its parts and the digest OpenSSL gives; the program exits 1 otherwise. Prints
// `name: value` lines. Scratch files go to $TMPDIR (default /tmp). The executable and
// the extracted settings go by their bare names into the current folder, which is the
// scratch folder, as their temporary files do.
#include <openssl/evp.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/BenchTiming.h"
#include "bench/OpenSslBaseline.h"
#include "cipher/Blowfish.h"
#include "conversion/Conversion.h"
#include "conversion/ExecutableCommands.h"
#include "engine/RuntimeFile.h"
#include "platform/File.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/PropertySamples.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TestFiles.h"
#include "tools/packer/BlowfishEncoder.h"

namespace {
constexpr size_t kMiB = 1024 * 1024;
constexpr size_t kTimedRuntimeSize = 8 * kMiB;
constexpr int kRuns = 7;
constexpr char kSettingsName[] = "Macro.zep";
constexpr char kExecutableName[] = "Macro.exe";
constexpr char kExtractedName[] = "Extracted.zep";
constexpr char kProgramName[] = "zepplayc.exe";
// The options that the fresh header carries: the conversion writes them back as they
// are, so the executable's settings part is the settings file byte for byte.
constexpr ExecutableOptions kFreshHeaderOptions{Visibility::ShowNothing, false, false, false};

// What the commands are held to, as ratios to the baselines; reported, not enforced.
constexpr double kConvertFloorGoal = 1.3;
constexpr double kPropertiesFloorGoal = 1.5;
constexpr double kInspectFloorGoal = 1.2;
constexpr double kConvertOpenSslGoal = 0.15;

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
std::string SettingsBytes() {
  std::vector<std::string> steps;
  size_t size = 0;
  while (size < 200 * 1024) {
    steps.push_back(std::to_string(steps.size()) +
                    ",\x83}\x83"
                    "E\x83X\x88\xDA\x93\xAE," +
                    std::to_string(steps.size() % 1024) + ",340,0");
    size += steps.back().size() + 2;
  }
  return SettingsFileBytes(steps);
}

// A folder with the settings file and a runtime file of imageSize bytes.
void PrepareFolder(const TempFolder& folder, size_t imageSize) {
  WriteBytes(folder / kSettingsName, SettingsBytes());
  WriteRuntimeFile(folder / kRuntimeFileName, imageSize);
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "conversion_bench: %s\n", what);
  std::exit(1);
}

class NullSink : public IWarningSink {
 public:
  void ShowWarning(const std::string&) override {}
};

// The conversion every front end runs: the settings loaded once, and each run
// deciphering the runtime straight into the executable's temporary file, the settings
// text after it, the file then taking its place. A run starts where no executable is,
// so that each one writes it.
struct SharedConversion {
  explicit SharedConversion(const std::string& folder, PropertiesRequest properties = {},
                            std::string output = kExecutableName)
      : Output(std::move(output)), Program(folder + kProgramName), Properties(std::move(properties)) {
    NullSink warnings;
    if (LoadSettings(Settings, warnings, folder + kSettingsName) != SettingsCheck::Accepted)
      Fail("the settings file did not load");
  }
  void Run() {
    std::remove(Output.c_str());
    if (MakeExecutable(Program, Settings, kFreshHeaderOptions, Output, nullptr, Properties) !=
        MakeOutcome::Made)
      Fail("the conversion made no executable");
  }
  const std::string Output;
  ProgramFiles Program;
  PropertiesRequest Properties;
  SettingsFile Settings;
};

// An icon of six images and every text of the version information.
PropertiesRequest EveryProperty() {
  PropertiesRequest properties;
  if (ReadIconFile(SixImageIconFile(), properties.Icon.emplace()) != IconFileFault::None) Fail("no icon");
  properties.FileVersion = FileVersionNumbers{1, 2, 3, 4};
  properties.ProductVersion = "1.2 beta";
  properties.Description = "\x83\x7d\x83\x4e\x83\x8d";  // マクロ
  properties.Product = "Macro";
  properties.Company = "Fernwick";
  properties.Copyright = "(c) 2026";
  return properties;
}

ExecutableContents Inspect(const std::string& folder, const std::string& executablePath) {
  ExecutableContents contents;
  if (!InspectExecutable(ProgramFiles(folder + kProgramName), executablePath, contents))
    Fail("no parts found in the executable");
  return contents;
}

// --extract: the settings part copied into a new file beside the executable.
void Extract(const std::string& folder, const std::string& executablePath) {
  if (ExtractSettings(ProgramFiles(folder + kProgramName), executablePath, kExtractedName,
                      ExistingTarget::Replace)
          .Settings != ExtractOutcome::Written)
    Fail("nothing was extracted");
}

// --update without switches: the executable rebuilt from its own settings part with the
// current runtime, and left as it is when that gives the bytes it has.
UpdateOutcome Update(const std::string& folder, const std::string& executablePath) {
  const auto unchanged = [](const ExecutableOptions& current) { return current; };
  return UpdateExecutable(ProgramFiles(folder + kProgramName), executablePath, unchanged, {}, nullptr)
      .Outcome;
}

// The file's bytes in a buffer that has room for extra bytes more.
std::string ReadWithRoom(const std::string& path, size_t extra) {
  platform::File file;
  uint64_t size = 0;
  if (!file.OpenRead(path, platform::Share::Read) || !file.Size(size)) Fail("a file did not open");
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size) + extra);
  bytes.resize(static_cast<size_t>(size));
  size_t transferred = 0;
  if (!file.Read(&bytes[0], bytes.size(), transferred) || transferred != bytes.size())
    Fail("a file did not read");
  return bytes;
}

// The own floor: the runtime file deciphered by this program's Blowfish into memory,
// the settings bytes appended; the buffer never grows on the way.
std::string OwnFloor(const std::string& runtimeFile, uint64_t runtimeFileSize, const std::string& settings) {
  std::string executable;
  executable.reserve(static_cast<size_t>(runtimeFileSize) + settings.size());
  Blowfish cipher;
  cipher.SetKey(kRuntimeKeyPhrase);
  cipher.DecipherFileInto(runtimeFile, [&](const uint8_t* bytes, size_t count) {
    executable.append(reinterpret_cast<const char*>(bytes), count);
    return true;
  });
  cipher.ClearKey();
  executable += settings;
  return executable;
}

// The OpenSSL baseline: the runtime file read whole, deciphered in place by OpenSSL, its
// padding cut, the settings bytes appended.
std::string OpenSslConcatenation(const std::string& runtimeFile, const std::string& settings) {
  std::string executable = ReadWithRoom(runtimeFile, settings.size());
  OpenSslDecipherBuffer(kRuntimeKeyPhrase, reinterpret_cast<unsigned char*>(&executable[0]),
                        executable.size());
  executable.resize(executable.size() - static_cast<unsigned char>(executable.back()));
  executable += settings;
  return executable;
}

std::string OpenSslHexDigest(const std::string& bytes, size_t count) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (!EVP_Digest(bytes.data(), count, digest, &length, EVP_sha256(), nullptr)) Fail("OpenSSL did not hash");
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned int i = 0; i < length; ++i) {
    hex += kDigits[digest[i] >> 4];
    hex += kDigits[digest[i] & 0xF];
  }
  return hex;
}

long PeakKiB() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// In the fresh process: runs the command on the executable in folder and prints the
// peak before and after it.
int PeakChild(const std::string& command, const std::string& folder) {
  const std::string executablePath = kExecutableName;
  if (chdir(folder.c_str()) != 0) Fail("the child cannot enter the folder");
  const long before = PeakKiB();
  if (command == "convert") {
    SharedConversion conversion(folder);
    conversion.Run();
  } else if (command == "convert-properties") {
    SharedConversion conversion(folder, EveryProperty());
    conversion.Run();
  } else if (command == "inspect") {
    Inspect(folder, executablePath);
  } else if (command == "extract") {
    Extract(folder, executablePath);
  } else if (command == "update") {
    if (Update(folder, executablePath) != UpdateOutcome::UpToDate) Fail("the update changed the executable");
  } else if (command == "update-older") {
    if (Update(folder, executablePath) != UpdateOutcome::Updated) Fail("the update did not rebuild");
  } else if (command == "update-refused") {
    if (Update(folder, executablePath) != UpdateOutcome::SettingsCutAtNul) Fail("the update took NUL bytes");
  } else {
    return 2;
  }
  std::printf("%ld %ld\n", before, PeakKiB());
  return 0;
}

// Runs this program again with "--peak-child" for each of commands on the executable in
// folder and prints the child's peak resident memory after the command and how much the
// command added to the peak it had before it began, as figures peak_<label>_<command>_.
void PrintPeaks(const TempFolder& folder, const std::string& label,
                const std::vector<const char*>& commands) {
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self);
  if (length <= 0) Fail("this program cannot find itself");
  for (const char* command : commands) {
    const std::string line = "'" + std::string(self, static_cast<size_t>(length)) + "' --peak-child " +
                             command + " '" + folder.Path() + "'";
    long before = -1, after = -1;
    std::FILE* child = popen(line.c_str(), "r");
    if (!child) Fail("no child process");
    const bool read = std::fscanf(child, "%ld %ld", &before, &after) == 2;
    if (pclose(child) != 0 || !read) Fail("a child process failed");
    const std::string name = "peak_" + label + "_" + command + "_";
    PrintFigure((name + "kib").c_str(), static_cast<double>(after));
    PrintFigure((name + "growth_kib").c_str(), static_cast<double>(after - before));
  }
}

// A folder with a runtime of imageSize bytes and the executable made of it.
void PrepareExecutable(const TempFolder& folder, size_t imageSize) {
  PrepareFolder(folder, imageSize);
  CurrentFolder inFolder(folder.Path());
  SharedConversion(folder.Path()).Run();
}

// Every command with a runtime of imageSize bytes.
void PrintPeaks(size_t imageSize) {
  TempFolder folder;
  PrepareExecutable(folder, imageSize);
  PrintPeaks(folder, std::to_string(imageSize / kMiB) + "mib",
             {"convert", "convert-properties", "inspect", "extract", "update"});
}

// The commands on executables with 2 GiB executables that are mostly a sparse hole: one
// whose older runtime's image ends in it (inspect digests it all, update makes the
// executable anew with the current runtime), and one whose settings part it ends
// (extract copies it all, inspect and update stop at its first NUL byte).
void PrintSparsePeaks() {
  constexpr size_t kSparseSize = 2048 * kMiB;
  {
    TempFolder folder;
    PrepareFolder(folder, 8 * kMiB);
    std::ofstream executable(folder / kExecutableName, std::ios::binary);
    executable << ProgramHeaders(kSparseSize);
    executable.seekp(static_cast<std::streamoff>(kSparseSize));
    executable << ReadBytes(folder / kSettingsName);
    executable.close();
    PrintPeaks(folder, "2gib_sparse_runtime", {"inspect", "extract", "update-older"});
  }
  TempFolder folder;
  PrepareExecutable(folder, 8 * kMiB);
  if (truncate((folder / kExecutableName).c_str(), kSparseSize) != 0) Fail("no sparse executable");
  PrintPeaks(folder, "2gib_sparse_settings", {"inspect", "extract", "update-refused"});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak-child") == 0) return PeakChild(argv[2], argv[3]);

  TempFolder folder;
  PrepareFolder(folder, kTimedRuntimeSize);
  CurrentFolder inFolder(folder.Path());
  const std::string runtimeFile = folder / kRuntimeFileName;
  const std::string settings = ReadBytes(folder / kSettingsName);
  uint64_t runtimeFileSize = 0;
  {
    platform::File file;
    if (!file.OpenRead(runtimeFile, platform::Share::Read) || !file.Size(runtimeFileSize))
      Fail("no runtime file");
  }
  SharedConversion conversion(folder.Path()),
      withProperties(folder.Path(), EveryProperty(), "WithProperties.exe");
  ExecutableContents inspection;
  std::string floor, openssl;
  const std::vector<double> best = BestSecondsEach(
      kRuns, {[&] { conversion.Run(); }, [&] { inspection = Inspect(folder.Path(), conversion.Output); },
              [&] { floor = OwnFloor(runtimeFile, runtimeFileSize, settings); },
              [&] { openssl = OpenSslConcatenation(runtimeFile, settings); }, [&] { withProperties.Run(); }});

  const std::string executable = ReadBytes(conversion.Output);
  const double convert = best[0], inspect = best[1], ownFloor = best[2], openSsl = best[3],
               properties = best[4];
  PrintFigure("settings_kb", settings.size() / 1e3);
  PrintFigure("runtime_mib", static_cast<double>(kTimedRuntimeSize) / kMiB);
  PrintFigure("convert_ms", convert * 1e3);
  PrintFigure("inspect_ms", inspect * 1e3);
  PrintFigure("own_floor_ms", ownFloor * 1e3);
  PrintFigure("openssl_ms", openSsl * 1e3);
  PrintFigure("convert_properties_ms", properties * 1e3);
  PrintFigure("convert_vs_floor", convert / ownFloor);
  PrintFigure("convert_properties_vs_floor", properties / ownFloor);
  PrintFigure("inspect_vs_floor", inspect / ownFloor);
  PrintFigure("convert_vs_openssl", convert / openSsl);
  PrintFigure("inspect_vs_openssl", inspect / openSsl);
  PrintFigure("goal_convert_vs_floor", kConvertFloorGoal);
  PrintFigure("goal_convert_properties_vs_floor", kPropertiesFloorGoal);
  PrintFigure("goal_inspect_vs_floor", kInspectFloorGoal);
  PrintFigure("goal_convert_vs_openssl", kConvertOpenSslGoal);
  PrintPeaks(8 * kMiB);
  PrintPeaks(64 * kMiB);
  PrintSparsePeaks();

  const ExecutableParts& parts = inspection.Parts;
  const char* fault = executable != floor     ? "the executable differs from the own floor's bytes"
                      : executable != openssl ? "the executable differs from OpenSSL's bytes"
                      : parts.Runtime != RuntimeMatch::Current || parts.RuntimeSize != kTimedRuntimeSize ||
                              parts.SettingsSize != settings.size()
                          ? "the inspection found other parts"
                      : parts.RuntimeDigest != OpenSslHexDigest(executable, kTimedRuntimeSize)
                          ? "the inspection's digest differs from OpenSSL's"
                          : nullptr;
  if (fault) std::fprintf(stderr, "conversion_bench: %s\n", fault);
  return fault ? 1 : 0;
}
