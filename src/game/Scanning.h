#pragma once

// Scanning a star system: life forms, alien races and cities are decided the
// first time, the marker takes the colour of the highest life form, and a
// scanner of level 3 reports where artefacts lie.

#include "game/Context.h"

#include <string>

namespace veltrane {

// Marker colour for the highest life form of a system.
TColor LifeformColor(int highestLifeform);

// Surface and life form names as the info line shows them.
std::string SurfaceName(const ITextSource& script, int surface);
std::string LifeformName(const ITextSource& script, int lifeform);

// Gives each planet of the current system its picture and shows the system
// page's planets; with `animate`, the scanner gauge runs first, slot by slot,
// while the window stays live.
void BuildSystemView(TContext& ctx, bool animate);

// The Scan button. Costs nothing and may be repeated: what a scan found stays.
TOutcome ScanSystem(TContext& ctx);

// A click on planet p of the current system.
TOutcome ShowPlanetInfo(TContext& ctx, int p);

} // namespace veltrane
