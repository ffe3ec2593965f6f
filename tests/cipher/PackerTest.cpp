// The packer's output deciphers back through DecryptFile, as the product reads it.
#include "tests/cipher/CipherTestSupport.h"
#include "tools/packer/RuntimePacker.h"

TEST(Packer, OutputDeciphersBackByteForByte) {
  ScratchFolder folder;
  for (size_t size : {0u, 1u, 7u, 8u, 4095u, 4096u, 4097u}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const std::string payload = RandomBytes(size, static_cast<uint32_t>(size));
    WriteBytes(folder.Path("player"), payload);
    PackRuntimeFile(folder.Path("player"), folder.Path("Zepcom.dat"));
    EXPECT_EQ(ReadBytes(folder.Path("Zepcom.dat")).size(), (size / 8 + 1) * 8);

    TBlowfish blowfish;
    blowfish.SetIV("Seed Column");
    blowfish.SetKey("Harbor Lights");
    blowfish.DecryptFile(folder.Path("Zepcom.dat"), folder.Path("Player.dat"));
    EXPECT_EQ(ReadBytes(folder.Path("Player.dat")), payload);
  }
}

TEST(Packer, MissingInputIsReported) {
  ScratchFolder folder;
  EXPECT_THROW(PackRuntimeFile(folder.Path("missing"), folder.Path("out")), Exception);
  EXPECT_FALSE(Exists(folder.Path("out")));
}
