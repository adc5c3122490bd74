#include "Landing.h"

#include "game/Course.h"
#include "game/Views.h"
#include "lang/TextCatalogue.h"

#include <algorithm>

namespace veltrane {

namespace {

constexpr int kItemHeight = 41;

int ItemLeft(TContext& ctx) {
    return ctx.Rng.Random(2) * ctx.Layout.PageWidth / 4 + 80;
}

} // namespace

TOutcome LandOnPlanet(TContext& ctx, int p) {
    TPlanet* planet = PlanetHere(ctx, p);
    // Only the pictures of scanned planets can be clicked.
    if (!planet || !planet->Scanned)
        return TOutcome::Refused("no scanned planet " + std::to_string(p) + " here");
    if (ctx.Session.InFlight())
        return Refuse(ctx, Lookup(ctx.Script, texts::InFlight));
    if (planet->Surface == kGasSurface)
        return Refuse(ctx, Lookup(ctx.Script, texts::GasLanding));

    BuildSurface(ctx, p);
    TSurface& surface = ctx.Session.Surface;
    const int top = ctx.Layout.LeftBarHeight - kItemHeight - 10;
    surface.Artefact = {};
    if (planet->Artefact != 0)
        surface.Artefact = {true, planet->Artefact, ItemLeft(ctx), top};
    surface.PowerPack = {};
    if (planet->PowerUp != 0)
        surface.PowerPack = {true, 0, ItemLeft(ctx), top};
    surface.Module = {};
    const TGameState& world = ctx.World();
    for (int n = 1; n <= kModuleCount; ++n) {
        const TModulePlacement& m = world.AlienModules[n];
        if (m.Sector == world.CurrentSector && m.System == world.CurrentSystem && m.Planet == p)
            surface.Module = {true, n, 500, 354};
    }
    surface.ShipsPass = planet->Lifeform > 3;
    ctx.Window.PageChanged(TView::Landscape);
    ShowView(ctx, TView::Landscape);
    if (surface.ShipsPass)
        ctx.Time.StartTimer(TTimer::StarFlight);
    else
        ctx.Time.StopTimer(TTimer::StarFlight);
    return TOutcome::Ok();
}

void BuildSurface(TContext& ctx, int p) {
    TPlanet& planet = *PlanetHere(ctx, p);
    TSurface& surface = ctx.Session.Surface;
    surface.Planet = p;
    int previous = 0;
    for (int i = 0; i < kSurfaceCitySlots; ++i) {
        TSurfaceCity& slot = surface.Cities[static_cast<std::size_t>(i)];
        slot = {};
        if (planet.Lifeform <= 3 || planet.Surface == 1 || i >= static_cast<int>(planet.Cities.size()))
            continue;
        const TCity& city = planet.Cities[static_cast<std::size_t>(i)];
        const int width = 100 / std::max(1, static_cast<int>(city.Size));
        // Nine turns up twice as often; neighbours never share a picture.
        int m = 0;
        do {
            m = ctx.Rng.Random(10) + 1;
            if (m == 10)
                m = 9;
        } while (m == previous);
        previous = m;
        slot = {true, city.PosX, city.PosY, width, width, m};
    }
    ctx.Session.CurrentPlanet = p;
    surface.Landscape = "Landscapes/type" + std::to_string(planet.Surface) + "/landscape" +
                        std::to_string(planet.Landscape) + ".jpg";
    if (planet.SurfaceMirror == 0)
        planet.SurfaceMirror = ctx.Rng.Random(100) > 50 ? 1 : 2;
    surface.Mirrored = planet.SurfaceMirror == 1;
}

TOutcome LeaveSurface(TContext& ctx) {
    ctx.Time.StopTimer(TTimer::StarFlight);
    ShowView(ctx, TView::System);
    return TOutcome::Ok();
}

TOutcome ShowArtefactInfo(TContext& ctx) {
    const TSurfaceItem& item = ctx.Session.Surface.Artefact;
    if (!item.Visible || !OneBased<TArtefact, kArtefactCount>::InRange(item.Number))
        return TOutcome::Refused("no artefact lies here");
    const TArtefact& artefact = ctx.World().Artefacts[item.Number];
    const std::string text =
        Lookup(ctx.Script, texts::ArtefactFound) + " \"" + artefact.Name + "\"! " + artefact.Info;
    Congratulate(ctx, text);
    return TOutcome::Ok(text);
}

bool HasStorageRoom(TContext& ctx) {
    if (ctx.World().HoldFull()) {
        Refuse(ctx, Lookup(ctx.Script, texts::MoreStorage));
        return false;
    }
    return true;
}

TOutcome PickUpArtefact(TContext& ctx) {
    TSurfaceItem& item = ctx.Session.Surface.Artefact;
    if (!item.Visible || !OneBased<TArtefact, kArtefactCount>::InRange(item.Number))
        return TOutcome::Refused("no artefact lies here");
    if (!HasStorageRoom(ctx))
        return TOutcome::Refused(Lookup(ctx.Script, texts::MoreStorage));
    TGameState& world = ctx.World();
    const int n = item.Number;
    world.Cargo.push_back({world.Artefacts[n].Name, n});
    item = {};
    if (TPlanet* planet = PlanetLandedOn(ctx))
        planet->Artefact = 0;
    ctx.Window.PageChanged(TView::Landscape);
    RefreshStatus(ctx);
    for (int i = 1; i <= kSectorCount; ++i)
        if (world.FindIdx[i] == n)
            ctx.Messages.ShowMessDlg(Lookup(ctx.Script, texts::FoundArtefact), "", TMessageKind::Info);
    return TOutcome::Ok();
}

TOutcome TakePowerPack(TContext& ctx) {
    TSurfaceItem& item = ctx.Session.Surface.PowerPack;
    if (!item.Visible)
        return TOutcome::Refused("no power pack lies here");
    TGameState& world = ctx.World();
    const int r = ctx.Rng.Random(20);
    const int amount = ctx.Rng.Random(15) + 10;
    std::string format;
    if (r < 10) {
        format = Lookup(ctx.Script, texts::FoundEnergyPowerpack);
        world.Captain.Energy = static_cast<std::uint8_t>(std::min(world.Captain.Energy + amount, 100));
        // Landed during a flight: the gauge settles the energy on arrival, so it gets the pack too.
        if (ctx.Session.Passage == TPassage::StarFlight)
            ctx.Session.FlightEnergy = std::min(ctx.Session.FlightEnergy + amount, 100);
    } else {
        format = Lookup(ctx.Script, texts::FoundBudgetPowerpack);
        world.Captain.AddBudget(amount);
    }
    item = {};
    ctx.Window.PageChanged(TView::Landscape);
    ctx.Sound.PlaySoundEffect("good.wav");
    ctx.Messages.ShowIncomingMessage(format, amount);
    if (TPlanet* planet = PlanetLandedOn(ctx))
        planet->PowerUp = 0;
    RefreshStatus(ctx);
    return TOutcome::Ok();
}

std::string ModuleDescription(const ITextSource& script, int n) {
    const std::string name = "imgModule" + std::to_string(n);
    if (auto hint = script.Lookup("FormMain", name + ".Hint"); hint && !hint->empty())
        return *hint;
    const TControlText* control = FindControl("FormMain", name);
    return control ? std::string(control->Hint) : std::string();
}

TOutcome TakeAlienModule(TContext& ctx) {
    TSurfaceItem& item = ctx.Session.Surface.Module;
    if (!item.Visible || item.Number < 1 || item.Number > kModuleCount)
        return TOutcome::Refused("no alien module lies here");
    const int n = item.Number;
    ctx.Sound.PlaySoundEffect("good.wav");
    const std::string text =
        Lookup(ctx.Script, texts::FoundAlienModule) + " " + ModuleDescription(ctx.Script, n);
    ctx.Messages.ShowInfoMessage(text);
    ctx.World().Captain.SetModule(n, true);
    ctx.World().AlienModules[n].System = 0;
    item = {};
    ctx.Window.PageChanged(TView::Landscape);
    RefreshStatus(ctx);
    return TOutcome::Ok(text);
}

TOutcome ShowCargoInfo(TContext& ctx, std::optional<int> cargoRow) {
    const auto& cargo = ctx.World().Cargo;
    if (!cargoRow || *cargoRow < 0 || *cargoRow >= static_cast<int>(cargo.size()))
        return TOutcome::Refused("no artefact selected");
    const int n = cargo[static_cast<std::size_t>(*cargoRow)].StateIndex;
    if (!OneBased<TArtefact, kArtefactCount>::InRange(n))
        return TOutcome::Refused("no artefact selected");
    const std::string& text = ctx.World().Artefacts[n].Info;
    ctx.Window.ShowInfoLine(text, kWhite);
    return TOutcome::Ok(text);
}

void ClearModuleFilters(TContext& ctx) {
    TSession& session = ctx.Session;
    const bool anyOn = std::any_of(session.ModuleFilterActive.begin(), session.ModuleFilterActive.end(),
                                   [](bool on) { return on; });
    if (anyOn) {
        session.HiddenMarkers.reset();
        ctx.Window.PageChanged(SectorView(ctx.World().CurrentSector));
    }
    session.ModuleFilterActive.fill(false);
}

namespace {

bool Passes(const TContext& ctx, int n, int k) {
    const TGameState& world = ctx.World();
    const TSystem& system = world.System(world.CurrentSector, k);
    switch (n) {
    case 1: // cheap energy
        return std::any_of(system.Planets.begin(), system.Planets.end(), [](const TPlanet& planet) {
            return planet.Lifeform > 3 &&
                   std::any_of(planet.Cities.begin(), planet.Cities.end(), [](const TCity& city) {
                       return city.PriceFactor > 0.0 && city.PriceFactor < 1.0;
                   });
        });
    case 2: // transport destinations
        return std::any_of(world.Transport.begin(), world.Transport.end(),
                           [&](const TTransportItem& job) { return job.Destination == system.Name; });
    case 3: // within reach, with some energy to spare
        return world.Captain.Energy - FlightCost(SystemDistance(world, k), world.Captain.EnergyCell) > 0;
    default: // power packs
        return std::any_of(system.Planets.begin(), system.Planets.end(),
                           [](const TPlanet& planet) { return planet.PowerUp == 1; });
    }
}

} // namespace

TOutcome ToggleModuleFilter(TContext& ctx, int n) {
    if (n < 1 || n > kModuleCount || !ctx.World().Captain.HasModule(n))
        return TOutcome::Refused("the ship has no alien module " + std::to_string(n));
    TSession& session = ctx.Session;
    const bool wasOn = session.FilterOn(n);
    ShowSectorMap(ctx, true);
    if (wasOn)
        return TOutcome::Ok();
    const int current = ctx.World().CurrentSystem;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        bool visible = k == current;
        // Reach decides the current system's marker too; the other filters only ever show markers.
        if (n == 3)
            visible = Passes(ctx, n, k);
        else if (Passes(ctx, n, k))
            visible = true;
        session.HiddenMarkers.set(static_cast<std::size_t>(k - 1), !visible);
    }
    session.ModuleFilterActive[static_cast<std::size_t>(n - 1)] = true;
    ctx.Window.PageChanged(SectorView(ctx.World().CurrentSector));
    return TOutcome::Ok();
}

} // namespace veltrane
