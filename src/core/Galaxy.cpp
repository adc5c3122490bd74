#include "Galaxy.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrane {
namespace {

constexpr std::string_view kConsonants = "bcdfghklmnprstvwz";
constexpr std::string_view kVowels = "aeiouy";
constexpr int kGridStep = 5;

// The last planet of a system with two or more planets never receives anything.
int DrawPlanet(TRandom& rng, const TSystem& system) {
    return rng.Random(static_cast<int>(system.Planets.size()) - 1);
}

// Systems 1 to 149: the last system of a sector never receives anything.
int DrawSystem(TRandom& rng) {
    return rng.Random(kSystemsPerSector - 1) + 1;
}

// Free planets a placement can draw in a sector: systems 1 to 149, and in each
// the planets DrawPlanet can reach. A system without planets offers none.
int CountFreePlanets(const TGameState& world, int sector) {
    int freePlanets = 0;
    for (int k = 1; k < kSystemsPerSector; ++k) {
        const int reachable = std::max(static_cast<int>(world.System(sector, k).Planets.size()) - 1, 1);
        for (int p = 0; p < reachable; ++p)
            freePlanets += IsFreePlanet(world, sector, k, p) ? 1 : 0;
    }
    return freePlanets;
}

// Placements draw and redraw; a sector with free planets ends the loop within
// a few draws, so counting is left until the draws keep failing. The count is
// exact, and it draws nothing, so the random sequence stays as it was.
constexpr int kDrawsBeforeCounting = 64;
constexpr int kPowerPackCount = 50;

TPlanet MakePlanet(TRandom& rng, int i, int count) {
    TPlanet planet;
    const int a = rng.Random(15);
    const int b = rng.Random(40);
    planet.Name = RandomName(rng);
    planet.Size = static_cast<std::uint8_t>(rng.Random(3) + 1);
    int surface = rng.Random(7) + 1;
    if (i < 2 && surface == 6)
        surface = 8;
    if (i == count - 1 && i > 2)
        surface = 6; // the outermost of four or more planets is always icy
    planet.Surface = static_cast<std::uint8_t>(surface);
    if (rng.Random(10) <= 5) {
        planet.PosX = 100 * i + 120 + a;
        planet.PosY = 40 * i + 40 + b;
    } else {
        planet.PosX = 100 * i + 120 - a;
        planet.PosY = 40 * i + 40 - b;
    }
    planet.ImageIndex = -1;
    planet.Cities.assign(static_cast<std::size_t>(rng.Random(3) + 2), TCity{});
    return planet;
}

void GenerateSector(TGameState& world, TRandom& rng, int s, int cols, int rows, const TMapGeometry& map) {
    std::vector<std::pair<int, int>> grid;
    grid.reserve(kSystemsPerSector);
    std::vector<bool> taken(static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows), false);
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        for (;;) {
            const int x = rng.Random(cols);
            const int y = rng.Random(rows);
            const std::size_t cell =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(x);
            if (!taken[cell]) {
                taken[cell] = true;
                grid.emplace_back(x, y);
                break;
            }
            rng.Reseed();
        }
    }

    for (int k = 1; k <= kSystemsPerSector; ++k) {
        TSystem& system = world.System(s, k);
        const auto [x, y] = grid[static_cast<std::size_t>(k - 1)];
        system.PosX = kGridStep * x + kGridStep + map.OffsetLeft;
        system.PosY = kGridStep * y + kGridStep + map.OffsetTop;
        system.Name = RandomName(rng);
        system.ShapeColor = kWhite;
        const int count = rng.Random(kMaxPlanets) + 1;
        system.Size = static_cast<std::uint8_t>(std::clamp(count, 2, 4));
        system.Planets.clear();
        system.Planets.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            system.Planets.push_back(MakePlanet(rng, i, count));
    }
}

int GridColumns(const TMapGeometry& map) {
    return (map.Width - kGridStep) / kGridStep;
}

int GridRows(const TMapGeometry& map) {
    return (map.Height - kGridStep) / kGridStep;
}

} // namespace

TMapArea SystemGridArea(const TMapGeometry& map) {
    return {kGridStep + map.OffsetLeft, kGridStep + map.OffsetTop,
            kGridStep * GridColumns(map) + map.OffsetLeft, kGridStep * GridRows(map) + map.OffsetTop};
}

std::string RandomName(TRandom& rng) {
    const int syllables = rng.Random(2) + 3;
    std::string name;
    name.reserve(static_cast<std::size_t>(syllables) * 2);
    for (int i = 0; i < syllables; ++i) {
        // Drawing from length - 1 means z and y never occur; names keep that flavour.
        name += kConsonants[static_cast<std::size_t>(rng.Random(static_cast<int>(kConsonants.size()) - 1))];
        name += kVowels[static_cast<std::size_t>(rng.Random(static_cast<int>(kVowels.size()) - 1))];
    }
    name[0] = static_cast<char>(name[0] - 32);
    return name;
}

void ResetForNewGame(TGameState& world, TRandom& rng) {
    for (auto& wanted : world.FindIdx)
        wanted = 0;
    for (auto& slot : world.HQArtefacts) {
        slot.Name.clear();
        slot.Index = 0;
    }
    world.QSupport = 0;
    world.Cargo.clear();
    world.Transport.clear();
    world.GameSeconds = 0;
    world.GalaxyName = RandomName(rng);

    TCaptain& captain = world.Captain;
    for (int n = 1; n <= kModuleCount; ++n)
        captain.SetModule(n, false);
    captain.Name = "Jon Kestrel";
    captain.Budget = 100;
    captain.Scanner = 1;
    captain.Storage = 1;
    captain.StorageCapacity = 3;
    captain.Navigator = 1;
    captain.EnergyCell = 1;
    captain.Energy = 100;
    captain.Hyperdrive = 0;
    captain.ImageIndex = 1;
    world.CurrentSector = 1;
}

Status GenerateGalaxy(TGameState& world, TRandom& rng, const TMapGeometry& map) {
    const int cols = GridColumns(map);
    const int rows = GridRows(map);
    if (cols <= 0 || rows <= 0 || cols * rows < kSystemsPerSector)
        return Error{"The sector map of " + std::to_string(map.Width) + " x " + std::to_string(map.Height) +
                     " pixels has room for fewer than " + std::to_string(kSystemsPerSector) +
                     " star systems."};

    rng.Reseed();
    world.CurrentSystem = 0;
    for (int s = 1; s <= kSectorCount; ++s)
        GenerateSector(world, rng, s, cols, rows, map);

    for (int n = 1; n <= kArtefactCount; ++n) {
        const int drawn = rng.Random(kSectorCount) + 1;
        if (Status placed = PlaceArtefact(world, rng, n, drawn, n == 50); !placed)
            return placed;
        // The order: one artefact per sector, later ones taking over now and then.
        // The start artefact lies in the start sector whatever sector was drawn for
        // it, so it is ordered for the sector it really lies in.
        const int s = world.Artefacts[n].Sector;
        if (world.FindIdx[s] == 0)
            world.FindIdx[s] = n;
        else if (rng.Random(100) > 50)
            world.FindIdx[s] = n;
    }

    if (Status placed = PlacePowerPacks(world, rng); !placed)
        return placed;
    for (auto& module : world.AlienModules)
        module = TModulePlacement{};
    if (Status placed = PlaceAlienModules(world, rng); !placed)
        return placed;
    world.GameSeconds = 0;
    world.QSupport = 0;

    world.Headquarter.Sector = static_cast<std::uint8_t>(world.CurrentSector);
    world.Headquarter.System = world.CurrentSystem;
    world.Headquarter.Name = world.Here().Name;
    return {};
}

Status NewGameWorld(TGameState& world, TRandom& rng, const TMapGeometry& map) {
    rng.Reseed();
    ResetForNewGame(world, rng);
    return GenerateGalaxy(world, rng, map);
}

bool IsFreePlanet(const TGameState& world, int sector, int system, int planet) {
    // A saved game may hold systems without planets; a planet that is not there is not free.
    const std::vector<TPlanet>& planets = world.System(sector, system).Planets;
    if (planet < 0 || planet >= static_cast<int>(planets.size()))
        return false;
    const TPlanet& p = planets[static_cast<std::size_t>(planet)];
    if (p.Surface == kGasSurface || p.Artefact != 0 || p.PowerUp != 0)
        return false;
    return std::none_of(world.AlienModules.begin(), world.AlienModules.end(), [&](const TModulePlacement& m) {
        return m.Sector == sector && m.System == system && m.Planet == planet;
    });
}

Status PlaceArtefact(TGameState& world, TRandom& rng, int artefact, int sector, bool isStart) {
    const int startSystem = world.CurrentSystem;
    if (isStart)
        sector = world.CurrentSector;
    int k = 0;
    int p = 0;
    for (int failed = 0;; ++failed) {
        if (failed == kDrawsBeforeCounting && CountFreePlanets(world, sector) == 0) {
            world.CurrentSystem = startSystem;
            return Error{"Sector " + std::to_string(sector) + " has no free planet for artefact " +
                         std::to_string(artefact) + "."};
        }
        k = DrawSystem(rng);
        if (isStart)
            world.CurrentSystem = k;
        p = DrawPlanet(rng, world.System(sector, k));
        if (IsFreePlanet(world, sector, k, p)) {
            world.System(sector, k).Planets[static_cast<std::size_t>(p)].Artefact =
                static_cast<std::uint8_t>(artefact);
            break;
        }
    }
    TArtefact& entry = world.Artefacts[artefact];
    entry.Sector = static_cast<std::uint8_t>(sector);
    entry.System = k;
    entry.Planet = p;
    return {};
}

Status PlacePowerPacks(TGameState& world, TRandom& rng) {
    // Every pack takes exactly one free planet, so one count up front tells
    // whether all of them fit, and a refusal leaves the galaxy untouched.
    int freePlanets = 0;
    for (int s = 1; s <= kSectorCount; ++s)
        freePlanets += CountFreePlanets(world, s);
    if (freePlanets < kPowerPackCount)
        return Error{"The galaxy has only " + std::to_string(freePlanets) + " free planets for " +
                     std::to_string(kPowerPackCount) + " power packs."};

    int placed = 0;
    while (placed < kPowerPackCount) {
        // Sector 4 twice as likely as each of the others.
        const int s = std::min(rng.Random(5) + 1, kSectorCount);
        const int k = DrawSystem(rng);
        const int p = DrawPlanet(rng, world.System(s, k));
        if (IsFreePlanet(world, s, k, p)) {
            world.System(s, k).Planets[static_cast<std::size_t>(p)].PowerUp = 1;
            ++placed;
        }
    }
    return {};
}

Status PlaceAlienModules(TGameState& world, TRandom& rng) {
    int perm[kModuleCount + 1] = {0, 1, 2, 3, 4};
    for (int j = 1; j <= kModuleCount; ++j) {
        const int r = std::min(rng.Random(5) + 1, kModuleCount);
        std::swap(perm[j], perm[r]);
    }
    // A refusal puts back the placements as they were, so a game is never left
    // with some modules moved and others not.
    const auto before = world.AlienModules;
    for (int s = 1; s <= kSectorCount; ++s) {
        for (int failed = 0;; ++failed) {
            if (failed == kDrawsBeforeCounting && CountFreePlanets(world, s) == 0) {
                world.AlienModules = before;
                return Error{"Sector " + std::to_string(s) + " has no free planet for alien module " +
                             std::to_string(perm[s]) + "."};
            }
            const int k = DrawSystem(rng);
            const int p = DrawPlanet(rng, world.System(s, k));
            if (IsFreePlanet(world, s, k, p)) {
                world.AlienModules[perm[s]] = TModulePlacement{
                    static_cast<std::int8_t>(s), static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(p)};
                break;
            }
        }
    }
    return {};
}

} // namespace veltrane
