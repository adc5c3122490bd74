#pragma once

// Passengers and freight: paid on arrival at a system of the destination's
// name; passengers tell where to look next.

#include "game/Context.h"

#include <vector>

namespace veltrane {

// New offers of passengers and freight for the city entered: other systems of
// this sector within 50 light years. Where no other system can be drawn, no
// offer of that kind is made.
void GenerateTransportOffers(TContext& ctx);
// "I would like to look for passengers".
TOutcome OpenTransportPanel(TContext& ctx);
// Takes the selected offers aboard while the hold has room.
TOutcome AcceptOffers(TContext& ctx, const std::vector<int>& selectedRows);

// Delivers every job for the current system's name. True when money was paid
// (jobs worth nothing leave the hold without a word).
bool DeliverTransport(TContext& ctx);

// The current sector's alien module has been taken.
bool SectorModuleCollected(const TGameState& world);
// The ordered artefact of the current sector is in the hold.
bool OrderArtefactInCargo(const TGameState& world);

} // namespace veltrane
