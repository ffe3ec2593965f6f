// The packer's output deciphers back through DecipherFile, as the product reads it.
#include "tests/cipher/CipherTestSupport.h"
#include "tools/packer/RuntimePacker.h"

TEST(Packer, OutputDeciphersBackByteForByte) {
  TempFolder folder;
  for (size_t size : {0u, 1u, 7u, 8u, 4095u, 4096u, 4097u}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const std::string payload = RandomBytes(size, static_cast<uint32_t>(size));
    WriteBytes((folder / "player"), payload);
    PackRuntimeFile((folder / "player"), (folder / "Zepcom.dat"));
    EXPECT_EQ(ReadBytes((folder / "Zepcom.dat")).size(), (size / 8 + 1) * 8);

    Blowfish blowfish;
    blowfish.SetIV("Seed Column");
    blowfish.SetKey("Harbor Lights");
    blowfish.DecipherFile((folder / "Zepcom.dat"), (folder / "Player.dat"));
    EXPECT_EQ(ReadBytes((folder / "Player.dat")), payload);
  }
}

TEST(Packer, MissingInputIsReported) {
  TempFolder folder;
  EXPECT_THROW(PackRuntimeFile((folder / "missing"), (folder / "out")), Exception);
  EXPECT_FALSE(PathExists((folder / "out")));
}
