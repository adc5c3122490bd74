#pragma once

// Passengers and freight: paid on arrival at a system of the destination's
// name; passengers tell where to look next.

#include "game/Context.h"

namespace veltrane {

// Delivers every job for the current system's name. True when money was paid
// (jobs worth nothing leave the hold without a word).
bool DeliverTransport(TContext& ctx);

// The current sector's alien module has been taken.
bool SectorModuleCollected(const TGameState& world);
// The ordered artefact of the current sector is in the hold.
bool OrderArtefactInCargo(const TGameState& world);

} // namespace veltrane
