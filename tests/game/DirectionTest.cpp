#include "game/Direction.h"

#include <gtest/gtest.h>

#include <array>

namespace veltrane {
namespace {

TEST(ArrowNumber, RunsClockwiseFromUpAroundTheShip) {
    struct Case {
        int tx, ty, arrow;
    };
    // Ship at (100, 100); y grows downwards on the map.
    const std::array<Case, 8> cases{{
        {100, 40, 1},  // straight up
        {160, 40, 2},  // up right
        {160, 100, 3}, // right
        {160, 160, 4}, // down right
        {100, 160, 5}, // down
        {40, 160, 6},  // down left
        {40, 100, 7},  // left
        {40, 40, 8},   // up left
    }};
    for (const Case& c : cases)
        EXPECT_EQ(ArrowNumber(100, 100, c.tx, c.ty), c.arrow) << "target " << c.tx << "," << c.ty;
}

TEST(ArrowNumber, ShipToTheLowerRightOfTheTargetPointsUpLeft) {
    EXPECT_EQ(ArrowNumber(300, 200, 299, 199), 8);
}

TEST(ArrowNumber, TargetDirectlyBelowPointsDown) {
    EXPECT_EQ(ArrowNumber(50, 50, 50, 51), 5);
}

TEST(ArrowNumber, SamePositionFallsBackToUp) {
    EXPECT_EQ(ArrowNumber(7, 9, 7, 9), 1);
    EXPECT_EQ(ArrowNumber(0, 0, 0, 0), 1);
}

TEST(ArrowNumber, OneStepOffTheAxisLeavesTheStraightArrows) {
    EXPECT_EQ(ArrowNumber(10, 10, 11, 10), 3);
    EXPECT_EQ(ArrowNumber(10, 10, 11, 11), 4);
    EXPECT_EQ(ArrowNumber(10, 10, 9, 10), 7);
    EXPECT_EQ(ArrowNumber(10, 10, 9, 9), 8);
    EXPECT_EQ(ArrowNumber(10, 10, 10, 9), 1);
}

class DirectionTargetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        world.CurrentSector = 2;
        world.CurrentSystem = 5;
        world.FindIdx[2] = 17;
        world.Artefacts[17].Sector = 2;
        world.Artefacts[17].System = 88;
        for (int n = 1; n <= kModuleCount; ++n)
            world.AlienModules[n] =
                TModulePlacement{static_cast<std::int8_t>(n), static_cast<std::uint8_t>(10 * n), 0};
    }
    TGameState world;
};

TEST_F(DirectionTargetTest, ArtefactTargetIsTheSystemOfThisSectorsOrder) {
    EXPECT_EQ(DirectionTarget(world, 'A'), 88);
}

TEST_F(DirectionTargetTest, ArtefactTargetFollowsTheCurrentSector) {
    world.CurrentSector = 3;
    world.FindIdx[3] = 40;
    world.Artefacts[40].System = 3;
    EXPECT_EQ(DirectionTarget(world, 'A'), 3);
}

TEST_F(DirectionTargetTest, NoOrderYetGivesNoArtefactTarget) {
    world.FindIdx[2] = 0;
    EXPECT_EQ(DirectionTarget(world, 'A'), std::nullopt);
    world.FindIdx[2] = 101;
    EXPECT_EQ(DirectionTarget(world, 'A'), std::nullopt);
}

TEST_F(DirectionTargetTest, ArtefactWithoutSystemGivesNoTarget) {
    world.Artefacts[17].System = 0;
    EXPECT_EQ(DirectionTarget(world, 'A'), std::nullopt);
}

TEST_F(DirectionTargetTest, ModuleTargetIsTheModuleLyingInThisSector) {
    EXPECT_EQ(DirectionTarget(world, 'M'), 20);
    world.CurrentSector = 4;
    EXPECT_EQ(DirectionTarget(world, 'M'), 40);
}

TEST_F(DirectionTargetTest, LastOfSeveralModulesInTheSectorWins) {
    world.AlienModules[3].Sector = 2;
    world.AlienModules[3].System = 77;
    EXPECT_EQ(DirectionTarget(world, 'M'), 77);
    world.AlienModules[1].Sector = 2;
    world.AlienModules[1].System = 12;
    EXPECT_EQ(DirectionTarget(world, 'M'), 77);
}

TEST_F(DirectionTargetTest, TakenOrMissingModuleGivesNoTarget) {
    world.AlienModules[2].System = 0; // picked up
    EXPECT_EQ(DirectionTarget(world, 'M'), std::nullopt);
    for (int n = 1; n <= kModuleCount; ++n)
        world.AlienModules[n].Sector = -1; // old saved game, not placed yet
    EXPECT_EQ(DirectionTarget(world, 'M'), std::nullopt);
}

TEST_F(DirectionTargetTest, ModuleSystemBeyondTheSectorGivesNoTarget) {
    world.AlienModules[2].System = 151;
    EXPECT_EQ(DirectionTarget(world, 'M'), std::nullopt);
}

TEST_F(DirectionTargetTest, NoCurrentSectorGivesNoTarget) {
    world.CurrentSector = 0;
    EXPECT_EQ(DirectionTarget(world, 'A'), std::nullopt);
    EXPECT_EQ(DirectionTarget(world, 'M'), std::nullopt);
}

} // namespace
} // namespace veltrane
