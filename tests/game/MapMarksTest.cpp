#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Headquarter.h"
#include "game/MapMarks.h"
#include "lang/TextCatalogue.h"

#include <set>

namespace veltrane::test {
namespace {

struct ReachCase {
    const char* Name;
    int Energy, Cell, LightYears;
};

class Reach : public ::testing::TestWithParam<ReachCase> {};

TEST_P(Reach, FarthestDistanceTheEnergyCovers) {
    EXPECT_EQ(EnergyReach(GetParam().Energy, GetParam().Cell), GetParam().LightYears);
}

INSTANTIATE_TEST_SUITE_P(
    MapMarks, Reach,
    ::testing::Values(ReachCase{"Empty", 0, 3, 0}, ReachCase{"BelowOneDrain", 3, 1, 0},
                      ReachCase{"ExactlyOneDrain", 4, 1, 9}, ReachCase{"ExactlyTwoDrains", 8, 1, 19},
                      ReachCase{"OneShortOfThree", 11, 1, 19}, ReachCase{"FullFirstCell", 100, 1, 249},
                      ReachCase{"FullSecondCell", 100, 2, 499}, ReachCase{"FullThirdCell", 100, 3, 999},
                      ReachCase{"NegativeIsEmpty", -5, 1, 0}),
    [](const auto& row) { return std::string(row.param.Name); });

TEST(MapMarksReach, EveryEnergyCoversItsReachAndNotOneLightYearMore) {
    for (int cell = 1; cell <= 3; ++cell)
        for (int energy = FlightDrain(cell); energy <= 100; ++energy) {
            const int reach = EnergyReach(energy, cell);
            EXPECT_LE(FlightCost(reach, cell), energy) << "cell " << cell << ", energy " << energy;
            EXPECT_GT(FlightCost(reach + 1, cell), energy) << "cell " << cell << ", energy " << energy;
        }
}

class MapMarksRules : public EngineTest {};

TEST_F(MapMarksRules, TheFlightRuleAgreesWithTheReachAtItsEdge) {
    World().Captain.Energy = 8;
    const int k = Other();
    const int reach = EnergyReach(8, World().Captain.EnergyCell);
    PlaceAt(k, 2 * (reach + 1), 0);
    SelectSystem(Ctx(), k);
    EXPECT_FALSE(FlyToSystem(Ctx(), k).Done) << "one light year beyond the reach";
    PlaceAt(k, 2 * reach + 1, 0);
    SelectSystem(Ctx(), k);
    EXPECT_EQ(game.Session().SelectedSystem, k);
    EXPECT_TRUE(FlyToSystem(Ctx(), k).Done) << "the farthest pixel still within the reach";
}

// Over many galaxies: the map marks only the headquarter and where carried
// jobs go, never a system for what lies on its planets.
TEST(MapMarksSeeds, HiddenThingsAreNeverMarked) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        THeadlessGame game(seed, nullptr);
        ASSERT_TRUE(game.NewGame().ok());
        TGameState& world = game.World();
        RelocateHeadquarter(world, game.Rng());
        const int bound = 1 + static_cast<int>(seed * 11 % 149);
        world.Transport.push_back({world.System(world.CurrentSector, bound).Name, "10", 1});

        std::set<std::pair<int, int>> hidden; // systems with an artefact, a power pack or a module
        for (int s = 1; s <= kSectorCount; ++s)
            for (int k = 1; k <= kSystemsPerSector; ++k)
                for (const TPlanet& p : world.System(s, k).Planets)
                    if (p.Artefact != 0 || p.PowerUp != 0)
                        hidden.insert({s, k});
        for (int m = 1; m <= kModuleCount; ++m)
            hidden.insert({world.AlienModules[m].Sector, world.AlienModules[m].System});

        int headquarterMarks = 0;
        for (int s = 1; s <= kSectorCount; ++s)
            for (const TMapMark& mark : MapMarks(world, s)) {
                const bool headquarter =
                    world.Headquarter.Sector == s && world.Headquarter.System == mark.System;
                const bool destination = s == world.CurrentSector && world.System(s, mark.System).Name ==
                                                                         world.Transport.front().Destination;
                EXPECT_TRUE(mark.Kind == TMapMarkKind::Headquarter ? headquarter : destination)
                    << "seed " << seed << ": sector " << s << " system " << mark.System
                    << (hidden.count({s, mark.System}) ? " holds something hidden" : "");
                headquarterMarks += mark.Kind == TMapMarkKind::Headquarter;
            }
        EXPECT_EQ(headquarterMarks, 1) << "seed " << seed;
    }
}

TEST_F(MapMarksRules, CaptionNamesTheSystemItsDistanceAndWhatIsMarkedThere) {
    const int k = Other();
    PlaceAt(k, 74, 0);
    const std::string name = World().System(World().CurrentSector, k).Name;
    std::string caption = MarkerCaption(Ctx().Script, World(), k);
    EXPECT_NE(caption.find(name), std::string::npos);
    EXPECT_NE(caption.find("37"), std::string::npos);
    EXPECT_EQ(caption.find('\n'), std::string::npos) << "nothing is marked there";

    World().Headquarter = {name, {}, static_cast<std::uint8_t>(World().CurrentSector), k};
    World().Transport.push_back({name, "5", 0});
    caption = MarkerCaption(Ctx().Script, World(), k);
    EXPECT_EQ(std::count(caption.begin(), caption.end(), '\n'), 2);
    EXPECT_EQ(MarkerCaption(Ctx().Script, World(), World().CurrentSystem).find("light years"),
              std::string::npos)
        << "no distance to where the ship is";
}

TEST_F(MapMarksRules, AnArrivalThatMovesTheHeadquarterSaysWhere) {
    game.Options().RandomEvents = 100;
    World().Captain.Energy = 100;
    World().Captain.EnergyCell = 3;
    int moves = 0;
    for (int flight = 0; flight < 60 && moves < 3; ++flight) {
        const TArtefact before = World().Headquarter;
        const int k = Other();
        PlaceAt(k, 10, 0);
        game.Execute(MakeCommand(TCommandKind::Map));
        ASSERT_TRUE(game.Execute(MakeCommand(TCommandKind::Fly, {k})).Outcome.Done);
        TCommandReport arrival;
        while (game.Session().InFlight())
            arrival = game.Tick();
        World().Captain.Energy = 100;
        if (World().Headquarter == before)
            continue;
        ++moves;
        EXPECT_NE(arrival.InfoLine.find(World().Headquarter.Name), std::string::npos) << arrival.InfoLine;
        EXPECT_NE(arrival.InfoLine.find(World().Here().Name), std::string::npos) << "still the arrival";
    }
    EXPECT_GT(moves, 0) << "the headquarter never moved in 60 arrivals";
}

TEST_F(MapMarksRules, TheOrderSaysHowToGetAboard) {
    const std::string order = OrderText(Ctx());
    EXPECT_NE(order.find(World().Headquarter.Name), std::string::npos);
    EXPECT_GT(order.find(Lookup(Ctx().Script, texts::VisitHeadquarters)),
              order.find(World().Headquarter.Name));
}

} // namespace
} // namespace veltrane::test
