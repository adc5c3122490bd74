#pragma once

// Switching the pages of the main area. Every page change goes through
// ShowView, so leaving a city always meets the police and arriving on a map
// or the system view always names the current system.

#include "game/Context.h"

namespace veltrane {

void ShowView(TContext& ctx, TView view);
// The map of the current sector; filters are cleared and the blinker starts.
void ShowSectorMap(TContext& ctx, bool fromMapButton);
// The current system's view, built without the scanner animation.
void ShowSystemView(TContext& ctx);

} // namespace veltrane
