#include "SectorChange.h"

#include "game/Events.h"
#include "game/Views.h"
#include "lang/TextCatalogue.h"

#include <algorithm>

namespace veltrane {

int ChosenSector(const std::string& answer) {
    int t = 1;
    for (char digit : {'2', '3', '4'})
        if (answer.find(digit) != std::string::npos)
            t = digit - '0';
    return t;
}

TOutcome AskSector(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    // One passage at a time: a flight or a tunnel under way finishes first.
    if (ctx.Session.InFlight())
        return Refuse(ctx, Lookup(ctx.Script, texts::InFlight));
    if (ctx.World().Captain.Hyperdrive == 0)
        return Refuse(ctx, Lookup(ctx.Script, texts::NeedHyperdrive));
    return TOutcome::Ok(Lookup(ctx.Script, texts::SelSec) + ":");
}

std::vector<std::string> SectorChoices(const TContext& ctx) {
    std::vector<std::string> choices;
    for (int n = 1; n <= kSectorCount; ++n)
        if (n != ctx.World().CurrentSector)
            choices.push_back(Lookup(ctx.Script, texts::Sector) + " " + std::to_string(n));
    return choices;
}

TOutcome ChangeSector(TContext& ctx, int t) {
    TSession& session = ctx.Session;
    TGameState& world = ctx.World();
    if (session.InFlight())
        return Refuse(ctx, Lookup(ctx.Script, texts::InFlight));
    const int hyperdrive = world.Captain.Hyperdrive;
    if (hyperdrive == 0)
        return Refuse(ctx, Lookup(ctx.Script, texts::NeedHyperdrive));
    if (t < 1 || t > kSectorCount || t == world.CurrentSector)
        return TOutcome::Refused("the ship is in sector " + std::to_string(world.CurrentSector) + " already");
    if (t - 1 > hyperdrive)
        return Refuse(ctx, FormatTextOrDefault(ctx.Script, texts::HyperdriveLevel, {std::int64_t{t - 1}}));
    const int fuel = TransferFuel(hyperdrive);
    if (world.Captain.Energy < fuel)
        return Refuse(ctx, FormatTextOrDefault(ctx.Script, texts::HypertransferFuel, {std::int64_t{fuel}}));

    ctx.Window.PageChanged(SectorView(world.CurrentSector)); // the marker left behind gets its colour back
    session.PassageFromSector = world.CurrentSector;
    session.PassageFromSystem = world.CurrentSystem;
    world.CurrentSector = t;
    ShowView(ctx, TView::Tunnel);
    session.Passage = TPassage::Tunnel;
    session.FlightTicks = 0;
    ctx.Sound.PlaySoundEffect("trance.mp3");
    ctx.Time.StartTimer(TTimer::StarFlight);
    return TOutcome::Ok();
}

void TunnelEnd(TContext& ctx) {
    TSession& session = ctx.Session;
    TGameState& world = ctx.World();
    ctx.Time.StopTimer(TTimer::StarFlight);
    session.Passage = TPassage::None;
    ctx.Sound.PlaySoundEffect("");
    session.HiddenMarkers.reset();
    ctx.Window.PageChanged(SectorView(world.CurrentSector));
    const int fuel = TransferFuel(world.Captain.Hyperdrive);
    world.Captain.Energy = static_cast<std::uint8_t>(std::max(0, world.Captain.Energy - fuel));
    RefreshStatus(ctx);
    ShowSectorMap(ctx, false);
    ResetPoliceEvents(world);
    Congratulate(ctx, FormatTextOrDefault(ctx.Script, texts::NowSector, {std::int64_t{world.CurrentSector}}));
    // Every arrival in a sector is a point the captain can come back to.
    if (ctx.AutosaveNow)
        ctx.AutosaveNow();
}

} // namespace veltrane
