#pragma once

// Changing sector through the hyperspace tunnel: a hyperdrive of the level
// the target sector asks for, and a share of energy that grows with it.

#include "game/Context.h"

#include <string>
#include <vector>

namespace veltrane {

// Percent of energy one passage needs and spends.
inline int TransferFuel(int hyperdrive) {
    return hyperdrive * 10 + 60;
}

// The target sector an answer of the choice names: the last of the digits 2,
// 3, 4 it contains, else 1.
int ChosenSector(const std::string& answer);

// The "Change sector" button: refused without a hyperdrive, else the sectors
// to choose from (the window asks which one).
TOutcome AskSector(TContext& ctx);
std::vector<std::string> SectorChoices(const TContext& ctx);
// Sector `target` chosen: into the tunnel, if hyperdrive and energy suffice.
TOutcome ChangeSector(TContext& ctx, int target);

// The fourth tick in the tunnel: energy charged, the new sector's map shown,
// the game autosaved.
void TunnelEnd(TContext& ctx);

} // namespace veltrane
