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

TOutcome ChangeSector(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    TSession& session = ctx.Session;
    TGameState& world = ctx.World();
    // One passage at a time: a flight or a tunnel under way finishes first.
    if (session.InFlight())
        return TOutcome::Refused({});
    const int hyperdrive = world.Captain.Hyperdrive;
    if (hyperdrive == 0)
        return Refuse(ctx, Lookup(ctx.Script, texts::NeedHyperdrive));
    std::vector<std::string> choices;
    for (int n = 1; n <= kSectorCount; ++n)
        if (n != world.CurrentSector)
            choices.push_back(Lookup(ctx.Script, texts::Sector) + " " + std::to_string(n));
    const std::string answer = ctx.Messages.ShowChoiceDlg(Lookup(ctx.Script, texts::SelSec) + ":", choices);
    if (answer.empty())
        return TOutcome::Refused({});
    const int t = ChosenSector(answer);
    if (t - 1 > hyperdrive)
        return Refuse(ctx, FormatTextOrDefault(ctx.Script, texts::HyperdriveLevel, {std::int64_t{t - 1}}));
    const int fuel = TransferFuel(hyperdrive);
    if (world.Captain.Energy < fuel)
        return Refuse(ctx, FormatTextOrDefault(ctx.Script, texts::HypertransferFuel, {std::int64_t{fuel}}));

    ctx.Window.PageChanged(SectorView(world.CurrentSector)); // the marker left behind gets its colour back
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
    ctx.Window.RefreshStatus();
    ShowSectorMap(ctx, false);
    ResetPoliceEvents(world);
    ctx.Window.ShowInfoLine(
        FormatTextOrDefault(ctx.Script, texts::NowSector, {std::int64_t{world.CurrentSector}}), kGreen);
    // Every arrival in a sector is a point the captain can come back to.
    if (ctx.AutosaveNow)
        ctx.AutosaveNow();
}

} // namespace veltrane
