// SHA-256 against the published digests, on the processor's SHA instructions where it
// has them and in plain C++, with each message added whole and in pieces of many sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "cipher/Sha256.h"

namespace {
// The digest of message added in pieces whose sizes go round sizes.
std::string DigestInPieces(Sha256::Rounds rounds, const std::string& message,
                           std::initializer_list<size_t> sizes) {
  Sha256 digest(rounds);
  for (size_t offset = 0, piece = 0; offset < message.size(); ++piece) {
    const size_t size = std::min(*(sizes.begin() + piece % sizes.size()), message.size() - offset);
    digest.Add(message.data() + offset, size);
    offset += size;
  }
  return digest.HexDigest();
}
}  // namespace

TEST(Sha256, PublishedDigestsOnEitherRoundsInPiecesOfAnySize) {
  struct Published {
    std::string Message;
    const char* Digest;
  };
  const Published published[] = {
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      // 56 bytes: the length no longer fits into the last block, padding takes another.
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Sha256::Rounds rounds : {Sha256::Rounds::Fastest, Sha256::Rounds::Portable}) {
    for (const Published& vector : published) {
      SCOPED_TRACE(testing::Message() << (rounds == Sha256::Rounds::Fastest ? "fastest" : "portable") << ", "
                                      << vector.Message.size() << " bytes");
      EXPECT_EQ(DigestInPieces(rounds, vector.Message, {vector.Message.size()}), vector.Digest);
      EXPECT_EQ(DigestInPieces(rounds, vector.Message, {1, 63, 64, 65, 3, 4097, 130}), vector.Digest);
    }
  }
}
