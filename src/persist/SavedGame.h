#pragma once

// Saved games: the whole game state in one INI-style file, written and read
// whole. Loading reads into a fresh world and checks it before handing it
// back, so a damaged file never half-replaces the running game.

#include "MegaIni.h"

#include "core/Random.h"
#include "core/Result.h"
#include "core/World.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace veltrane {

// Rolls a loaded city's profile from its planet's life form. The game passes
// its city rule here; persistence knows nothing of content tables.
using CityProfiler = std::function<Status(int lifeform, TCity& city)>;

// UserFolder + "Games".
std::filesystem::path GamesFolder(const std::string& userFolder);

// "yyyymmddhhnnss.sav" for the given local time.
std::string SaveFileName(const std::tm& localTime);
// A name no file in `folder` has yet for a game saved at `localTime`:
// SaveFileName, or when a game of that second is there already the same with
// "_02", "_03" … "_99" before ".sav" (two digits, so the names of one second
// sort in the order they were saved, after the first). Saving right after
// asking keeps a second save of the same second from replacing the first.
Result<std::string> NewSaveFileName(const std::filesystem::path& folder, const std::tm& localTime);
// The same for the present moment.
Result<std::string> NewSaveFileName(const std::filesystem::path& folder);

// The game as sections and keys, in the order the file holds them.
TMegaIni WriteGameIni(const TGameState& world, std::string_view gameName);

// Writes the file afresh through a temporary file; creates its folder when
// missing. A file of that name is first copied to BackupPath(path), replacing
// the backup of the save before; when that copy fails nothing is overwritten.
// A failure leaves an earlier file of that name intact.
Status SaveGame(const TGameState& world, std::string_view gameName, const std::filesystem::path& path);

// "<name>.sav.bak" beside "<name>.sav": the game as it was before its last
// overwrite. The game list never shows it.
std::filesystem::path BackupPath(const std::filesystem::path& path);

// The autosave has a file of its own that only autosaves write, so it never
// replaces a game the player named, whatever name that game was given.
inline constexpr const char* kAutosaveFileName = "autosave.sav";
inline constexpr const char* kAutosaveGameName = "Autosave";

// The running game into UserFolder + "Games/" + kAutosaveFileName.
Status Autosave(const TGameState& world, const std::string& userFolder);

// Reads a parsed file into a copy of `current` (which keeps what the file does
// not hold: artefact names and descriptions, the headquarter's name for old
// files) and checks everything the game relies on. `fileLabel` names the file
// in error messages. `rng` names the galaxy of files without a galaxy name.
Result<TGameState> ReadGameIni(const TMegaIni& ini, const std::string& fileLabel, const TGameState& current,
                               const CityProfiler& profiler, TRandom& rng);

// The same from raw file bytes (UTF-8 or Windows-1252).
Result<TGameState> ReadGameText(std::string bytes, const std::string& fileLabel, const TGameState& current,
                                const CityProfiler& profiler, TRandom& rng);

Result<TGameState> LoadGame(const std::filesystem::path& path, const TGameState& current,
                            const CityProfiler& profiler, TRandom& rng);

} // namespace veltrane
