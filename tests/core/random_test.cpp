#include "core/random.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

namespace vd {
namespace {

TEST(Random, FollowsTheLinearCongruentialSequence) {
    SetRandSeed(0);
    // seed 1 after the first draw, then 1*134775813+1.
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandSeed(), 1u);
    EXPECT_EQ(Random(1000), static_cast<int32_t>((uint64_t(134775814u) * 1000u) >> 32));
    EXPECT_EQ(RandSeed(), 134775814u);
}

TEST(Random, UsesTheUpperHalfOfTheProduct) {
    SetRandSeed(0xFFFFFFFEu);
    uint32_t next = 0xFFFFFFFEu * 134775813u + 1u;
    EXPECT_EQ(Random(170), static_cast<int32_t>((uint64_t(next) * 170u) >> 32));
    EXPECT_EQ(RandSeed(), next);
}

TEST(Random, StaysInRangeAndRangeAcceptsEitherOrder) {
    SetRandSeed(12345);
    for (int i = 0; i < 10000; ++i) {
        int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        int q = RandomRange(1, 171);
        ASSERT_GE(q, 1);
        ASSERT_LT(q, 171);
        int p = RandomRange(10, 5);
        ASSERT_GE(p, 5);
        ASSERT_LT(p, 10);
    }
}

TEST(Random, ScopedSeedRestoresTheProcessSeed) {
    SetRandSeed(777);
    {
        ScopedRandSeed fixed(42);
        EXPECT_EQ(RandSeed(), 42u);
        Random(10);
        Random(10);
    }
    EXPECT_EQ(RandSeed(), 777u);
}

// Many threads drawing at once must consume exactly one step of the sequence
// per draw: no step lost, none repeated.
TEST(Random, DrawsFromSeveralThreadsNeverLoseASeedStep) {
    SetRandSeed(1);
    constexpr int kThreads = 4, kDraws = 20000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([] { for (int i = 0; i < kDraws; ++i) Random(2); });
    for (auto& th : threads) th.join();
    uint32_t s = 1;
    for (int i = 0; i < kThreads * kDraws; ++i) s = s * 134775813u + 1u;
    EXPECT_EQ(RandSeed(), s);
}

TEST(Random, RandomizeChangesTheSeedFromTheClock) {
    std::set<uint32_t> seen;
    for (int i = 0; i < 5; ++i) {
        Randomize();
        seen.insert(RandSeed());
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    EXPECT_GT(seen.size(), 1u);
}

}  // namespace
}  // namespace vd
