#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Headquarter.h"
#include "game/MapMarks.h"

namespace veltrane::test {
namespace {

// The reach is exactly enough for the flight rule, and one light year more is not.
TEST(MapMarksReach, FarthestDistanceTheEnergyCoversAtItsEdges) {
    const int cases[][3] = {
        {0, 3, 0}, {3, 1, 0}, {8, 1, 19}, {100, 1, 249}, {100, 3, 999}}; // energy, cell, reach
    for (const auto& [energy, cell, reach] : cases) {
        EXPECT_EQ(EnergyReach(energy, cell), reach) << energy << "% with cell " << cell;
        EXPECT_LE(reach == 0 ? 0 : FlightCost(reach, cell), energy);
        EXPECT_GT(FlightCost(reach + 1, cell), energy);
    }
}

// Over many galaxies only the headquarters and a job's destination are marked, never what lies on planets.
TEST(MapMarksSeeds, HiddenThingsAreNeverMarked) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        THeadlessGame game(seed, nullptr);
        ASSERT_TRUE(game.NewGame().ok());
        TGameState& world = game.World();
        RelocateHeadquarter(world, game.Rng());
        const std::string bound = world.System(world.CurrentSector, 1 + int(seed * 11 % 149)).Name;
        world.Transport.push_back({bound, "10", 1});
        for (int s = 1; s <= kSectorCount; ++s)
            for (const TMapMark& mark : MapMarks(world, s)) {
                const bool isHq = world.Headquarter.Sector == s && world.Headquarter.System == mark.System;
                const bool isBound = s == world.CurrentSector && world.System(s, mark.System).Name == bound;
                EXPECT_TRUE(mark.Kind == TMapMarkKind::Headquarter ? isHq : isBound)
                    << "seed " << seed << ", sector " << s << ", system " << mark.System;
            }
    }
}

} // namespace
} // namespace veltrane::test
