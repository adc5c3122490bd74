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
    return TOutcome::Refused(std::move(text));
}

} // namespace veltrane
