#pragma once

// Changing sector through the hyperspace tunnel: a hyperdrive of the level
// the target sector asks for, and a share of energy that grows with it.

#include "game/Context.h"

namespace veltrane {

// Percent of energy one passage needs and spends.
inline int TransferFuel(int hyperdrive) {
    return hyperdrive * 10 + 60;
}

// The target sector an answer of the choice names: the last of the digits 2,
// 3, 4 it contains, else 1.
int ChosenSector(const std::string& answer);

// "Change sector": asks for the sector, then enters the tunnel.
TOutcome ChangeSector(TContext& ctx);

// The fourth tick in the tunnel: energy charged, the new sector's map shown,
// the game autosaved.
void TunnelEnd(TContext& ctx);

} // namespace veltrane
