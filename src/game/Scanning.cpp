#include "Scanning.h"

#include "core/Galaxy.h"
#include "game/CityProfile.h"
#include "lang/TextCatalogue.h"

#include <algorithm>
#include <vector>

namespace veltrane {

TColor LifeformColor(int highestLifeform) {
    switch (highestLifeform) {
    case 2:
        return 0x00FF00; // lime
    case 3:
        return 0xFF00FF; // fuchsia
    case 4:
        return 0x800080; // purple
    case 5:
        return 0x0000FF; // red
    case 6:
        return 0x00FFFF; // yellow
    default:
        return 0xC0C0C0; // silver
    }
}

std::string SurfaceName(const ITextSource& script, int surface) {
    static constexpr const TTextEntry* kNames[] = {&texts::Barren, &texts::Corrugated, &texts::Desert,
                                                   &texts::Terran, &texts::Gas,        &texts::Icy,
                                                   &texts::Swampy, &texts::Tundra};
    if (surface < 1 || surface > 8)
        return {};
    return Lookup(script, *kNames[surface - 1]);
}

std::string LifeformName(const ITextSource& script, int lifeform) {
    static constexpr const TTextEntry* kNames[] = {&texts::None,  &texts::Vegetable,  &texts::Animalistic,
                                                   &texts::Rural, &texts::Industrial, &texts::Futuristic};
    if (lifeform < 1 || lifeform > 6)
        return "?";
    return Lookup(script, *kNames[lifeform - 1]);
}

void BuildSystemView(TContext& ctx, bool animate) {
    ctx.Window.ShowScanProgress(0);
    if (animate)
        ctx.Session.SystemSlotsBuilt = 0;
    const int wait = 30 / std::max(1, static_cast<int>(ctx.World().Captain.Scanner));
    for (int i = 0; i < kMaxPlanets; ++i) {
        if (animate)
            for (int k = 16 * i; k <= 16 * (i + 1); ++k) {
                ctx.Time.LiveWait(0);
                ctx.Window.ShowScanProgress(k);
                ctx.Time.LiveWait(wait);
            }
        // Read afresh each slot: the player may have flown on or loaded a game while the gauge ran.
        std::vector<TPlanet>& planets = ctx.World().Here().Planets;
        if (i < static_cast<int>(planets.size())) {
            TPlanet& planet = planets[static_cast<std::size_t>(i)];
            if (planet.ImageIndex < 0)
                planet.ImageIndex = ctx.Rng.Random(2) + (planet.Surface - 1) * 3;
        }
        if (animate) {
            ctx.Session.SystemSlotsBuilt = std::max(ctx.Session.SystemSlotsBuilt, i + 1);
            ctx.Window.PageChanged(TView::System);
        }
    }
    ctx.Session.SystemSlotsBuilt = kMaxPlanets;
    if (animate)
        ctx.Window.ShowScanProgress(100);
    ctx.Window.PageChanged(TView::System);
}

namespace {

void FoundCities(TContext& ctx, TPlanet& planet, std::vector<int>& usedPictures) {
    for (std::size_t c = 0; c < planet.Cities.size(); ++c) {
        TCity& city = planet.Cities[c];
        const int slot = static_cast<int>(c + 1) * 128;
        city.Name = RandomName(ctx.Rng);
        if (ctx.Rng.Random(10) <= 5)
            city.PosX = slot + ctx.Rng.Random(20);
        else
            city.PosX = slot - ctx.Rng.Random(20);
        city.PosY = ctx.Rng.Random(32) + (ctx.Layout.PageHeight - 150);
        city.Size = static_cast<std::uint8_t>(ctx.Rng.Random(2) + 2);
        // A system has at most 24 cities, so one of the 29 pictures is always free.
        int picture = 0;
        do
            picture = 1 + ctx.Rng.Random(kCityPictures);
        while (std::find(usedPictures.begin(), usedPictures.end(), picture) != usedPictures.end());
        usedPictures.push_back(picture);
        city.CityImage = picture;
        GenerateCityProfile(planet.Lifeform, city, ctx.Tables, ctx.Rng);
    }
    if (!planet.Cities.empty()) {
        // The last city of a planet is never the capital.
        const int capital = ctx.Rng.Random(static_cast<int>(planet.Cities.size()) - 1);
        planet.Cities[static_cast<std::size_t>(capital)].Size = 1;
    }
}

std::string ArtefactReport(const TContext& ctx) {
    if (ctx.World().Captain.Scanner != 3)
        return {};
    std::string names;
    for (const TPlanet& planet : ctx.World().Here().Planets)
        if (planet.Artefact != 0)
            names += planet.Name + " ";
    if (names.empty())
        return Lookup(ctx.Script, texts::NoArtefacts);
    return Lookup(ctx.Script, texts::ArtefactOP) + " " + names;
}

} // namespace

TOutcome ScanSystem(TContext& ctx) {
    TSession& session = ctx.Session;
    if (session.InFlight())
        return Refuse(ctx, Lookup(ctx.Script, texts::InFlight));
    ++session.ScansRunning;
    std::vector<int> usedPictures;
    // Pictures of cities founded by an earlier scan are taken too.
    for (const TPlanet& planet : ctx.World().Here().Planets)
        if (planet.Scanned)
            for (const TCity& city : planet.Cities)
                usedPictures.push_back(city.CityImage);

    int highest = 0;
    for (TPlanet& planet : ctx.World().Here().Planets) {
        if (!planet.Scanned) {
            if (planet.Surface == 1 || planet.Surface == kGasSurface) {
                planet.Lifeform = 1;
            } else {
                planet.Lifeform = static_cast<std::uint8_t>(ctx.Rng.Random(5) + 1);
                planet.AlienRace = static_cast<std::uint8_t>(ctx.Rng.Random(kAlienRaces) + 1);
            }
            FoundCities(ctx, planet, usedPictures);
            planet.Landscape = static_cast<std::uint8_t>(ctx.Rng.Random(kLandscapesPerType) + 1);
            planet.Scanned = true;
        }
        highest = std::max<int>(highest, planet.Lifeform);
    }
    const std::string report = ArtefactReport(ctx);
    ctx.World().Here().ShapeColor = LifeformColor(highest);
    ctx.Window.PageChanged(SectorView(ctx.World().CurrentSector));

    BuildSystemView(ctx, true);
    const std::string text = Lookup(ctx.Script, texts::ScanningCompleted) + "   " + report;
    ctx.Window.ShowInfoLine(text, kWhite);
    --session.ScansRunning;
    return TOutcome::Ok(text);
}

TOutcome ShowPlanetInfo(TContext& ctx, int p) {
    const TGameState& world = ctx.World();
    const auto& planets = world.Here().Planets;
    if (p < 0 || p >= static_cast<int>(planets.size()))
        return TOutcome::Refused("no planet " + std::to_string(p) + " here");
    const TPlanet& planet = planets[static_cast<std::size_t>(p)];
    std::string lifeform = "?";
    std::string artefact = "?";
    if (world.Captain.Scanner != 1) {
        lifeform = planet.Lifeform == 0 ? "?" : LifeformName(ctx.Script, planet.Lifeform);
        artefact = planet.Artefact != 0 && OneBased<TArtefact, kArtefactCount>::InRange(planet.Artefact)
                       ? world.Artefacts[planet.Artefact].Name
                       : Lookup(ctx.Script, texts::None);
    }
    const std::string text = Lookup(ctx.Script, texts::PlanetName) + ": " + planet.Name + "   " +
                             Lookup(ctx.Script, texts::PlanetSurface) + ": " +
                             SurfaceName(ctx.Script, planet.Surface) + "   " +
                             Lookup(ctx.Script, texts::LifeformOnPlanet) + ": " + lifeform + "   " +
                             Lookup(ctx.Script, texts::ArtefactCaption) + ": " + artefact;
    ctx.Window.ShowInfoLine(text, kWhite);
    return TOutcome::Ok(text);
}

} // namespace veltrane
