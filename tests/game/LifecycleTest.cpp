#include "game/Lifecycle.h"

#include <gtest/gtest.h>

#include <limits>

namespace veltrane {
namespace {

TEST(UserFolder, BelowTheDocumentsFolder) {
    EXPECT_EQ(UserFolderFromDocuments("/home/kim/Documents"), "/home/kim/Documents/Brindle/Veltrane/");
    EXPECT_EQ(UserFolderFromDocuments("/home/kim/Documents/"), "/home/kim/Documents/Brindle/Veltrane/");
}

TEST(WindowType, OnlyOneIsAStandardWindow) {
    EXPECT_TRUE(IsStandardWindow(1));
    EXPECT_FALSE(IsStandardWindow(0));
    EXPECT_FALSE(IsStandardWindow(2));
    EXPECT_FALSE(IsStandardWindow(255));
}

TEST(GameClock, CountsSecondsAndStopsAtTheEndOfItsRange) {
    TGameState world;
    AdvanceGameClock(world);
    EXPECT_EQ(world.GameSeconds, 1);
    world.GameSeconds = std::numeric_limits<std::int32_t>::max();
    AdvanceGameClock(world);
    EXPECT_EQ(world.GameSeconds, std::numeric_limits<std::int32_t>::max());
}

class NewGameRules : public ::testing::Test {
  protected:
    TGameState world;
    TContentTables tables;
    TRandom rng{99};
};

TEST_F(NewGameRules, ResetsTheCaptainAndKeepsTheContent) {
    tables.EventTexts = {"Tip %d", "Fine %d"};
    tables.DlgCaptions = {};
    tables.DlgCaptions.StartColor = 1;
    tables.DlgCaptions.Yes = "Ja";
    world.Captain.Name = "Mara Quill";
    world.Captain.Budget = 5000;
    world.Cargo.push_back({"Relic", 4});
    world.GameSeconds = 999;

    ASSERT_TRUE(StartNewGame(world, tables, rng, TMapGeometry{817, 450, 0, 0}).ok());
    EXPECT_EQ(world.Captain.Name, "Jon Kestrel");
    EXPECT_EQ(world.Captain.Budget, 100);
    EXPECT_TRUE(world.Cargo.empty());
    EXPECT_EQ(world.GameSeconds, 0);
    EXPECT_EQ(world.CurrentSector, 1);
    EXPECT_EQ(tables.DlgCaptions.StartColor, 0x00FFFFu);
    EXPECT_EQ(tables.DlgCaptions.EndColor, 0x0000FFu);
    EXPECT_EQ(tables.DlgCaptions.Yes, "Ja");
    EXPECT_EQ((std::vector<std::string>{"Tip %d", "Fine %d"}), tables.EventTexts);
    for (int s = 1; s <= kSectorCount; ++s)
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            const TSystem& sys = world.System(s, k);
            ASSERT_GE(sys.PosX, 0);
            ASSERT_LE(sys.PosX + sys.Size, 817);
            ASSERT_LE(sys.PosY + sys.Size, 450);
        }
}

TEST_F(NewGameRules, TwoNewGamesGiveDifferentGalaxies) {
    ASSERT_TRUE(StartNewGame(world, tables, rng, {}).ok());
    const TGameState first = world;
    ASSERT_TRUE(StartNewGame(world, tables, rng, {}).ok());
    EXPECT_NE(world.Galaxy, first.Galaxy);
}

TEST_F(NewGameRules, RestoringPlacesArtefactsWhereTheyLie) {
    ASSERT_TRUE(StartNewGame(world, tables, rng, {}).ok());
    const TGameState generated = world;
    for (int n = 1; n <= kArtefactCount; ++n)
        world.Artefacts[n].Sector = 0, world.Artefacts[n].System = 0;
    RestoreArtefactPlaces(world, rng);
    for (int n = 1; n <= kArtefactCount; ++n) {
        EXPECT_EQ(world.Artefacts[n].Sector, generated.Artefacts[n].Sector) << n;
        EXPECT_EQ(world.Artefacts[n].System, generated.Artefacts[n].System) << n;
        EXPECT_EQ(world.Artefacts[n].Planet, generated.Artefacts[n].Planet) << n;
    }
    // The order was there and stays as it was.
    EXPECT_EQ(world.FindIdx, generated.FindIdx);
}

TEST_F(NewGameRules, AGameWithoutAnOrderGetsOneArtefactPerSector) {
    ASSERT_TRUE(StartNewGame(world, tables, rng, {}).ok());
    for (auto& wanted : world.FindIdx)
        wanted = 0;
    // An artefact taken aboard lies nowhere and cannot be ordered.
    world.Artefacts[1].Sector = 0;
    RestoreArtefactPlaces(world, rng);
    for (int s = 1; s <= kSectorCount; ++s) {
        const int wanted = world.FindIdx[s];
        ASSERT_GE(wanted, 1);
        EXPECT_EQ(world.Artefacts[wanted].Sector, s);
    }
}

} // namespace
} // namespace veltrane
