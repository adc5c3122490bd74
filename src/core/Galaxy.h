#pragma once

// Generating a new galaxy, and the placement operations other rules reuse.

#include "Random.h"
#include "Result.h"
#include "World.h"

#include <string>

namespace veltrane {

// Where the sector maps are drawn: the map panel's size and the picture offset.
struct TMapGeometry {
    int Width = 817;
    int Height = 450;
    int OffsetLeft = 0;
    int OffsetTop = 0;
};

// The rectangle positions may take, edges included.
struct TMapArea {
    int MinX = 0;
    int MinY = 0;
    int MaxX = 0;
    int MaxY = 0;
};

// The first and the last grid point GenerateGalaxy can give a system on `map`.
TMapArea SystemGridArea(const TMapGeometry& map = {});

// A new random name: 3 or 4 consonant-vowel syllables, capitalised.
std::string RandomName(TRandom& rng);

// The captain's and the game's values before a galaxy is generated.
void ResetForNewGame(TGameState& world, TRandom& rng);

// Fills the whole galaxy; expects ResetForNewGame to have run. Refuses a map
// too small to give 150 distinct positions per sector.
Status GenerateGalaxy(TGameState& world, TRandom& rng, const TMapGeometry& map = {});

// A new game as the game makes it: re-seed, new-game values, galaxy.
Status NewGameWorld(TGameState& world, TRandom& rng, const TMapGeometry& map = {});

// Whether a planet may receive an artefact, a power pack or a module; false for
// a planet the system does not have.
bool IsFreePlanet(const TGameState& world, int sector, int system, int planet);

// The placements draw a random system and planet until the planet is free.
// They refuse, saying which sector, when no planet is left for the item.
Status PlaceArtefact(TGameState& world, TRandom& rng, int artefact, int sector, bool isStart);
Status PlacePowerPacks(TGameState& world, TRandom& rng);
Status PlaceAlienModules(TGameState& world, TRandom& rng);

} // namespace veltrane
