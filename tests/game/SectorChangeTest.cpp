#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Events.h"
#include "game/SectorChange.h"

namespace veltrane::test {
namespace {

struct PassageCase {
    const char* Name;
    int Hyperdrive, Energy, Target;
    const char* Refusal; // empty: the passage is made
    int EnergyAfter;
};

class Passage : public EngineTest, public ::testing::WithParamInterface<PassageCase> {};

TEST_P(Passage, LevelsAndEnergyDecideAndTheFourthTickArrives) {
    const PassageCase& c = GetParam();
    World().CurrentSector = 3;
    World().CurrentSystem = 42;
    ShowSectorMap(Ctx(), false);
    World().Captain.Hyperdrive = static_cast<std::uint8_t>(c.Hyperdrive);
    World().Captain.Energy = static_cast<std::uint8_t>(c.Energy);
    const TOutcome outcome = ChangeSector(Ctx(), c.Target);
    if (c.Refusal[0] != '\0') {
        EXPECT_FALSE(outcome.Done);
        EXPECT_EQ(outcome.Text, c.Refusal);
        EXPECT_EQ(World().CurrentSector, 3);
        EXPECT_EQ(game.Session().CurrentView, TView::Sector3);
        EXPECT_EQ(game.Autosaves(), 0);
        return;
    }
    ASSERT_TRUE(outcome.Done);
    EXPECT_EQ(World().CurrentSector, c.Target) << "the target is set as the tunnel opens";
    EXPECT_EQ(game.Sound.Played.back(), "trance.mp3");
    EXPECT_EQ(game.Session().CurrentView, TView::Tunnel);
    game.Tick();
    ShowSystemView(Ctx()); // turning away from the tunnel does not stop it
    game.Tick();
    game.Tick();
    EXPECT_TRUE(game.Session().InFlight()) << "three ticks are not yet the end";
    EXPECT_EQ(game.Autosaves(), 0);
    game.Tick();
    EXPECT_EQ(game.Autosaves(), 1) << "the arrival is autosaved once";
    EXPECT_FALSE(game.Session().InFlight());
    EXPECT_EQ(World().Captain.Energy, c.EnergyAfter);
    EXPECT_EQ(World().CurrentSystem, 42);
    EXPECT_EQ(game.Session().CurrentView, SectorView(c.Target));
    EXPECT_EQ(game.Window.InfoText, "You are now in sector " + std::to_string(c.Target) + ".");
    EXPECT_EQ(game.Window.InfoColour, kGreen);
}

INSTANTIATE_TEST_SUITE_P(
    SectorChange, Passage,
    ::testing::Values(PassageCase{"NoHyperdrive", 0, 100, 2,
                                  "Sorry, you need a hyperdrive engine for changing to another sector.", 0},
                      PassageCase{"LevelOneReachesTwo", 1, 70, 2, "", 0},
                      PassageCase{"LevelOneReachesOne", 1, 80, 1, "", 10},
                      PassageCase{"LevelOneNotFour", 1, 100, 4,
                                  "Sorry, you need at least a hyperdrive of level 3 for this sector.", 0},
                      PassageCase{"SixtyNineIsShort", 1, 69, 2,
                                  "Sorry, you need at least 70 percent fuel for the hyper transfer.", 0},
                      PassageCase{"LevelThreeSpendsNinety", 3, 95, 4, "", 5}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(SectorChoice, TheLastDigitFoundWinsInTheOrderTwoThreeFour) {
    EXPECT_EQ(ChosenSector("Sector 1"), 1);
    EXPECT_EQ(ChosenSector("Sektor 3"), 3);
    EXPECT_EQ(ChosenSector("4 or 2"), 4);
    EXPECT_EQ(ChosenSector("Secteur deux"), 1);
}

TEST_F(EngineTest, TheOwnSectorChangesNothingAndAFlightUnderWayFinishesFirst) {
    World().Captain.Hyperdrive = 3;
    EXPECT_TRUE(AskSector(Ctx()).Done);
    EXPECT_EQ(SectorChoices(Ctx()).size(), 3u);
    EXPECT_FALSE(ChangeSector(Ctx(), World().CurrentSector).Done);
    EXPECT_FALSE(game.Session().InFlight());

    PlaceAt(Other(), 100, 0);
    FlyToMarker(Ctx(), Other());
    ASSERT_TRUE(game.Session().InFlight());
    EXPECT_EQ(AskSector(Ctx()).Text, "The ship is in flight.");
    EXPECT_FALSE(ChangeSector(Ctx(), 2).Done);
    EXPECT_EQ(World().CurrentSector, 1);
    game.FinishPassage();
    EXPECT_LT(World().Captain.Energy, 100) << "the flight was paid";
}

TEST_F(EngineTest, PoliceEventsMayHappenAgainAfterASectorChange) {
    for (TSystem& s : World().Galaxy[2].Systems)
        for (TPlanet& p : s.Planets)
            p.EventOccured = true;
    World().CurrentSector = 2;
    ResetPoliceEvents(World());
    for (const TSystem& s : World().Galaxy[2].Systems)
        for (const TPlanet& p : s.Planets)
            ASSERT_FALSE(p.EventOccured);
}

} // namespace
} // namespace veltrane::test
