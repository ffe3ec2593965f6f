// DecipherFile: chunks, the padding of the last chunk, chaining across calls and the
// failures, each with its exception class and message.
#include "platform/File.h"
#include "tests/cipher/CipherTestSupport.h"

namespace {
const char kInputNotFound[] = "Blowfish: Input file not found";
const char kOutputNotOpened[] = "Blowfish: Could not open output file";
const char kNotWholeBlocks[] = "Blowfish: Input file not valid - length is not a positive multiple of 8";
const char kPaddingTooLong[] = "Blowfish: Input file not valid - padding longer than the last chunk";

class BlowfishFile : public ::testing::Test {
 protected:
  void SetUp() override {
    encoder_.SetKey("file key");
    blowfish_.SetIV("file iv");
    blowfish_.SetKey("file key");
  }

  // Writes plain, enciphered block by block in the given mode from the register of
  // "file iv" (no padding added), to the scratch file name and returns its path.
  std::string WriteEnciphered(const std::string& name, const std::string& plain, CipherMode mode = ECB) {
    std::string iv = FoldedIV("file iv");
    WriteBytes(Path(name), Encipher(encoder_, mode, iv, plain));
    return Path(name);
  }
  std::string Decrypt(const std::string& input) {
    blowfish_.DecipherFile(input, Path("out"));
    return ReadBytes(Path("out"));
  }
  // True when nobody else holds the file open: an exclusive open succeeds (the
  // Windows build enforces sharing; POSIX has none).
  static bool IsClosed(const std::string& path) {
    platform::File probe;
    return probe.OpenRead(path, platform::Share::None);
  }
  std::string Path(const std::string& name) const { return folder_ / name; }

  TempFolder folder_;
  BlowfishEncoder encoder_;
  Blowfish blowfish_;
};

// size - 1 bytes of varied text followed by the given last byte.
std::string PlainEndingIn(size_t size, int last) {
  return RandomBytes(size - 1, static_cast<uint32_t>(size)) + static_cast<char>(last);
}
}  // namespace

TEST_F(BlowfishFile, LastChunkLosesItsPadding) {
  struct Case {
    size_t size;
    int last;
    size_t kept;
  };
  // clang-format off
  const Case cases[] = {
      {8, 8, 0},          // a single block of padding: an empty output file
      {16, 0, 16},        // 0 removes nothing
      {4088, 8, 4080},    // one block short of a chunk
      {4096, 3, 4093},    // exactly one chunk
      {4096, 200, 3896},  // above 8 removes that many bytes
      {4104, 8, 4096},    // the second chunk contributes nothing
      {4104, 5, 4099},
      {8192, 1, 8191},    // two whole chunks
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE("size " + std::to_string(c.size) + " last " + std::to_string(c.last));
    const std::string plain = PlainEndingIn(c.size, c.last);
    EXPECT_EQ(Hex(Decrypt(WriteEnciphered("in", plain))), Hex(plain.substr(0, c.kept)));
    EXPECT_TRUE(IsClosed(Path("in")));
  }
}

TEST_F(BlowfishFile, ManyChunksInEveryMode) {
  const std::string payload = RandomBytes(3 * 1024 * 1024 + 5, 11);
  for (CipherMode mode : {ECB, CBC, CFB, OFB}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    blowfish_.SetMode(mode);
    blowfish_.SetIV("file iv");  // the register as WriteEnciphered starts it
    const std::string input = WriteEnciphered("in", WithPadding(payload), mode);
    EXPECT_TRUE(Decrypt(input) == payload);
  }
}

TEST_F(BlowfishFile, SecondFileChainsOntoTheFirstInCBC) {
  blowfish_.SetMode(CBC);
  const std::string first = WithPadding(RandomBytes(4100, 1));
  const std::string second = WithPadding(RandomBytes(30, 2));
  std::string iv = FoldedIV("file iv");
  const std::string cipher = Encipher(encoder_, CBC, iv, first + second);
  WriteBytes(Path("first"), cipher.substr(0, first.size()));
  WriteBytes(Path("second"), cipher.substr(first.size()));
  EXPECT_EQ(Hex(Decrypt(Path("first"))), Hex(first.substr(0, first.size() - first.back())));
  EXPECT_EQ(Hex(Decrypt(Path("second"))), Hex(second.substr(0, second.size() - second.back())));
}

TEST_F(BlowfishFile, LengthNotWholeBlocksLeavesNoOutput) {
  for (size_t size : {0u, 7u, 12u, 4097u}) {
    SCOPED_TRACE("size " + std::to_string(size));
    WriteBytes(Path("in"), std::string(size, 'x'));
    ExpectError<EFileError>([&] { blowfish_.DecipherFile(Path("in"), Path("out")); }, kNotWholeBlocks);
    EXPECT_FALSE(PathExists(Path("out")));
    EXPECT_TRUE(IsClosed(Path("in")));
  }
  WriteBytes(Path("out"), "earlier output");
  ExpectError<EFileError>([&] { blowfish_.DecipherFile(Path("in"), Path("out")); }, kNotWholeBlocks);
  EXPECT_EQ(ReadBytes(Path("out")), "earlier output");
}

TEST_F(BlowfishFile, PaddingLongerThanTheLastChunkIsRejected) {
  const std::string plain = PlainEndingIn(4104, 9);
  const std::string input = WriteEnciphered("in", plain);
  ExpectError<EFileError>([&] { blowfish_.DecipherFile(input, Path("out")); }, kPaddingTooLong);
  EXPECT_EQ(Hex(ReadBytes(Path("out"))), Hex(plain.substr(0, 4096)));  // the first chunk only
  EXPECT_TRUE(IsClosed(input));
  WriteEnciphered("in", PlainEndingIn(8, 255));
  ExpectError<EFileError>([&] { blowfish_.DecipherFile(input, Path("out")); }, kPaddingTooLong);
  EXPECT_EQ(ReadBytes(Path("out")), "");
}

TEST_F(BlowfishFile, MissingInputOrUnwritableOutput) {
  ExpectError<EFileError>([&] { blowfish_.DecipherFile(Path("missing"), Path("out")); }, kInputNotFound);
  EXPECT_FALSE(PathExists(Path("out")));
  ExpectError<EFileError>([&] { blowfish_.DecipherFile(folder_.Path(), Path("out")); },
                          kInputNotFound);  // a folder is no input file

  const std::string plain = WithPadding("payload");
  const std::string input = WriteEnciphered("in", plain);
  const std::string before = ReadBytes(input);
  ExpectError<EFileError>([&] { blowfish_.DecipherFile(input, Path("no-such-folder/out")); },
                          kOutputNotOpened);
  EXPECT_EQ(ReadBytes(input), before);
  EXPECT_TRUE(IsClosed(input));
}

TEST(BlowfishIOErrors, TextByCode) {
  struct Case {
    uint32_t code;
    const char* hex;
  };
  const Case cases[] = {
      {2, "83 74 83 40 83 43 83 8B 82 AA 8C A9 82 C2 82 A9 82 E8 82 DC 82 B9 82 F1"},
      {3, "95 73 90 B3 82 C8 83 74 83 40 83 43 83 8B 96 BC 82 C5 82 B7"},
      {4,
       "83 49 81 5B 83 76 83 93 82 B5 82 BD 83 74 83 40 83 43 83 8B 82 AA 91 BD 82 B7 82 AC "
       "82 DC 82 B7"},
      {5,
       "83 74 83 40 83 43 83 8B 82 D6 82 CC 83 41 83 4E 83 5A 83 58 82 AA 8B 91 94 DB 82 B3 "
       "82 EA 82 DC 82 B5 82 BD"},
      {100,
       "83 74 83 40 83 43 83 8B 82 CC 96 96 94 F6 88 C8 8D 7E 82 F0 93 C7 82 DD 8D 9E 82 DD "
       "82 DC 82 B5 82 BD"},
      {101, "83 66 83 42 83 58 83 4E 82 AA 82 A2 82 C1 82 CF 82 A2 82 C5 82 B7"},
      {106, "93 FC 97 CD 92 6C 82 AA 90 94 92 6C 82 C5 82 CD 82 A0 82 E8 82 DC 82 B9 82 F1"},
      {32, "49 2F 4F 20 83 47 83 89 81 5B 20 28 33 32 29"},  // "I/O エラー (32)"
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    EInOutError error(c.code);
    EXPECT_EQ(error.ErrorCode(), c.code);
    EXPECT_EQ(Hex(error.Message()), c.hex);
  }
  EXPECT_EQ(EInOutError(112).Message(), "I/O エラー (112)");
}
