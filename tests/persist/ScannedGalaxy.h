#pragma once

// A game far into play: every planet scanned, every city founded, cargo and
// transport aboard, modules found, the order half delivered. Built the way the
// rules build it, from a new galaxy and a seeded generator.

#include "core/Galaxy.h"
#include "core/Random.h"
#include "core/World.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace veltrane::test {

inline TGameState MakeNewWorld(std::uint64_t seed) {
    TGameState world;
    TRandom rng(seed);
    NewGameWorld(world, rng, TMapGeometry{});
    return world;
}

inline void ScanEverything(TGameState& world, TRandom& rng) {
    for (int s = 1; s <= kSectorCount; ++s) {
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            TSystem& system = world.System(s, k);
            std::vector<int> usedPictures;
            int highest = 0;
            for (TPlanet& planet : system.Planets) {
                const bool bare = planet.Surface == 1 || planet.Surface == kGasSurface;
                planet.Lifeform = static_cast<std::uint8_t>(bare ? 1 : rng.Random(5) + 1);
                if (!bare)
                    planet.AlienRace = static_cast<std::uint8_t>(rng.Random(kAlienRaces) + 1);
                for (std::size_t c = 0; c < planet.Cities.size(); ++c) {
                    TCity& city = planet.Cities[c];
                    city.Name = RandomName(rng);
                    city.PosX = static_cast<int>(c + 1) * 128 + rng.Random(20);
                    city.PosY = rng.Random(32) + 300;
                    city.Size = static_cast<std::uint8_t>(rng.Random(2) + 2);
                    int picture = 0;
                    do
                        picture = 1 + rng.Random(kCityPictures);
                    while (std::find(usedPictures.begin(), usedPictures.end(), picture) !=
                           usedPictures.end());
                    usedPictures.push_back(picture);
                    city.CityImage = picture;
                }
                planet
                    .Cities[static_cast<std::size_t>(rng.Random(static_cast<int>(planet.Cities.size()) - 1))]
                    .Size = 1;
                planet.Landscape = static_cast<std::uint8_t>(rng.Random(kLandscapesPerType) + 1);
                planet.ImageIndex = 3 * (planet.Surface - 1) + rng.Random(2);
                planet.SurfaceMirror = static_cast<std::uint8_t>(rng.Random(2) + 1);
                planet.EventOccured = rng.Random(5) == 0;
                planet.Scanned = true;
                highest = std::max<int>(highest, planet.Lifeform);
            }
            system.ShapeColor = highest >= 4 ? kGreen : highest >= 2 ? kYellow : kRed;
        }
    }
}

inline TGameState MakeScannedWorld(std::uint64_t seed) {
    TGameState world = MakeNewWorld(seed);
    TRandom rng(seed + 1);
    ScanEverything(world, rng);

    world.Galaxy[2].Title = "The Rim";
    TCaptain& captain = world.Captain;
    captain.Name = "Zoë Ærenfeld";
    captain.Budget = 123456;
    captain.Scanner = 3;
    captain.Storage = 3;
    captain.StorageCapacity = 9;
    captain.Navigator = 2;
    captain.Hyperdrive = 3;
    captain.EnergyCell = 2;
    captain.Energy = 57;
    captain.ImageIndex = 4;
    captain.Module1 = true;
    captain.Module3 = true;
    world.AlienModules[1].System = 0;
    world.AlienModules[3].System = 0;

    world.Cargo = {{"Glass key", 12}, {"Idol of Varn", 77}, {"Ørb = of \"light\"", 100}, {"Mask", 1}};
    for (const TCargoItem& item : world.Cargo) { // picked up from where they lay
        const TArtefact& place = world.Artefacts[item.StateIndex];
        world.System(place.Sector, place.System).Planets[static_cast<std::size_t>(place.Planet)].Artefact = 0;
    }
    world.Transport = {{"Kelomira", "42", 3}, {world.System(1, 5).Name, "9", 0}, {"Tusa", "0", 1}};
    world.HQArtefacts[1] = TArtefact{"Crown of Ashes", "", 0, 0, 0, world.FindIdx[1]};
    world.HQArtefacts[2] = TArtefact{"Idol", "", 0, 0, 0, world.FindIdx[2]};
    world.CurrentSector = 3;
    world.CurrentSystem = 150;
    world.GameSeconds = 90061;
    world.QSupport = 7;
    world.Headquarter.Sector = 4;
    world.Headquarter.System = 99;
    world.Headquarter.Name = world.System(4, 99).Name;
    return world;
}

} // namespace veltrane::test
