// Reading executables back as users have them: signed, with older runtimes, too large, and long.
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "engine/ExecutableAssembly.h"
#include "engine/ExecutableReading.h"
#include "engine/LineList.h"
#include "engine/ExecutableLimits.h"
#include "tests/conversion/ConversionFixture.h"
#include "tests/support/MemoryBytes.h"
#include "tests/support/ProgramImage.h"
#include "tests/support/TestSigner.h"

namespace {
class ExecutableReading : public ConversionFixture {
 protected:
  void SetUp() override {
    if (!Signer.Available()) GTEST_SKIP() << "osslsigncode or openssl is missing";
  }
  std::string Signed(const std::string& bytes) { return Signer.Signed(bytes); }
  ExecutableParts PartsOf(IRandomAccessBytes& executable) {
    ExecutableParts parts;
    EXPECT_TRUE(FindExecutableParts(executable, CurrentRuntime(RuntimeFile), parts, true));
    return parts;
  }

  TestSigner Signer;
};

// The security directory entry of the images of tests/support (PE32+).
constexpr size_t kCertificateEntry = 0x40 + 24 + 112 + 4 * 8;

// image with COFF symbols and strings, as an unstripped program has: PointerToSymbolTable, NumberOfSymbols.
std::string WithSymbols(std::string image) {
  const uint32_t fields[2] = {static_cast<uint32_t>(image.size()), 2};
  image.replace(0x40 + 4 + 8, sizeof fields, reinterpret_cast<const char*>(fields), sizeof fields);
  return image + std::string(2 * 18, 's') + std::string("\x0D\0\0\0longname\0", 13);
}
}  // namespace

// Every padding a signer adds before the certificate table, from none to seven zeros.
TEST_F(ExecutableReading, ASignedExecutableHoldsTheCurrentRuntimeAndTheSettingsAlone) {
  const std::string image = ProgramImage(0x800, 7);
  WriteRuntimeFile(image);
  for (size_t extra = 0; extra < 8; ++extra) {
    TakeSettingsBytes(SettingsFileBytes({"1", "2", "3", "4", std::string(extra, 'x')}), "", Settings);
    ASSERT_EQ(MakeOutcome::Made, Convert());
    const std::string made = ReadBytes(OutputPath);
    WriteBytes(OutputPath, Signed(made));
    FileBytes executable(OutputPath);
    const ExecutableParts parts = PartsOf(executable);
    EXPECT_EQ(RuntimeMatch::Current, parts.Runtime) << extra;
    EXPECT_EQ(image.size(), parts.RuntimeSize);
    EXPECT_EQ(Hex(made.substr(image.size())), Hex(SettingsPartOf(executable, parts))) << extra;
    EXPECT_EQ(executable.Size(), parts.Signed() ? parts.SignatureOffset + parts.SignatureSize : 0);
  }
}

TEST_F(ExecutableReading, AnOlderRuntimeSignedOrWithSymbolsEndsWhereItsImageDoes) {
  WriteRuntimeFile(ProgramImage(0x600, 1));
  const std::string settings = SettingsFileBytes({"1,a"});
  // Past the first 64 KiB, which hold the headers: the string table tells its size there.
  const std::string older = ProgramImage(0x11000, 7), signedOlder = Signed(older),
                    withSymbols = WithSymbols(older);
  // The runtime part and the executable, which may have been signed again as a whole: the
  // signer's entry takes the place of the runtime's (a signer that finds it set refuses).
  std::string unsignedAgain = signedOlder + settings;
  unsignedAgain.replace(kCertificateEntry, 8, 8, '\0');
  const std::pair<std::string, std::string> cases[] = {{signedOlder, signedOlder + settings},
                                                       {withSymbols, withSymbols + settings},
                                                       {signedOlder, Signed(unsignedAgain)}};
  for (const auto& [runtime, bytes] : cases) {
    MemoryBytes executable(bytes);
    const ExecutableParts parts = PartsOf(executable);
    EXPECT_EQ(RuntimeMatch::Different, parts.Runtime);
    EXPECT_EQ(runtime.size(), parts.RuntimeSize);
    EXPECT_EQ(settings.size(), parts.SettingsSize);
  }
}

TEST(ExecutableSize, AFileLargerThanAnyExecutableIsRefusedUnread) {
  struct HugeFile : IRandomAccessBytes {
    uint64_t Size() const override { return kLargestExecutableSize + 1; }
    bool ReadAt(uint64_t, void*, size_t) override { return Read = true; }
    bool Read = false;
  } huge;
  ExecutableParts parts;
  EXPECT_FALSE(FindExecutableParts(huge, CurrentRuntime(RuntimeFileIn("")), parts) || huge.Read);
}

// Pieces of 64 KiB: a CR LF split across two, a NUL in a later line, a first line longer than kept.
TEST(SettingsLines, TheSettingsPartIsSplitAsTheLineListSplitsIt) {
  const std::string longLine(kHeaderBytesKept + 1, 'h');
  for (const std::string& settings :
       {std::string(0xFFFF, 'a') + "\r\nb\n\rc\r\rd" + std::string("\0tail\r\n", 7), longLine + "\n\r",
        longLine + std::string("\0", 1), std::string("\0x", 2)}) {
    MemoryBytes executable(settings);
    ExecutableParts parts;
    parts.SettingsSize = settings.size();
    const SettingsLines read = ReadSettingsLines(executable, parts);
    LineList lines;
    const uint64_t nulLine = lines.AddText(settings.data(), settings.size());
    const std::string header = lines.Count() > 0 ? lines.Get(0) : "";
    EXPECT_EQ(
        std::make_tuple(uint64_t(lines.Count()), nulLine, header.size(), header.substr(0, kHeaderBytesKept)),
        std::make_tuple(read.Count, read.NulLine, read.HeaderSize, read.Header));
  }
}
