#include "Course.h"

#include "game/Events.h"
#include "game/Views.h"
#include "lang/TextCatalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <strings.h>

namespace veltrane {

int SystemDistance(const TGameState& world, int k) {
    const TSystem& here = world.Here();
    const TSystem& there = world.System(world.CurrentSector, k);
    // In 64 bits, so that no position a file may hold can overflow the difference or its square.
    const std::int64_t dx = std::int64_t{here.PosX} - there.PosX;
    const std::int64_t dy = std::int64_t{here.PosY} - there.PosY;
    const double d = std::sqrt(static_cast<double>(dx) * static_cast<double>(dx) +
                               static_cast<double>(dy) * static_cast<double>(dy));
    return static_cast<int>(std::min(d, 4.0e9)) / 2;
}

int FlightDrain(int energyCell) {
    // A cell level of 0 never comes from the game; treat it as the first cell.
    return 4 / std::max(1, energyCell);
}

int FlightCost(int distance, int energyCell) {
    return FlightDrain(energyCell) * (distance / 10 + 1);
}

TOutcome SelectSystem(TContext& ctx, int k) {
    const TGameState& world = ctx.World();
    const TSystem& system = world.System(world.CurrentSector, k);
    const int d = SystemDistance(world, k);
    const std::string text = Lookup(ctx.Script, texts::SystemName) + ": " + system.Name + "   " +
                             Lookup(ctx.Script, texts::Position) + ": " + std::to_string(system.PosX) + "," +
                             std::to_string(system.PosY) + "   " +
                             FormatTextOrDefault(ctx.Script, texts::DistanceLY, {std::int64_t{d}});
    ctx.Session.PendingDistance = d;
    ctx.Session.SelectedSystem = k;
    ctx.Window.ShowInfoLine(text, kWhite);
    return TOutcome::Ok(text);
}

TOutcome FlyToSystem(TContext& ctx, int k) {
    TSession& session = ctx.Session;
    TGameState& world = ctx.World();
    // One passage at a time: the ship finishes the flight or the tunnel it is in.
    if (session.InFlight())
        return Refuse(ctx, Lookup(ctx.Script, texts::InFlight));
    const int d = session.PendingDistance;
    const int energy = world.Captain.Energy;
    if (d > 0 && energy - FlightCost(d, world.Captain.EnergyCell) < 0)
        return Refuse(ctx, FormatTextOrDefault(ctx.Script, texts::MoreEnergy, {std::int64_t{d}}));

    if (k == world.CurrentSystem)
        ShowSystemView(ctx);
    // Leaving a city for the flight meets the police of the planet being left, not of one at the destination.
    if (d > 0 && session.CurrentView == TView::City) {
        PoliceCheck(ctx);
        session.CurrentView = TView::Landscape;
    }
    session.PassageFromSector = world.CurrentSector;
    session.PassageFromSystem = world.CurrentSystem;
    world.CurrentSystem = k;
    // The marker left behind gets its true colour back.
    ctx.Window.PageChanged(SectorView(world.CurrentSector));
    if (d <= 0)
        return TOutcome::Ok();

    ctx.Time.StopTimer(TTimer::Blinker);
    session.Passage = TPassage::StarFlight;
    session.FlightTicks = 0;
    session.FlightDistance = d;
    session.FlightEnergy = energy;
    ctx.Window.PageChanged(TView::StarFlight); // a new star field
    ShowView(ctx, TView::StarFlight);
    ctx.Time.StartTimer(TTimer::StarFlight);
    return TOutcome::Ok();
}

TOutcome FlyToMarker(TContext& ctx, int k) {
    ctx.Session.PendingDistance = SystemDistance(ctx.World(), k);
    return FlyToSystem(ctx, k);
}

std::vector<TNavigatorRow> NavigatorRows(const TContext& ctx) {
    const TGameState& world = ctx.World();
    std::vector<TNavigatorRow> rows;
    rows.reserve(kSystemsPerSector);
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        const TSystem& system = world.System(world.CurrentSector, k);
        TNavigatorRow row;
        row.Name = system.Name;
        row.Coordinates = std::to_string(system.PosX) + ", " + std::to_string(system.PosY);
        row.Distance = SystemDistance(world, k);
        row.InRange = world.Captain.Navigator >= 2 &&
                      world.Captain.Energy - FlightCost(row.Distance, world.Captain.EnergyCell) > 0;
        row.Destination =
            std::any_of(world.Transport.begin(), world.Transport.end(),
                        [&](const TTransportItem& job) { return job.Destination == system.Name; });
        row.System = k;
        rows.push_back(std::move(row));
    }
    // The list sorts its captions without regard to case, as a list view does.
    std::stable_sort(rows.begin(), rows.end(), [](const TNavigatorRow& a, const TNavigatorRow& b) {
        return strcasecmp(a.Name.c_str(), b.Name.c_str()) < 0;
    });
    return rows;
}

TOutcome SetCourse(TContext& ctx, int k) {
    if (k <= 0 || k > kSystemsPerSector)
        return Explain(ctx, Lookup(ctx.Script, texts::NoSystemSelected));
    ctx.Session.PendingDistance = SystemDistance(ctx.World(), k);
    return FlyToSystem(ctx, k);
}

} // namespace veltrane
