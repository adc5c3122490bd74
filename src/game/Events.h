#pragma once

// Chance events that win or cost money: one after some arrivals, and the
// police when the captain leaves a city (once per planet until the next
// sector change).

#include "core/Random.h"
#include "game/Context.h"

namespace veltrane {

// The money a bad event costs: a quarter of the budget at most plus 10,
// never more than the budget itself.
int EventAmount(int budget, TRandom& rng);

// One of the event texts at random: odd numbers pay, even numbers cost. A
// script without event texts has no arrival events.
void ArrivalEvent(TContext& ctx);

// Leaving the city page: maybe the police, unless they came here already.
void PoliceCheck(TContext& ctx);
// A fine or a bonus, by the police level of the city entered last.
void PoliceEvent(TContext& ctx, int policeLevel);
// Police events may happen again on every planet of the current sector.
void ResetPoliceEvents(TGameState& world);

} // namespace veltrane
