#include "Noise.h"
#include "AssetRandom.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace veltrane::assetgen;

TEST(Noise, EveryKindStaysInTheUnitRange) {
    const Noise noise(7);
    AssetRandom rnd(1);
    for (int i = 0; i < 5000; ++i) {
        const double x = rnd.range(-300, 300), y = rnd.range(-300, 300), z = rnd.range(-300, 300);
        for (const double v : {noise.at(x, y), noise.at(x, y, z), noise.fbm(x, y, 5), noise.fbm(x, y, z, 4),
                               noise.ridged(x, y, 4), noise.fbmPeriodic(x, y, 4, 5)}) {
            ASSERT_GE(v, 0.0);
            ASSERT_LE(v, 1.0);
        }
    }
}

TEST(Noise, SameSeedSameFieldOtherSeedOtherField) {
    const Noise a(42), b(42), c(43);
    int differing = 0;
    for (int i = 0; i < 200; ++i) {
        const double x = i * 0.37, y = i * 0.11;
        EXPECT_EQ(a.fbm(x, y, 4), b.fbm(x, y, 4));
        differing += std::abs(a.fbm(x, y, 4) - c.fbm(x, y, 4)) > 1e-6;
    }
    EXPECT_GT(differing, 150);
}

TEST(Noise, PeriodicNoiseRepeatsAtItsPeriodIncludingNegativeCoordinates) {
    const Noise noise(3);
    for (const int period : {1, 4, 7}) {
        for (double x = -5.3; x < 5; x += 0.61) {
            for (double y = -4.1; y < 4; y += 0.73) {
                const double v = noise.fbmPeriodic(x, y, period, 4);
                EXPECT_NEAR(v, noise.fbmPeriodic(x + period, y, period, 4), 1e-9);
                EXPECT_NEAR(v, noise.fbmPeriodic(x, y - period, period, 4), 1e-9);
            }
        }
    }
}

TEST(Noise, IsContinuousAcrossLatticeLines) {
    const Noise noise(9);
    for (int cell = -3; cell <= 3; ++cell) {
        EXPECT_NEAR(noise.at(cell - 1e-7, 0.5), noise.at(cell + 1e-7, 0.5), 1e-5);
        EXPECT_NEAR(noise.at(0.5, cell - 1e-7, 0.25), noise.at(0.5, cell + 1e-7, 0.25), 1e-5);
        EXPECT_NEAR(noise.atPeriodic(cell - 1e-7, 0.5, 4), noise.atPeriodic(cell + 1e-7, 0.5, 4), 1e-5);
    }
}

TEST(AssetRandom, BelowCoversItsRangeAndNothingElse) {
    AssetRandom rnd(5);
    int seen[6] = {};
    for (int i = 0; i < 6000; ++i) {
        const int v = rnd.below(6);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 6);
        ++seen[v];
    }
    for (const int count : seen) {
        EXPECT_GT(count, 800);
    }
    EXPECT_EQ(rnd.below(0), 0);
    EXPECT_EQ(rnd.below(-3), 0);
}

TEST(AssetRandom, SeedsFromNamesAreStableAndDistinct) {
    EXPECT_EQ(AssetRandom::seedFor("planet1"), AssetRandom::seedFor("planet1"));
    EXPECT_NE(AssetRandom::seedFor("planet1"), AssetRandom::seedFor("planet2"));
    EXPECT_NE(AssetRandom::seedFor("planet1", 1), AssetRandom::seedFor("planet1", 2));
    // FNV-1a of the empty name: a fixed value, not something that varies from run to run.
    EXPECT_EQ(AssetRandom::seedFor(""), 1469598103934665603ull);
}
