#pragma once

// Start-up, clock and new-game rules that do not need a window.

#include "core/ContentTables.h"
#include "core/Galaxy.h"
#include "core/Random.h"
#include "core/Result.h"
#include "core/World.h"

#include <cstdint>
#include <string>

namespace veltrane {

// The per-user folder below the documents folder, with a trailing separator.
std::string UserFolderFromDocuments(const std::string& documentsFolder);

// Window type 1 is a fixed window; every other value means full screen.
inline bool IsStandardWindow(std::uint8_t windowType) {
    return windowType == 1;
}

// One second of game time; the clock stops at the end of its range instead of wrapping.
void AdvanceGameClock(TGameState& world);

// The world side of a new game: re-seeded generator, new-game values, the
// message-dialog colours and a freshly generated galaxy on the map's geometry.
// Content read from the language script (event texts and the rest) stays.
Status StartNewGame(TGameState& world, TContentTables& tables, TRandom& rng, const TMapGeometry& map);

// After loading: every artefact lying on a planet learns where it lies, and a
// saved game without an order gets one artefact of each sector ordered.
void RestoreArtefactPlaces(TGameState& world, TRandom& rng);

} // namespace veltrane
