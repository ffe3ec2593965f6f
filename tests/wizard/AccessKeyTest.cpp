#include "wizard/AccessKey.h"

#include <gtest/gtest.h>

TEST(AccessKey, LetterAfterASingleAmpersand) {
  EXPECT_EQ(AccessKeyOf("\x83\x77\x83\x8B\x83\x76(&H)"), 'H');  // ヘルプ(&H)
  EXPECT_EQ(AccessKeyOf("\x8E\x9F\x82\xD6(&N) >"), 'N');        // 次へ(&N) >
  EXPECT_EQ(AccessKeyOf("&open"), 'O');
  EXPECT_EQ(AccessKeyOf("a && b &x"), 'X');
}

TEST(AccessKey, NoneWithoutAnAmpersandBeforeALetter) {
  EXPECT_EQ(AccessKeyOf(""), 0);
  EXPECT_EQ(AccessKeyOf("lblExeName"), 0);
  EXPECT_EQ(AccessKeyOf("a && b"), 0);
  EXPECT_EQ(AccessKeyOf("end&"), 0);
  // "&" before a double-byte character is not an access key.
  EXPECT_EQ(AccessKeyOf("&\x82\xA0"), 0);
}
