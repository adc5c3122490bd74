#include "Lifecycle.h"

#include <limits>

namespace veltrane {

std::string UserFolderFromDocuments(const std::string& documentsFolder) {
    std::string folder = documentsFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + "Brindle/Veltrane/";
}

void AdvanceGameClock(TGameState& world) {
    if (world.GameSeconds < std::numeric_limits<std::int32_t>::max())
        world.GameSeconds += 1;
}

Status StartNewGame(TGameState& world, TContentTables& tables, TRandom& rng, const TMapGeometry& map) {
    tables.DlgCaptions.StartColor = 0x00FFFF;
    tables.DlgCaptions.EndColor = 0x0000FF;
    return NewGameWorld(world, rng, map);
}

void RestoreArtefactPlaces(TGameState& world, TRandom& rng) {
    for (int s = 1; s <= kSectorCount; ++s)
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            const auto& planets = world.System(s, k).Planets;
            for (std::size_t p = 0; p < planets.size(); ++p) {
                const int n = planets[p].Artefact;
                if (n < 1 || n > kArtefactCount)
                    continue;
                TArtefact& entry = world.Artefacts[n];
                entry.Sector = static_cast<std::uint8_t>(s);
                entry.System = k;
                entry.Planet = static_cast<std::int32_t>(p);
            }
        }
    if (world.FindIdx[1] != 0)
        return;
    for (int i = 1; i <= kArtefactCount; ++i) {
        const int k = world.Artefacts[i].Sector;
        // An artefact in the cargo has no sector any more and cannot be ordered.
        if (k < 1 || k > kSectorCount)
            continue;
        if (world.FindIdx[k] == 0)
            world.FindIdx[k] = i;
        else if (rng.Random(100) > 50)
            world.FindIdx[k] = i;
    }
}

} // namespace veltrane
