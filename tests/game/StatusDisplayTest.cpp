#include "game/StatusDisplay.h"

#include <gtest/gtest.h>

#include <array>

namespace veltrane {
namespace {

TEST(StorageGauge, EverySlotIsWorthTheSameWholePercent) {
    EXPECT_EQ(StorageGaugeValue(0, 3), 0);
    EXPECT_EQ(StorageGaugeValue(3, 3), 99);
    EXPECT_EQ(StorageGaugeValue(6, 6), 96);
    EXPECT_EQ(StorageGaugeValue(9, 9), 99);
    EXPECT_EQ(StorageGaugeValue(3, 6), 48);
}

TEST(StorageGauge, OverfullHoldIsHeldAtHundred) {
    EXPECT_EQ(StorageGaugeValue(5, 3), 100);
}

TEST(StorageGauge, NoCapacityDoesNotDivideByZero) {
    EXPECT_EQ(StorageGaugeValue(0, 0), 0);
    EXPECT_EQ(StorageGaugeValue(2, 0), 100);
}

TEST(EnergyColour, ThresholdsAtFiftyAndTwenty) {
    EXPECT_EQ(EnergyGaugeColour(100), kGreen);
    EXPECT_EQ(EnergyGaugeColour(50), kGreen);
    EXPECT_EQ(EnergyGaugeColour(49), kYellow);
    EXPECT_EQ(EnergyGaugeColour(20), kYellow);
    EXPECT_EQ(EnergyGaugeColour(19), kRed);
    EXPECT_EQ(EnergyGaugeColour(0), kRed);
}

TEST(ComputeStatus, DerivesCapacityPicturesAndLabels) {
    TGameState world;
    world.Captain.Storage = 2;
    world.Captain.StorageCapacity = 3; // stale: must be recomputed
    world.Captain.EnergyCell = 2;
    world.Captain.Scanner = 3;
    world.Captain.Energy = 7;
    world.Captain.Module2 = true;
    world.Cargo.resize(2);
    world.Transport.resize(1);

    const TStatusValues v = ComputeStatus(world);
    EXPECT_EQ(world.Captain.StorageCapacity, 6);
    EXPECT_EQ(v.StorageGauge, 48);
    EXPECT_EQ(v.StoragePercentText, "48%");
    EXPECT_EQ(v.EnergyGauge, 7);
    EXPECT_EQ(v.EnergyPercentText, "7%");
    EXPECT_EQ(v.EnergyColour, kRed);
    EXPECT_EQ(v.StoragePicture, 5);
    EXPECT_EQ(v.EnergyCellPicture, 8);
    EXPECT_EQ(v.ScannerPicture, 3);
    EXPECT_EQ(v.ModuleVisible, (std::array<bool, 4>{false, true, false, false}));
}

TEST(ClockText, HoursMinutesSecondsWithTwoDigits) {
    EXPECT_EQ(ClockText(0), "00:00:00");
    EXPECT_EQ(ClockText(59), "00:00:59");
    EXPECT_EQ(ClockText(60), "00:01:00");
    EXPECT_EQ(ClockText(3599), "00:59:59");
    EXPECT_EQ(ClockText(3661), "01:01:01");
}

TEST(ClockText, HoursGoOnCountingPastADay) {
    EXPECT_EQ(ClockText(86399), "23:59:59");
    EXPECT_EQ(ClockText(86400), "24:00:00");
    EXPECT_EQ(ClockText(360000), "100:00:00");
    EXPECT_EQ(ClockText(2147483647), "596523:14:07");
}

TEST(ClockText, NegativeTimeShowsZero) {
    EXPECT_EQ(ClockText(-5), "00:00:00");
}

TEST(BackgroundTile, ThirdTileHalfOfTheTime) {
    TRandom rng(7);
    std::array<int, 5> seen{};
    const int draws = 40000;
    for (int i = 0; i < draws; ++i) {
        const int n = BackgroundTileNumber(rng);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 3);
        ++seen[static_cast<std::size_t>(n)];
    }
    EXPECT_NEAR(seen[1] / double(draws), 0.25, 0.02);
    EXPECT_NEAR(seen[2] / double(draws), 0.25, 0.02);
    EXPECT_NEAR(seen[3] / double(draws), 0.50, 0.02);
}

TEST(CentreOffset, HalvesAreTruncatedSeparately) {
    EXPECT_EQ(CentreOffset(1024, 768, 900, 700), (TPoint{62, 34}));
    // 817/2 - 41/2 = 408 - 20, not (817-41)/2 = 388.
    EXPECT_EQ(CentreOffset(817, 215, 41, 101), (TPoint{388, 57}));
    EXPECT_EQ(CentreOffset(817, 450, 817, 450), (TPoint{0, 0}));
}

TEST(CentreOffset, LargerChildGoesNegative) {
    EXPECT_EQ(CentreOffset(800, 600, 900, 700), (TPoint{-50, -50}));
}

} // namespace
} // namespace veltrane
