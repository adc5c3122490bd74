#pragma once

// Visiting a capital city: entering and leaving, the dialogue panels and the
// two information buttons. Selling, refuelling, the shop and transport jobs
// have their own rules.

#include "game/Context.h"

namespace veltrane {

// A click on city picture i of the surface: its name in the info line.
TOutcome ShowCityName(TContext& ctx, int i);
// A double click on city picture i: only a capital has a space port.
TOutcome EnterCity(TContext& ctx, int i);
// Makes `panel` the one dialogue panel shown; the main panel asks for more wishes.
void ShowCityPanel(TContext& ctx, TCityPanel panel);
// "Go back" on any wish panel.
TOutcome GoBack(TContext& ctx);
TOutcome ShowCityInfo(TContext& ctx);
TOutcome ShowAlienInfo(TContext& ctx);
// "I would like to leave": back to the surface (the police may be waiting).
TOutcome LeaveCity(TContext& ctx);

} // namespace veltrane
