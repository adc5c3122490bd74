#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Headquarter.h"
#include "game/MapMarks.h"

namespace veltrane::test {
namespace {

struct ReachCase {
    const char* Name;
    int Energy, Cell, LightYears;
};

class Reach : public ::testing::TestWithParam<ReachCase> {};

// The reach is exactly enough for the flight rule, and one light year more is not.
TEST_P(Reach, FarthestDistanceTheEnergyCovers) {
    const ReachCase& c = GetParam();
    EXPECT_EQ(EnergyReach(c.Energy, c.Cell), c.LightYears);
    EXPECT_LE(c.LightYears == 0 ? 0 : FlightCost(c.LightYears, c.Cell), c.Energy);
    EXPECT_GT(FlightCost(c.LightYears + 1, c.Cell), c.Energy);
}

INSTANTIATE_TEST_SUITE_P(MapMarks, Reach,
                         ::testing::Values(ReachCase{"Empty", 0, 3, 0}, ReachCase{"BelowOneDrain", 3, 1, 0},
                                           ReachCase{"ExactlyTwoDrains", 8, 1, 19},
                                           ReachCase{"OneShortOfThreeDrains", 11, 1, 19},
                                           ReachCase{"FullFirstCell", 100, 1, 249},
                                           ReachCase{"FullSecondCell", 100, 2, 499},
                                           ReachCase{"FullThirdCell", 100, 3, 999}),
                         [](const auto& row) { return std::string(row.param.Name); });

// Over many galaxies: only the headquarters and where a carried job goes are
// marked, never a system for what lies on its planets.
TEST(MapMarksSeeds, HiddenThingsAreNeverMarked) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        THeadlessGame game(seed, nullptr);
        ASSERT_TRUE(game.NewGame().ok());
        TGameState& world = game.World();
        RelocateHeadquarter(world, game.Rng());
        const std::string bound = world.System(world.CurrentSector, 1 + int(seed * 11 % 149)).Name;
        world.Transport.push_back({bound, "10", 1});
        int hqMarks = 0;
        for (int s = 1; s <= kSectorCount; ++s)
            for (const TMapMark& mark : MapMarks(world, s)) {
                const bool isHq = world.Headquarter.Sector == s && world.Headquarter.System == mark.System;
                const bool isBound = s == world.CurrentSector && world.System(s, mark.System).Name == bound;
                EXPECT_TRUE(mark.Kind == TMapMarkKind::Headquarter ? isHq : isBound)
                    << "seed " << seed << ", sector " << s << ", system " << mark.System;
                hqMarks += mark.Kind == TMapMarkKind::Headquarter;
            }
        EXPECT_EQ(hqMarks, 1) << "seed " << seed;
    }
}

} // namespace
} // namespace veltrane::test
