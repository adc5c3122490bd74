#pragma once

// The main timer's second: the game clock, the flight under way and its
// arrival.

#include "game/Context.h"

namespace veltrane {

struct TTickResult {
    bool Arrived = false;
};

// One tick of the main timer. A flight or a tunnel passage goes on whichever
// page is shown, so a ship that set out always pays and arrives.
TTickResult MainTick(TContext& ctx);

// The arrival steps: energy settled, system view built, transport paid or a
// chance event, and now and then the headquarter moves on.
void ArriveAtSystem(TContext& ctx);

// Seconds a flight over `distance` light years lasts.
inline int FlightSeconds(int distance) {
    return distance / 10 + 2;
}

} // namespace veltrane
