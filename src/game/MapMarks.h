#pragma once

// What the sector map points out beside its markers: how far the energy
// reaches, the headquarter while it lies in the sector, where carried jobs
// go, and the caption a marker shows under the pointer. Only what the player
// already knows from the order and the hold is marked; where artefacts,
// modules or power packs lie never is.

#include "core/World.h"
#include "lang/TextSource.h"

#include <string>
#include <vector>

namespace veltrane {

// The farthest distance in light years a flight may start over with `energy`
// percent and cell level `energyCell`: the largest d whose FlightCost the
// energy covers. 0 when not even the shortest hop is covered.
int EnergyReach(int energy, int energyCell);

enum class TMapMarkKind { Headquarter, Destination };

struct TMapMark {
    int System = 0;
    TMapMarkKind Kind = TMapMarkKind::Headquarter;
    bool operator==(const TMapMark&) const = default;
};

// The marks on the map of `sector`, in system order, the headquarter before a
// destination of the same system. Destinations are names of systems of the
// current sector, so only its map gets them.
std::vector<TMapMark> MapMarks(const TGameState& world, int sector);

// Name and distance from here of system k of the current sector, for the
// pointer resting on its marker; a second line says what the map marks there.
std::string MarkerCaption(const ITextSource& script, const TGameState& world, int k);

} // namespace veltrane
