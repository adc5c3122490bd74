#include "MapMarks.h"

#include "game/Course.h"
#include "lang/TextCatalogue.h"

#include <algorithm>

namespace veltrane {

int EnergyReach(int energy, int energyCell) {
    // FlightCost(d) = drain * (d div 10 + 1) covers d up to ten light years short of the next step.
    const int steps = std::max(0, energy) / FlightDrain(energyCell);
    return steps == 0 ? 0 : steps * 10 - 1;
}

namespace {

bool HeadquarterIn(const TGameState& world, int sector, int k) {
    return world.Headquarter.Sector == sector && world.Headquarter.System == k;
}

bool DestinationHere(const TGameState& world, int sector, int k) {
    if (sector != world.CurrentSector)
        return false;
    const std::string& name = world.System(sector, k).Name;
    return std::any_of(world.Transport.begin(), world.Transport.end(),
                       [&](const TTransportItem& job) { return job.Destination == name; });
}

} // namespace

std::vector<TMapMark> MapMarks(const TGameState& world, int sector) {
    std::vector<TMapMark> marks;
    if (sector < 1 || sector > kSectorCount)
        return marks;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        if (HeadquarterIn(world, sector, k))
            marks.push_back({k, TMapMarkKind::Headquarter});
        if (DestinationHere(world, sector, k))
            marks.push_back({k, TMapMarkKind::Destination});
    }
    return marks;
}

std::string MarkerCaption(const ITextSource& script, const TGameState& world, int k) {
    const TSystem& system = world.System(world.CurrentSector, k);
    std::string text = k == world.CurrentSystem
                           ? FormatTextOrDefault(script, texts::MapHere, {system.Name})
                           : FormatTextOrDefault(script, texts::MapDistance,
                                                 {system.Name, std::int64_t{SystemDistance(world, k)}});
    const auto line = [&text, &script](const TTextEntry& entry) {
        text += '\n';
        text += Lookup(script, entry);
    };
    if (HeadquarterIn(world, world.CurrentSector, k))
        line(texts::MapHeadquarter);
    if (DestinationHere(world, world.CurrentSector, k))
        line(texts::MapDestination);
    return text;
}

} // namespace veltrane
