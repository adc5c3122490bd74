#include "Events.h"

#include "lang/TextCatalogue.h"

#include <algorithm>

namespace veltrane {

int EventAmount(int budget, TRandom& rng) {
    const int amount = static_cast<int>(rng.Random(25) * static_cast<double>(budget) / 100.0) + 10;
    return std::min(amount, budget);
}

void ArrivalEvent(TContext& ctx) {
    const auto& texts = ctx.Tables.EventTexts;
    const int count = static_cast<int>(texts.size());
    if (count == 0)
        return;
    const int n = std::min(ctx.Rng.Random(count) + 1, count);
    TCaptain& captain = ctx.World().Captain;
    int amount = EventAmount(captain.Budget, ctx.Rng);
    if (n % 2 == 1) {
        if (amount == 0)
            amount = ctx.Rng.Random(10);
        captain.AddBudget(amount);
        ctx.Sound.PlaySoundEffect("goodmsg.wav");
    } else {
        if (captain.Budget == 0)
            return;
        captain.AddBudget(-std::int64_t{amount});
        ctx.Sound.PlaySoundEffect("badmsg.wav");
    }
    ctx.Messages.ShowIncomingMessage(texts[static_cast<std::size_t>(n - 1)], amount);
    RefreshStatus(ctx);
}

void PoliceCheck(TContext& ctx) {
    const int r = ctx.Rng.Random(100);
    TPlanet* planet = PlanetLandedOn(ctx);
    if (r <= ctx.Options.RandomEvents || !planet || planet->EventOccured)
        return;
    PoliceEvent(ctx, ctx.Session.Visit.PoliceLevel);
}

void PoliceEvent(TContext& ctx, int policeLevel) {
    bool good = false;
    if (policeLevel == 1)
        good = ctx.Rng.Random(2) == 1;
    else if (policeLevel == 2)
        good = true;
    const int t = ctx.Rng.Random(9) + 1;
    TCaptain& captain = ctx.World().Captain;
    if (!good && captain.Budget > 0) {
        const int fine = EventAmount(captain.Budget, ctx.Rng);
        ctx.Sound.PlaySoundEffect("badmsg.wav");
        ctx.Messages.ShowIncomingMessage(Lookup(ctx.Script, texts::PoliceBadText, t), fine);
        captain.AddBudget(-std::int64_t{fine});
    } else {
        const int bonus = ctx.Rng.Random(100) + 10;
        ctx.Sound.PlaySoundEffect("goodmsg.wav");
        ctx.Messages.ShowIncomingMessage(Lookup(ctx.Script, texts::PoliceGoodText, t), bonus);
        captain.AddBudget(bonus);
    }
    RefreshStatus(ctx);
    if (TPlanet* planet = PlanetLandedOn(ctx))
        planet->EventOccured = true;
}

void ResetPoliceEvents(TGameState& world) {
    for (TSystem& system : world.Galaxy[world.CurrentSector].Systems)
        for (TPlanet& planet : system.Planets)
            planet.EventOccured = false;
}

} // namespace veltrane
