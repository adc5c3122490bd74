#pragma once

// Where the SERO headquarter is, and its moves.

#include "core/Random.h"
#include "core/World.h"

namespace veltrane {

// A new random place: sector 4 twice as likely as each other, never system 150.
void RelocateHeadquarter(TGameState& world, TRandom& rng);

} // namespace veltrane
