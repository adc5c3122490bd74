#include "core/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrane {
namespace {

TEST(Random, StaysWithinItsRangeAndReachesBothEnds) {
    TRandom rng(42);
    for (int n : {1, 2, 3, 7, 149, 1000}) {
        bool sawZero = false;
        bool sawLast = false;
        for (int i = 0; i < 20000; ++i) {
            const int r = rng.Random(n);
            ASSERT_GE(r, 0);
            ASSERT_LT(r, n);
            sawZero |= r == 0;
            sawLast |= r == n - 1;
        }
        EXPECT_TRUE(sawZero && sawLast) << n;
    }
}

TEST(Random, EmptyOrNegativeRangeGivesZero) {
    TRandom rng(1);
    EXPECT_EQ(rng.Random(0), 0);
    EXPECT_EQ(rng.Random(-5), 0);
}

TEST(Random, RealsLieInTheHalfOpenUnitInterval) {
    TRandom rng(9);
    double lo = 1.0;
    double hi = 0.0;
    for (int i = 0; i < 100000; ++i) {
        const double x = rng.RandomReal();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    EXPECT_LT(lo, 0.001);
    EXPECT_GT(hi, 0.999);
}

TEST(Random, IsRoughlyUniform) {
    TRandom rng(3);
    std::vector<int> counts(10, 0);
    for (int i = 0; i < 100000; ++i)
        ++counts[static_cast<std::size_t>(rng.Random(10))];
    for (int c : counts)
        EXPECT_NEAR(c, 10000, 500);
}

TEST(Random, FixedSeedReplaysIncludingReseeds) {
    TRandom a(2024);
    TRandom b(2024);
    for (int i = 0; i < 50; ++i) {
        if (i % 7 == 0) {
            a.Reseed();
            b.Reseed();
        }
        ASSERT_EQ(a.Random(1000000), b.Random(1000000));
    }
    EXPECT_TRUE(a.Reproducible());
}

TEST(Random, ReseedMovesToAnotherSequence) {
    TRandom a(5);
    TRandom b(5);
    b.Reseed();
    int same = 0;
    for (int i = 0; i < 100; ++i)
        same += a.Random(1 << 30) == b.Random(1 << 30);
    EXPECT_LT(same, 3);
}

TEST(Random, ClockSeededGeneratorsDiffer) {
    TRandom a;
    TRandom b;
    EXPECT_FALSE(a.Reproducible());
    int same = 0;
    for (int i = 0; i < 100; ++i)
        same += a.Random(1 << 30) == b.Random(1 << 30);
    EXPECT_LT(same, 3);
}

} // namespace
} // namespace veltrane
