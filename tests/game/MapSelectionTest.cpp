#include "game/MapSelection.h"
#include "game/Headless.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

// How far system k lies along the arrow from system `from`, centres doubled.
long Along(const TGameState& world, int from, int k, TArrow arrow) {
    const TSystem& a = world.System(world.CurrentSector, from);
    const TSystem& b = world.System(world.CurrentSector, k);
    const long dx = (2L * b.PosX + b.Size) - (2L * a.PosX + a.Size);
    const long dy = (2L * b.PosY + b.Size) - (2L * a.PosY + a.Size);
    return arrow == TArrow::Right ? dx : arrow == TArrow::Left ? -dx : arrow == TArrow::Down ? dy : -dy;
}

// Over many galaxies and a hidden half of the markers: an arrow leads to a
// visible system that lies its way, and finds one whenever there is one.
TEST(NeighbourToward, LeadsOnlyTheArrowsWayAndMissesNoSystemThere) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        THeadlessGame game(seed, nullptr);
        ASSERT_TRUE(game.NewGame().ok());
        TSession& session = game.Session();
        if (seed % 2 == 0)
            for (int k = 1; k <= kSystemsPerSector; k += 2)
                session.HiddenMarkers.set(static_cast<std::size_t>(k - 1));
        for (int from = 1; from <= kSystemsPerSector; from += 7)
            for (TArrow arrow : {TArrow::Left, TArrow::Right, TArrow::Up, TArrow::Down}) {
                bool anyThatWay = false;
                for (int k = 1; k <= kSystemsPerSector; ++k)
                    anyThatWay |=
                        k != from && !session.MarkerHidden(k) && Along(session.World, from, k, arrow) > 0;
                const std::optional<int> next = NeighbourToward(session, from, arrow);
                ASSERT_EQ(next.has_value(), anyThatWay) << "seed " << seed << " from " << from;
                if (next) {
                    EXPECT_GT(Along(session.World, from, *next, arrow), 0)
                        << "seed " << seed << " from " << from;
                    EXPECT_FALSE(session.MarkerHidden(*next));
                }
            }
    }
}

} // namespace
} // namespace veltrane
