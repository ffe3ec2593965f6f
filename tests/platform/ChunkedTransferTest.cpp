// Transfers larger than one system call moves: every byte goes, in steps no larger
// than the limit, and the loop ends at a step that moves nothing or fails.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ChunkedTransfer.h"

namespace {
struct Step {
  size_t Offset, Count;
  bool operator==(const Step& other) const { return Offset == other.Offset && Count == other.Count; }
};
}  // namespace

TEST(TransferInSteps, MovesEveryByteInStepsOfAtMostTheLimit) {
  std::vector<Step> steps;
  size_t transferred = 0;
  ASSERT_TRUE(platform::TransferInSteps(10, 4, transferred, [&](size_t offset, size_t count, size_t& done) {
    steps.push_back({offset, count});
    done = count;
    return true;
  }));
  EXPECT_EQ(transferred, 10u);
  EXPECT_EQ(steps, (std::vector<Step>{{0, 4}, {4, 4}, {8, 2}}));
}

TEST(TransferInSteps, AShortStepIsContinuedAndAnEmptyOneEnds) {
  std::vector<size_t> moves = {3, 1, 0};
  size_t transferred = 0, next = 0;
  ASSERT_TRUE(platform::TransferInSteps(100, 4, transferred, [&](size_t, size_t, size_t& done) {
    done = moves[next++];
    return true;
  }));
  EXPECT_EQ(transferred, 4u);
  EXPECT_EQ(next, 3u);
}

TEST(TransferInSteps, AFailedStepStopsWithWhatHadMoved) {
  size_t transferred = 0, calls = 0;
  EXPECT_FALSE(platform::TransferInSteps(100, 8, transferred, [&](size_t, size_t count, size_t& done) {
    done = count;
    return ++calls < 3;
  }));
  EXPECT_EQ(transferred, 16u);
}
