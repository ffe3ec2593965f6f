// Reading executables back as users have them: signed by a company after the conversion
// (osslsigncode with a self-made certificate, as signtool signs), made with an older
// runtime that was signed itself or keeps its symbols, larger than any executable, and
// with settings parts whose lines the reader splits a piece at a time.
#include <cstdio>
#include <cstdlib>

#include "engine/ExecutableAssembly.h"
#include "engine/ExecutableReading.h"
#include "engine/LineList.h"
#include "tests/engine/ConversionFixture.h"
#include "tests/support/MemoryBytes.h"
#include "tests/support/ProgramImage.h"

namespace {
class ExecutableReading : public ConversionFixture {
 protected:
  void SetUp() override {
    if (std::system("osslsigncode --version >/dev/null 2>&1") != 0 ||
        std::system(("openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 30 "
                     "-subj /CN=Signer -keyout '" +
                     Work / "key.pem' -out '" + Work / "cert.pem' 2>/dev/null")
                        .c_str()) != 0)
      GTEST_SKIP() << "osslsigncode or openssl is missing";
  }
  // bytes signed as a company signs its programs.
  std::string Signed(const std::string& bytes) {
    WriteBytes(Work / "unsigned.exe", bytes);
    std::remove((Work / "signed.exe").c_str());  // which osslsigncode does not overwrite
    const std::string command = "osslsigncode sign -certs '" + Work / "cert.pem' -key '" +
                                Work / "key.pem' -in '" + Work / "unsigned.exe' -out '" +
                                Work / "signed.exe' >/dev/null";
    EXPECT_EQ(0, std::system(command.c_str()));
    return ReadBytes(Work / "signed.exe");
  }
  ExecutableParts PartsOf(IRandomAccessBytes& executable) {
    ExecutableParts parts;
    EXPECT_TRUE(FindExecutableParts(executable, RuntimeFileIn(Program.Path()), parts, true));
    return parts;
  }
};

// An image followed by COFF symbols and their string table, as a linker leaves them
// in a program that was not stripped.
std::string WithSymbols(std::string image) {
  const uint32_t fields[2] = {static_cast<uint32_t>(image.size()),
                              2};  // PointerToSymbolTable, NumberOfSymbols
  image.replace(0x40 + 4 + 8, sizeof fields, reinterpret_cast<const char*>(fields), sizeof fields);
  return image + std::string(2 * 18, 's') + std::string("\x0D\0\0\0longname\0", 13);
}
}  // namespace

// Every padding a signer adds before the certificate table, from none to seven zeros.
TEST_F(ExecutableReading, ASignedExecutableHoldsTheCurrentRuntimeAndTheSettingsAlone) {
  const std::string image = ProgramImage(0x800, 7);
  WriteRuntimeFile(image);
  for (size_t extra = 0; extra < 8; ++extra) {
    ASSERT_TRUE(Engine.LoadSettingsBytes(
        SettingsFileBytes({"1,a", "2,b", "3,c", "4,d", std::string(extra, 'x')}), Source.Path()));
    ASSERT_EQ(DirectConversion::Made, Engine.ConvertDirectly(HeaderOptions{}, OutputPath, nullptr, false));
    const std::string made = ReadBytes(OutputPath);
    WriteBytes(OutputPath, Signed(made));
    FileBytes executable(OutputPath);
    const ExecutableParts parts = PartsOf(executable);
    EXPECT_EQ(RuntimeMatch::Current, parts.Runtime) << extra;
    EXPECT_EQ(image.size(), parts.RuntimeSize);
    EXPECT_EQ(Hex(made.substr(image.size())), Hex(SettingsPartOf(executable, parts))) << extra;
    EXPECT_TRUE(parts.Signed());
    EXPECT_EQ(executable.Size(), parts.SignatureOffset + parts.SignatureSize);
  }
}

TEST_F(ExecutableReading, AnOlderRuntimeSignedOrWithSymbolsEndsWhereItsImageDoes) {
  WriteRuntimeFile(ProgramImage(0x600, 1));
  const std::string settings = SettingsFileBytes({"1,a"});
  for (const std::string& older : {Signed(ProgramImage(0x800, 7)), WithSymbols(ProgramImage(0x800, 7))}) {
    MemoryBytes executable(older + settings);
    const ExecutableParts parts = PartsOf(executable);
    EXPECT_EQ(RuntimeMatch::Different, parts.Runtime);
    EXPECT_EQ(older.size(), parts.RuntimeSize);
    EXPECT_EQ(settings.size(), parts.SettingsSize);
    EXPECT_FALSE(parts.Signed());
  }
}

TEST(ExecutableSize, AFileLargerThanAnyExecutableIsRefusedUnread) {
  struct HugeFile : IRandomAccessBytes {
    uint64_t Size() const override { return kLargestExecutableSize + 1; }
    bool ReadAt(uint64_t, void*, size_t) override { return Read = true; }
    bool Read = false;
  } huge;
  ExecutableParts parts;
  EXPECT_FALSE(FindExecutableParts(
      huge, [](const RuntimeChunkSink&) { return false; }, parts));
  EXPECT_FALSE(huge.Read);
}

// Read in pieces of 64 KiB: a CR LF split between two pieces, a NUL in a later line, a
// first line longer than what is kept of it.
TEST(SettingsLines, TheSettingsPartIsSplitAsTheLineListSplitsIt) {
  const std::string runtime = ProgramImage(0x600, 1);
  const std::string longLine(kHeaderBytesKept + 1, 'h');
  for (const std::string& settings :
       {std::string(0xFFFF, 'a') + "\r\nb\n\rc\r\rd" + std::string("\0tail\r\n", 7), longLine + "\n\r",
        longLine + std::string("\0", 1), std::string("\0x", 2)}) {
    MemoryBytes executable(runtime + settings);
    ExecutableParts parts;
    parts.RuntimeSize = runtime.size();
    parts.SettingsSize = settings.size();
    const SettingsLines read = ReadSettingsLines(executable, parts);
    LineList lines;
    EXPECT_EQ(static_cast<uint64_t>(lines.AddText(settings.data(), settings.size())), read.NulLine);
    EXPECT_EQ(static_cast<uint64_t>(lines.Count()), read.Count);
    const std::string header = lines.Count() > 0 ? lines.Get(0) : "";
    EXPECT_EQ(header.size(), read.HeaderSize);
    EXPECT_EQ(header.substr(0, kHeaderBytesKept), read.Header);
  }
}
