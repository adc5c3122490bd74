#pragma once

// The list of saved games the options dialog shows, and deleting one.

#include "core/Result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veltrane {

struct TGameListRow {
    std::string GameName;
    std::string CaptainName;
    std::string Time;
    std::string FileName;  // within the games folder; never shown
    bool Autosave = false; // the autosave's own file, whatever game name it holds
};

// What the list needs from a saved game, without reading the galaxy.
struct TSavedGameHeader {
    std::string GameName;
    std::string CaptainName;
    std::int32_t GameSeconds = 0;
};

Result<TSavedGameHeader> ReadSavedGameHeader(const std::filesystem::path& path);

// h:mm:ss; the hours go on past 24 for long games.
std::string GameTimeText(std::int32_t seconds);

// One row per "*.sav" in UserFolder + "Games", sorted by game name, the
// autosave first under its fixed name. A file that cannot be read still gets
// its row ("Unknown"), so the player can delete it.
std::vector<TGameListRow> GameList(const std::string& userFolder);

// Deletes UserFolder + "Games/" + fileName and its backup (BackupPath). Only a
// plain file name is accepted.
Status DeleteGame(const std::string& userFolder, const std::string& fileName);

} // namespace veltrane
