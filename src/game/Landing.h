#pragma once

// Landing on a planet and what lies on its surface: artefacts for the hold,
// power packs for energy or money, and the four ancient alien modules whose
// filters thin out the sector map.

#include "game/Context.h"

#include <optional>
#include <string>

namespace veltrane {

// A double click on planet p of the current system. Gas planets refuse.
TOutcome LandOnPlanet(TContext& ctx, int p);
// Cities, landscape and mirroring of planet p; the mirroring is decided once
// and stays with the planet.
void BuildSurface(TContext& ctx, int p);
// A double click on the landscape: back to the system view.
TOutcome LeaveSurface(TContext& ctx);

TOutcome ShowArtefactInfo(TContext& ctx);
TOutcome PickUpArtefact(TContext& ctx);
// Cargo and transport jobs share the hold; refuses in red when it is full.
bool HasStorageRoom(TContext& ctx);
TOutcome TakePowerPack(TContext& ctx);
TOutcome TakeAlienModule(TContext& ctx);
// A click on the cargo or transport list, with the cargo row selected (if any).
TOutcome ShowCargoInfo(TContext& ctx, std::optional<int> cargoRow);

// What module n does, as its picture's hint tells the player.
std::string ModuleDescription(const ITextSource& script, int n);

// The module picture's click: shows the map with filter n on, or with every
// marker again when it was on already.
TOutcome ToggleModuleFilter(TContext& ctx, int n);
void ClearModuleFilters(TContext& ctx);

} // namespace veltrane
