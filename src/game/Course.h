#pragma once

// Moving between the star systems of the current sector: distances, the
// energy a flight needs, selecting a system, starting a flight and the rows
// of the navigator.

#include "game/Context.h"

#include <string>
#include <vector>

namespace veltrane {

// Light years from the current system to system k of the current sector; two
// map pixels make one light year.
int SystemDistance(const TGameState& world, int k);
// Energy a second of flight drains: 4, 2 or 1 percent for cells 1, 2, 3.
int FlightDrain(int energyCell);
// Energy a flight over `distance` light years needs before it may start.
int FlightCost(int distance, int energyCell);

// A press on marker k: its name, position and distance in the info line.
TOutcome SelectSystem(TContext& ctx, int k);
// A flight to system k over the pending distance, or the system view when k
// is where the ship is. Refused without enough energy.
TOutcome FlyToSystem(TContext& ctx, int k);
// A double click on marker k: the flight over k's own distance, whatever the
// window delivered before it.
TOutcome FlyToMarker(TContext& ctx, int k);

struct TNavigatorRow {
    std::string Name;
    std::string Coordinates;
    int Distance = 0;
    bool InRange = false;     // marked "X"
    bool Destination = false; // a transport job goes there
    int System = 0;
};

// Every system of the current sector, sorted by name.
std::vector<TNavigatorRow> NavigatorRows(const TContext& ctx);
// The navigator closed with system k chosen ("Set course"); 0 means none.
TOutcome SetCourse(TContext& ctx, int k);

} // namespace veltrane
