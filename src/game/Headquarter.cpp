#include "Headquarter.h"

#include <algorithm>

namespace veltrane {

void RelocateHeadquarter(TGameState& world, TRandom& rng) {
    const int s = std::min(1 + rng.Random(5), kSectorCount);
    const int k = 1 + rng.Random(kSystemsPerSector - 1);
    world.Headquarter.Sector = static_cast<std::uint8_t>(s);
    world.Headquarter.System = k;
    world.Headquarter.Name = world.System(s, k).Name;
}

} // namespace veltrane
