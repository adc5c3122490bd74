#pragma once

// The SERO headquarter: the order of four artefacts, where the headquarter
// is, and delivering what the captain found.

#include "core/Random.h"
#include "core/World.h"
#include "game/Context.h"

#include <string>
#include <vector>

namespace veltrane {

// A new random place: sector 4 twice as likely as each other, never system 150.
void RelocateHeadquarter(TGameState& world, TRandom& rng);

// The order: the four artefacts and where to bring them.
std::string OrderText(const TContext& ctx);
// The order button.
TOutcome ShowOrder(TContext& ctx);

struct TDelivered {
    std::string Name;
    int Artefact = 0;
};

struct THeadquarterVisit {
    std::vector<TDelivered> Rows; // delivered before, then now
    std::string Text;             // the greeting the message box scrolls
    bool Won = false;             // all four are there
};

// A double click on the SERO ship: ordered artefacts leave the hold for the
// headquarter, and the greeting counts them. The fanfare sounds at four.
THeadquarterVisit VisitHeadquarter(TContext& ctx);

} // namespace veltrane
