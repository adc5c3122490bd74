#include "game/MapSelection.h"

#include <cstdlib>

namespace veltrane {

std::optional<int> NeighbourToward(const TSession& session, int from, TArrow arrow) {
    const TGameState& world = session.World;
    const int sector = world.CurrentSector;
    if (sector < 1 || sector > kSectorCount || from < 1 || from > kSystemsPerSector)
        return std::nullopt;
    // Twice the centre, so odd marker sizes stay whole numbers.
    const auto centre = [&](int k) {
        const TSystem& s = world.System(sector, k);
        return std::pair<long, long>{2L * s.PosX + s.Size, 2L * s.PosY + s.Size};
    };
    const auto [fx, fy] = centre(from);
    std::optional<int> best;
    long bestScore = 0;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        if (k == from || session.MarkerHidden(k))
            continue;
        const auto [x, y] = centre(k);
        const long dx = x - fx;
        const long dy = y - fy;
        const bool across = arrow == TArrow::Up || arrow == TArrow::Down;
        const long along = arrow == TArrow::Right  ? dx
                           : arrow == TArrow::Left ? -dx
                           : arrow == TArrow::Down ? dy
                                                   : -dy;
        if (along <= 0)
            continue;
        const long score = along + 2 * std::labs(across ? dx : dy);
        if (!best || score < bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return best;
}

} // namespace veltrane
