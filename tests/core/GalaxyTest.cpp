#include "core/Galaxy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <tuple>

namespace veltrane {
namespace {

constexpr int kGenerations = 200;

TGameState NewGame(std::uint64_t seed) {
    TRandom rng(seed);
    TGameState world;
    const Status status = NewGameWorld(world, rng);
    EXPECT_TRUE(status.ok()) << status.error().message;
    return world;
}

// Runs `check` over many seeded galaxies, so rare draws are met too.
template <typename Check> void ForManyGalaxies(Check check) {
    for (int seed = 1; seed <= kGenerations; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const TGameState world = NewGame(static_cast<std::uint64_t>(seed));
        check(world);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure())
            return;
    }
}

template <typename Visit> void ForEachPlanet(const TGameState& world, Visit visit) {
    for (int s = 1; s <= kSectorCount; ++s)
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            const TSystem& system = world.System(s, k);
            for (std::size_t p = 0; p < system.Planets.size(); ++p)
                visit(s, k, static_cast<int>(p), system, system.Planets[p]);
        }
}

bool ModuleOn(const TGameState& world, int s, int k, int p) {
    return std::any_of(world.AlienModules.begin(), world.AlienModules.end(), [&](const TModulePlacement& m) {
        return m.Sector == s && m.System == k && m.Planet == p;
    });
}

TEST(RandomName, HasTheShapeOfAName) {
    TRandom rng(7);
    std::set<std::size_t> lengths;
    for (int i = 0; i < 2000; ++i) {
        const std::string name = RandomName(rng);
        lengths.insert(name.size());
        ASSERT_TRUE(name.size() == 6 || name.size() == 8) << name;
        ASSERT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
        for (std::size_t j = 0; j < name.size(); ++j) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(name[j])));
            const std::string_view allowed = (j % 2 == 0) ? "bcdfghklmnprstvw" : "aeiou";
            ASSERT_NE(allowed.find(c), std::string_view::npos) << name << " at " << j;
        }
    }
    EXPECT_EQ(lengths, (std::set<std::size_t>{6, 8}));
}

TEST(RandomName, UsesEveryLetterButTheLastOfEachList) {
    TRandom rng(11);
    std::set<char> seen;
    for (int i = 0; i < 5000; ++i)
        for (char c : RandomName(rng))
            seen.insert(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (char c : std::string_view("bcdfghklmnprstvwaeiou"))
        EXPECT_TRUE(seen.count(c)) << c;
    EXPECT_FALSE(seen.count('z'));
    EXPECT_FALSE(seen.count('y'));
}

TEST(NewGame, SetsTheStartingValuesOfCaptainAndShip) {
    TRandom rng(3);
    TGameState world;
    world.Captain.Name = "Edited in the options";
    world.Captain.ImageIndex = 3;
    world.Captain.Module2 = true;
    world.Cargo.push_back({"Old relic", 12});
    world.Transport.push_back({"Somewhere", "40", 2});
    world.FindIdx[2] = 77;
    world.HQArtefacts[1] = TArtefact{"Delivered", "", 0, 0, 0, 12};
    world.GameSeconds = 5000;
    world.QSupport = 9;
    ASSERT_TRUE(NewGameWorld(world, rng).ok());

    const TCaptain& c = world.Captain;
    EXPECT_EQ(c.Name, "Jon Kestrel");
    EXPECT_EQ(c.ImageIndex, 1);
    EXPECT_EQ(c.Budget, 100);
    EXPECT_EQ(c.Scanner, 1);
    EXPECT_EQ(c.Storage, 1);
    EXPECT_EQ(c.StorageCapacity, 3);
    EXPECT_EQ(c.Navigator, 1);
    EXPECT_EQ(c.EnergyCell, 1);
    EXPECT_EQ(c.Energy, 100);
    EXPECT_EQ(c.Hyperdrive, 0);
    for (int n = 1; n <= kModuleCount; ++n)
        EXPECT_FALSE(c.HasModule(n)) << n;
    EXPECT_TRUE(world.Cargo.empty());
    EXPECT_TRUE(world.Transport.empty());
    EXPECT_TRUE(world.HQArtefacts[1].Name.empty());
    EXPECT_EQ(world.HQArtefacts[1].Index, 0);
    EXPECT_EQ(world.GameSeconds, 0);
    EXPECT_EQ(world.QSupport, 0);
    EXPECT_EQ(world.CurrentSector, 1);
    EXPECT_EQ(world.GalaxyName.size() % 2, 0u);
}

TEST(NewGame, KeepsArtefactNamesFromTheScript) {
    TRandom rng(5);
    TGameState world;
    world.Artefacts[42].Name = "Humming Key";
    world.Artefacts[42].Info = "It hums.";
    ASSERT_TRUE(NewGameWorld(world, rng).ok());
    EXPECT_EQ(world.Artefacts[42].Name, "Humming Key");
    EXPECT_EQ(world.Artefacts[42].Info, "It hums.");
}

TEST(GenerateGalaxy, SameSeedGivesTheSameGalaxy) {
    EXPECT_EQ(NewGame(1234), NewGame(1234));
    EXPECT_NE(NewGame(1234), NewGame(1235));
}

TEST(GenerateGalaxy, SystemSizesFollowThePlanetCount) {
    std::set<std::size_t> counts;
    ForManyGalaxies([&](const TGameState& world) {
        for (int s = 1; s <= kSectorCount; ++s)
            for (int k = 1; k <= kSystemsPerSector; ++k) {
                const TSystem& system = world.System(s, k);
                const int n = static_cast<int>(system.Planets.size());
                counts.insert(system.Planets.size());
                ASSERT_GE(n, 1);
                ASSERT_LE(n, 6);
                const int expected = n < 2 ? 2 : (n > 4 ? 4 : n);
                ASSERT_EQ(system.Size, expected) << n << " planets";
                ASSERT_EQ(system.ShapeColor, kWhite);
            }
    });
    EXPECT_EQ(counts, (std::set<std::size_t>{1, 2, 3, 4, 5, 6}));
}

TEST(GenerateGalaxy, SurfaceRulesHold) {
    bool lastOfThreeWasIcy = false;
    bool lastOfThreeWasOther = false;
    std::set<int> surfaces;
    ForManyGalaxies([&](const TGameState& world) {
        ForEachPlanet(world, [&](int, int, int p, const TSystem& system, const TPlanet& planet) {
            const int n = static_cast<int>(system.Planets.size());
            surfaces.insert(planet.Surface);
            ASSERT_GE(planet.Surface, 1);
            ASSERT_LE(planet.Surface, 8);
            if (p < 2) {
                ASSERT_NE(planet.Surface, 6) << "planets 0 and 1 are never icy";
            } else {
                ASSERT_NE(planet.Surface, 8) << "tundra only on planets 0 and 1";
            }
            if (n >= 4 && p == n - 1) {
                ASSERT_EQ(planet.Surface, 6) << "the outermost of four or more is icy";
            }
            if (n == 3 && p == 2)
                (planet.Surface == 6 ? lastOfThreeWasIcy : lastOfThreeWasOther) = true;
        });
    });
    EXPECT_EQ(surfaces.size(), 8u);
    EXPECT_TRUE(lastOfThreeWasIcy);
    EXPECT_TRUE(lastOfThreeWasOther);
}

TEST(GenerateGalaxy, PlanetsStartUnscannedWithTwoToFourEmptyCities) {
    ForManyGalaxies([&](const TGameState& world) {
        ForEachPlanet(world, [&](int, int, int p, const TSystem&, const TPlanet& planet) {
            ASSERT_FALSE(planet.Scanned);
            ASSERT_EQ(planet.Lifeform, 0);
            ASSERT_EQ(planet.ImageIndex, -1);
            ASSERT_EQ(planet.Landscape, 0);
            ASSERT_EQ(planet.AlienRace, 0);
            ASSERT_EQ(planet.SurfaceMirror, 0);
            ASSERT_FALSE(planet.EventOccured);
            ASSERT_GE(planet.Size, 1);
            ASSERT_LE(planet.Size, 3);
            ASSERT_GE(planet.Cities.size(), 2u);
            ASSERT_LE(planet.Cities.size(), 4u);
            for (const TCity& city : planet.Cities)
                ASSERT_EQ(city, TCity{});
            // Planets sit on a diagonal, jittered by up to 14 and 39 pixels.
            ASSERT_LE(std::abs(planet.PosX - (100 * p + 120)), 14);
            ASSERT_LE(std::abs(planet.PosY - (40 * p + 40)), 39);
            ASSERT_FALSE(planet.Name.empty());
        });
    });
}

TEST(GenerateGalaxy, SystemsHaveDistinctGridPositionsOnTheMap) {
    ForManyGalaxies([&](const TGameState& world) {
        for (int s = 1; s <= kSectorCount; ++s) {
            std::set<std::pair<int, int>> seen;
            for (int k = 1; k <= kSystemsPerSector; ++k) {
                const TSystem& system = world.System(s, k);
                ASSERT_EQ(system.PosX % 5, 0);
                ASSERT_EQ(system.PosY % 5, 0);
                ASSERT_GE(system.PosX, 5);
                ASSERT_LE(system.PosX, 5 * 161 + 5);
                ASSERT_GE(system.PosY, 5);
                ASSERT_LE(system.PosY, 5 * 88 + 5);
                ASSERT_TRUE(seen.emplace(system.PosX, system.PosY).second)
                    << "sector " << s << " system " << k;
            }
        }
    });
}

TEST(GenerateGalaxy, MapOffsetShiftsEveryPosition) {
    TRandom a(99);
    TRandom b(99);
    TGameState plain;
    TGameState shifted;
    ASSERT_TRUE(NewGameWorld(plain, a, TMapGeometry{817, 450, 0, 0}).ok());
    ASSERT_TRUE(NewGameWorld(shifted, b, TMapGeometry{817, 450, 7, 3}).ok());
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        EXPECT_EQ(shifted.System(2, k).PosX, plain.System(2, k).PosX + 7);
        EXPECT_EQ(shifted.System(2, k).PosY, plain.System(2, k).PosY + 3);
    }
}

TEST(GenerateGalaxy, ItemsLieOnlyWhereTheyMay) {
    ForManyGalaxies([&](const TGameState& world) {
        int artefacts = 0;
        int packs = 0;
        int modules = 0;
        std::set<int> artefactNumbers;
        ForEachPlanet(world, [&](int s, int k, int p, const TSystem& system, const TPlanet& planet) {
            const bool module = ModuleOn(world, s, k, p);
            const int items = (planet.Artefact != 0) + (planet.PowerUp != 0) + (module ? 1 : 0);
            artefacts += planet.Artefact != 0;
            packs += planet.PowerUp;
            modules += module;
            if (planet.Artefact != 0)
                artefactNumbers.insert(planet.Artefact);
            if (items == 0)
                return;
            const int n = static_cast<int>(system.Planets.size());
            ASSERT_LE(items, 1) << "two items on one planet";
            ASSERT_NE(planet.Surface, kGasSurface);
            ASSERT_NE(k, kSystemsPerSector);
            if (n > 1) {
                ASSERT_LT(p, n - 1) << "last planet of a multi-planet system";
            }
        });
        ASSERT_EQ(artefacts, kArtefactCount);
        ASSERT_EQ(artefactNumbers.size(), static_cast<std::size_t>(kArtefactCount));
        ASSERT_EQ(packs, 50);
        ASSERT_EQ(modules, kModuleCount);
    });
}

TEST(GenerateGalaxy, ArtefactTableNamesThePlanetsCarryingThem) {
    ForManyGalaxies([&](const TGameState& world) {
        for (int n = 1; n <= kArtefactCount; ++n) {
            const TArtefact& a = world.Artefacts[n];
            ASSERT_TRUE(a.Sector >= 1 && a.Sector <= 4);
            const TSystem& system = world.System(a.Sector, a.System);
            ASSERT_LT(a.Planet, static_cast<int>(system.Planets.size()));
            ASSERT_EQ(system.Planets[static_cast<std::size_t>(a.Planet)].Artefact, n);
        }
    });
}

TEST(GenerateGalaxy, OneModulePerSectorWithShuffledNumbers) {
    std::set<std::vector<int>> orders;
    ForManyGalaxies([&](const TGameState& world) {
        std::vector<int> sectorOfModule;
        std::set<int> sectors;
        for (int m = 1; m <= kModuleCount; ++m) {
            const TModulePlacement& placed = world.AlienModules[m];
            sectorOfModule.push_back(placed.Sector);
            sectors.insert(placed.Sector);
            ASSERT_GE(placed.System, 1);
            ASSERT_LE(placed.System, 149);
        }
        ASSERT_EQ(sectors, (std::set<int>{1, 2, 3, 4}));
        orders.insert(sectorOfModule);
    });
    EXPECT_GT(orders.size(), 5u) << "module numbers should be shuffled across sectors";
}

TEST(GenerateGalaxy, OrderNamesFourArtefactsEachLyingInItsSector) {
    ForManyGalaxies([&](const TGameState& world) {
        std::set<int> wanted;
        for (int s = 1; s <= kSectorCount; ++s) {
            const int n = world.FindIdx[s];
            ASSERT_TRUE(n >= 1 && n <= kArtefactCount) << "sector " << s;
            wanted.insert(n);
            ASSERT_EQ(world.Artefacts[n].Sector, s) << "artefact " << n;
        }
        ASSERT_EQ(wanted.size(), 4u);
    });
}

TEST(GenerateGalaxy, ShipStartsWithArtefactFiftyAndTheHeadquarter) {
    ForManyGalaxies([&](const TGameState& world) {
        ASSERT_EQ(world.CurrentSector, 1);
        ASSERT_GE(world.CurrentSystem, 1);
        ASSERT_LE(world.CurrentSystem, 149);
        const TArtefact& start = world.Artefacts[50];
        ASSERT_EQ(start.Sector, 1);
        ASSERT_EQ(start.System, world.CurrentSystem);
        ASSERT_EQ(world.Here().Planets[static_cast<std::size_t>(start.Planet)].Artefact, 50);
        ASSERT_EQ(world.Headquarter.Sector, 1);
        ASSERT_EQ(world.Headquarter.System, world.CurrentSystem);
        ASSERT_EQ(world.Headquarter.Name, world.Here().Name);
    });
}

TEST(GenerateGalaxy, PowerPacksFavourSectorFour) {
    int perSector[kSectorCount + 1] = {};
    ForManyGalaxies([&](const TGameState& world) {
        ForEachPlanet(world, [&](int s, int, int, const TSystem&, const TPlanet& planet) {
            perSector[s] += planet.PowerUp;
        });
    });
    // Expected shares 1/5, 1/5, 1/5, 2/5 of 10000 packs.
    for (int s = 1; s <= 3; ++s)
        EXPECT_NEAR(perSector[s], 2000, 250) << s;
    EXPECT_NEAR(perSector[4], 4000, 300);
}

TEST(GenerateGalaxy, RefusesAMapTooSmallForAllSystems) {
    TRandom rng(1);
    TGameState world;
    ResetForNewGame(world, rng);
    // 13 x 11 grid cells = 143 < 150 positions.
    const Status status = GenerateGalaxy(world, rng, TMapGeometry{70, 60, 0, 0});
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().message.find("150"), std::string::npos);
    EXPECT_FALSE(GenerateGalaxy(world, rng, TMapGeometry{4, 900, 0, 0}).ok());
}

TEST(GenerateGalaxy, FillsAMapWithExactlyOnePositionPerSystem) {
    // 15 x 10 cells: every cell is taken, which the collision redraws must reach.
    TRandom rng(21);
    TGameState world;
    ResetForNewGame(world, rng);
    const TMapGeometry map{80, 55, 2, 3};
    ASSERT_TRUE(GenerateGalaxy(world, rng, map).ok());
    std::set<std::pair<int, int>> seen;
    for (int k = 1; k <= kSystemsPerSector; ++k)
        seen.emplace(world.System(3, k).PosX, world.System(3, k).PosY);
    EXPECT_EQ(seen.size(), 150u);
    // Full, the map reaches both corners of the area a saved game's systems must lie in.
    const TMapArea area = SystemGridArea(map);
    EXPECT_TRUE(seen.count({area.MinX, area.MinY}) && seen.count({area.MaxX, area.MaxY}));
}

TEST(IsFreePlanet, RefusesGasOccupiedAndModulePlanets) {
    TGameState world;
    TSystem& system = world.System(2, 10);
    system.Planets.resize(3);
    system.Planets[0].Surface = 1;
    system.Planets[1].Surface = kGasSurface;
    system.Planets[2].Surface = 4;
    EXPECT_TRUE(IsFreePlanet(world, 2, 10, 0));
    EXPECT_FALSE(IsFreePlanet(world, 2, 10, 1));
    system.Planets[0].Artefact = 9;
    EXPECT_FALSE(IsFreePlanet(world, 2, 10, 0));
    system.Planets[0].Artefact = 0;
    system.Planets[0].PowerUp = 1;
    EXPECT_FALSE(IsFreePlanet(world, 2, 10, 0));
    world.AlienModules[3] = TModulePlacement{2, 10, 2};
    EXPECT_FALSE(IsFreePlanet(world, 2, 10, 2));
    world.AlienModules[3] = TModulePlacement{1, 10, 2};
    EXPECT_TRUE(IsFreePlanet(world, 2, 10, 2)) << "same place in another sector";
    EXPECT_FALSE(IsFreePlanet(world, 2, 10, 3)) << "a planet the system lacks";
    EXPECT_FALSE(IsFreePlanet(world, 2, 11, 0)) << "a system without planets";
}

TEST(PlaceArtefact, ASoldArtefactGoesToAFreePlanetOfTheGivenSector) {
    TGameState world = NewGame(77);
    TRandom rng(78);
    const TArtefact before = world.Artefacts[50];
    world.System(before.Sector, before.System).Planets[static_cast<std::size_t>(before.Planet)].Artefact = 0;
    const int system = world.CurrentSystem;
    ASSERT_TRUE(PlaceArtefact(world, rng, 50, 3, false).ok());
    const TArtefact& after = world.Artefacts[50];
    EXPECT_EQ(after.Sector, 3);
    EXPECT_EQ(world.System(3, after.System).Planets[static_cast<std::size_t>(after.Planet)].Artefact, 50);
    EXPECT_EQ(world.CurrentSystem, system) << "only the start artefact moves the ship";
}

TEST(PlaceAlienModules, OverwritesAllFourPlacementsWhateverTheCaptainHolds) {
    TGameState world = NewGame(5);
    world.Captain.Module2 = true;
    world.AlienModules[2].System = 0;
    for (auto& m : world.AlienModules)
        m.Sector = -1;
    TRandom rng(6);
    ASSERT_TRUE(PlaceAlienModules(world, rng).ok());
    std::set<int> sectors;
    for (const auto& m : world.AlienModules) {
        sectors.insert(m.Sector);
        EXPECT_GE(m.System, 1);
    }
    EXPECT_EQ(sectors, (std::set<int>{1, 2, 3, 4}));
}

// Saved games may bring systems without planets or sectors with nothing free;
// each case reshapes generated galaxies so and places one kind of item.
// Artefact is number 7 sold into sector 2; the start artefact goes to the current sector.
enum class Item { Modules, Artefact, StartArtefact, PowerPacks };

struct PlacementCase {
    const char* name;
    Item item;
    void (*shape)(TGameState&);
    std::string refusal = {}; // empty: the placement succeeds
    std::optional<std::tuple<int, int, int>> only = std::nullopt;
};
void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

// Sector s (0: all four): every n-th system loses its planets, the others turn gas if asked.
void Reshape(TGameState& world, int s, int every, bool gas) {
    for (int sector = s ? s : 1; sector <= (s ? s : kSectorCount); ++sector)
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            auto& planets = world.System(sector, k).Planets;
            if (k % every == 0)
                planets.clear();
            for (TPlanet& planet : planets)
                planet.Surface = gas ? kGasSurface : planet.Surface;
        }
}
const TPlanet kGas = [] {
    TPlanet planet;
    planet.Surface = kGasSurface;
    return planet;
}();
void FreeOnlyOutOfReach(TGameState& w) {
    Reshape(w, 2, 1, false);
    w.System(2, 150).Planets.resize(1);
    w.System(2, 40).Planets = {kGas, TPlanet{}}; // the last planet is never drawn
}
void FreeOnlyPlanet77(TGameState& w) {
    Reshape(w, 2, 2, true);
    w.System(2, 77).Planets = {TPlanet{}, kGas};
}
template <int Count> void FreeInSector4(TGameState& w) {
    Reshape(w, 0, 1000, true);
    for (int k = 1; k <= Count; ++k)
        w.System(4, k).Planets.assign(1, TPlanet{});
}

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, SkipsMissingPlanetsAndRefusesAFullSector) {
    const PlacementCase& c = GetParam();
    const auto packs = [](const TGameState& world) {
        int count = 0;
        ForEachPlanet(world, [&](int, int, int, const TSystem&, const TPlanet& p) { count += p.PowerUp; });
        return count;
    };
    for (int seed = 1; seed <= 25; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TGameState world = NewGame(static_cast<std::uint64_t>(seed));
        for (auto& m : world.AlienModules)
            m = TModulePlacement{-1, 0, 0}; // as a saved game without module data
        c.shape(world);
        const TGameState before = world;
        TRandom rng(static_cast<std::uint64_t>(seed) + 1000);
        const Status status = c.item == Item::Modules ? PlaceAlienModules(world, rng)
                              : c.item == Item::PowerPacks
                                  ? PlacePowerPacks(world, rng)
                                  : PlaceArtefact(world, rng, c.item == Item::StartArtefact ? 50 : 7, 2,
                                                  c.item == Item::StartArtefact);
        if (!c.refusal.empty()) {
            ASSERT_FALSE(status.ok());
            ASSERT_EQ(status.error().message.rfind(c.refusal, 0), 0u) << status.error().message;
            ASSERT_TRUE(world == before) << "a refusal leaves the game as it was";
            continue;
        }
        ASSERT_TRUE(status.ok()) << status.error().message;
        const TArtefact& a = world.Artefacts[c.item == Item::StartArtefact ? 50 : 7];
        std::vector<std::tuple<int, int, int>> placed;
        if (c.item == Item::PowerPacks) {
            ASSERT_EQ(packs(world), packs(before) + 50);
        } else if (c.item != Item::Modules) {
            placed.emplace_back(a.Sector, a.System, a.Planet);
        } else {
            for (const TModulePlacement& m : world.AlienModules)
                placed.emplace_back(m.Sector, m.System, m.Planet);
        }
        for (const auto& [s, k, p] : placed) {
            ASSERT_LT(p, static_cast<int>(world.System(s, k).Planets.size())) << s << "/" << k;
            if (c.only && s == std::get<0>(*c.only)) {
                ASSERT_EQ(std::make_tuple(s, k, p), *c.only);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Placement,
    ::testing::Values(
        PlacementCase{"ModulesRefuseASectorOfEmptySystems", Item::Modules,
                      [](TGameState& w) { Reshape(w, 2, 1, false); },
                      "Sector 2 has no free planet for alien module "},
        PlacementCase{"ArtefactRefusesASectorOfEmptySystems", Item::Artefact,
                      [](TGameState& w) { Reshape(w, 2, 1, false); },
                      "Sector 2 has no free planet for artefact 7."},
        PlacementCase{"StartArtefactRefusesAnEmptyCurrentSector", Item::StartArtefact,
                      [](TGameState& w) { Reshape(w, 1, 1, false); },
                      "Sector 1 has no free planet for artefact 50."},
        PlacementCase{"ModulesRefuseFreePlanetsOutOfReach", Item::Modules, FreeOnlyOutOfReach,
                      "Sector 2 has no free planet for alien module "},
        PlacementCase{"ModuleTakesTheOneFreePlanetLeft", Item::Modules, FreeOnlyPlanet77, "", {{2, 77, 0}}},
        PlacementCase{
            "ArtefactTakesTheOneFreePlanetLeft", Item::Artefact, FreeOnlyPlanet77, "", {{2, 77, 0}}},
        PlacementCase{"ModulesSkipEmptySystems", Item::Modules,
                      [](TGameState& w) { Reshape(w, 0, 2, false); }},
        PlacementCase{"ArtefactSkipsEmptySystems", Item::Artefact,
                      [](TGameState& w) { Reshape(w, 2, 2, false); }},
        PlacementCase{"PowerPacksSkipEmptySystems", Item::PowerPacks,
                      [](TGameState& w) { Reshape(w, 0, 3, false); }},
        PlacementCase{"PowerPacksFillTheLastFiftyFreePlanets", Item::PowerPacks, FreeInSector4<50>},
        PlacementCase{"PowerPacksRefuseFewerThanFiftyFreePlanets", Item::PowerPacks, FreeInSector4<49>,
                      "The galaxy has only 49 free planets for 50 power packs."}),
    [](const ::testing::TestParamInfo<PlacementCase>& testInfo) { return std::string(testInfo.param.name); });

// Galaxies as generated have planets everywhere; skipping empty systems must not
// change a single draw of theirs. The fingerprint of their artefacts, packs,
// modules, order and start was taken before placements learnt to skip.
TEST(GenerateGalaxy, PlacementsKeepTheirRandomSequence) {
    std::uint64_t h = 14695981039346656037ull;
    const auto mix = [&](int v) { h = (h ^ static_cast<std::uint32_t>(v)) * 1099511628211ull; };
    for (int seed = 1; seed <= 50; ++seed) {
        const TGameState world = NewGame(static_cast<std::uint64_t>(seed));
        ForEachPlanet(
            world, [&](int, int, int, const TSystem&, const TPlanet& p) { mix(p.Artefact * 2 + p.PowerUp); });
        for (const TModulePlacement& m : world.AlienModules)
            mix(m.Sector * 100000 + m.System * 100 + m.Planet);
        for (int s = 1; s <= kSectorCount; ++s)
            mix(world.FindIdx[s] * 1000 + world.CurrentSystem);
    }
    EXPECT_EQ(h, 0xf4d40148a054f82eull);
}

} // namespace
} // namespace veltrane
