#include "Flight.h"

#include "game/Course.h"
#include "game/Events.h"
#include "game/Headquarter.h"
#include "game/Lifecycle.h"
#include "game/Scanning.h"
#include "game/SectorChange.h"
#include "game/Transport.h"
#include "game/Views.h"
#include "lang/TextCatalogue.h"

#include <algorithm>

namespace veltrane {

TTickResult MainTick(TContext& ctx) {
    TSession& session = ctx.Session;
    TTickResult result;
    AdvanceGameClock(ctx.World());
    if (session.Passage == TPassage::StarFlight) {
        session.FlightTicks += 1;
        session.FlightEnergy =
            std::max(0, session.FlightEnergy - FlightDrain(ctx.World().Captain.EnergyCell));
        ctx.Window.ShowFlightEnergy(session.FlightEnergy);
        if (session.FlightTicks > session.FlightDistance / 10 + 1) {
            ArriveAtSystem(ctx);
            result.Arrived = true;
        }
    } else if (session.Passage == TPassage::Tunnel) {
        session.FlightTicks += 1;
        if (session.FlightTicks > 3)
            TunnelEnd(ctx);
    }
    return result;
}

void ArriveAtSystem(TContext& ctx) {
    TSession& session = ctx.Session;
    TGameState& world = ctx.World();
    ctx.Time.StopTimer(TTimer::StarFlight);
    session.Passage = TPassage::None;
    world.Captain.Energy = static_cast<std::uint8_t>(std::clamp(session.FlightEnergy, 0, 100));
    RefreshStatus(ctx);
    session.PendingDistance = 0;
    session.FlightDistance = 0;
    ctx.Window.ShowInfoLine(FormatTextOrDefault(ctx.Script, texts::Arrived, {world.Here().Name}), kWhite);
    BuildSystemView(ctx, false);
    if (!DeliverTransport(ctx)) {
        const int r = ctx.Rng.Random(100);
        if (r > ctx.Options.RandomEvents)
            ArrivalEvent(ctx);
    }
    ShowView(ctx, TView::System);
    if (ctx.Rng.Random(100) > 75) {
        RelocateHeadquarter(world, ctx.Rng);
        // The captain would otherwise learn of the move only from the order text.
        ctx.Window.ShowInfoLine(
            FormatTextOrDefault(ctx.Script, texts::Arrived, {world.Here().Name}) + "  " +
                FormatTextOrDefault(ctx.Script, texts::HeadquarterMoved,
                                    {world.Headquarter.Name, std::int64_t{world.Headquarter.Sector}}),
            kWhite);
    }
}

} // namespace veltrane
