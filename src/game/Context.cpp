#include "Context.h"

namespace veltrane {

TPlanet* PlanetHere(TContext& ctx, int p) {
    auto& planets = ctx.World().Here().Planets;
    if (p < 0 || p >= static_cast<int>(planets.size()))
        return nullptr;
    return &planets[static_cast<std::size_t>(p)];
}

TOutcome Refuse(TContext& ctx, std::string text) {
    ctx.Window.ShowInfoLine(text, kRed);
    ctx.Sound.PlaySoundEffect("bad.wav");
    return TOutcome::Refused(std::move(text));
}

TOutcome Explain(TContext& ctx, std::string text) {
    ctx.Window.ShowInfoLine(text, kRed);
    return TOutcome::Refused(std::move(text));
}

void Congratulate(TContext& ctx, const std::string& text) {
    ctx.Window.ShowInfoLine(text, kGreen);
    ctx.Sound.PlaySoundEffect("good.wav");
}

void RefreshStatus(TContext& ctx) {
    TCaptain& captain = ctx.World().Captain;
    captain.StorageCapacity = static_cast<std::uint8_t>(captain.Storage * 3);
    ctx.Window.RefreshStatus();
}

} // namespace veltrane
