#include "GameList.h"

#include "FileIo.h"
#include "FolderList.h"
#include "IniSyntax.h"
#include "MegaIni.h"
#include "SavedGame.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>
#include <utility>

namespace veltrane {
namespace {

constexpr const char* kUnknown = "Unknown";

// Case-blind first, so "alpha" and "Beta" sort as a player expects; ties by
// the exact spelling, then the file name, so the order is always the same.
bool ListOrder(const TGameListRow& a, const TGameListRow& b) {
    if (a.Autosave != b.Autosave)
        return a.Autosave;
    const auto [ai, bi] =
        std::mismatch(a.GameName.begin(), a.GameName.end(), b.GameName.begin(), b.GameName.end(),
                      [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
    if (ai != a.GameName.end() || bi != b.GameName.end()) {
        if (ai == a.GameName.end())
            return true;
        if (bi == b.GameName.end())
            return false;
        if (FoldAscii(*ai) != FoldAscii(*bi))
            return static_cast<unsigned char>(FoldAscii(*ai)) < static_cast<unsigned char>(FoldAscii(*bi));
    }
    if (a.GameName != b.GameName)
        return a.GameName < b.GameName;
    return a.FileName < b.FileName;
}

} // namespace

Result<TSavedGameHeader> ReadSavedGameHeader(const std::filesystem::path& path) {
    try {
        auto bytes = ReadWholeFile(path);
        if (!bytes)
            return bytes.error();
        const std::string text = DecodeTextFile(std::move(*bytes));

        // The list shows three keys of every file: read past the galaxy without
        // keeping it, and stop once the first "General" and "Captain" sections
        // (the ones that count) are behind us.
        enum class In { Other, General, Captain };
        In in = In::Other;
        bool generalSeen = false;
        bool captainSeen = false;
        std::optional<std::string_view> gameName, captainName, seconds;
        const auto first = [](std::optional<std::string_view>& slot, std::string_view value) {
            if (!slot)
                slot = value;
        };
        TMegaIni::ScanLines(
            text,
            [&](std::string_view name) {
                in = In::Other;
                if (SameIniName(name, "General") && !std::exchange(generalSeen, true))
                    in = In::General;
                else if (SameIniName(name, "Captain") && !std::exchange(captainSeen, true))
                    in = In::Captain;
                return in != In::Other || !generalSeen || !captainSeen;
            },
            [&](std::string_view key, std::string_view value) {
                if (in == In::General && SameIniName(key, "Game name"))
                    first(gameName, value);
                else if (in == In::General && SameIniName(key, "Game seconds"))
                    first(seconds, value);
                else if (in == In::Captain && SameIniName(key, "Name"))
                    first(captainName, value);
                return true;
            });

        TSavedGameHeader header;
        header.GameName = std::string(gameName.value_or(kUnknown));
        header.CaptainName = std::string(captainName.value_or(kUnknown));
        header.GameSeconds = seconds ? ParseIniInt(*seconds).value_or(0) : 0;
        return header;
    } catch (const std::bad_alloc&) {
        return OutOfMemoryReading(path);
    }
}

std::string GameTimeText(std::int32_t seconds) {
    const std::int32_t s = std::max<std::int32_t>(seconds, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", s / 3600, (s % 3600) / 60, s % 60);
    return text;
}

std::vector<TGameListRow> GameList(const std::string& userFolder) {
    std::vector<TGameListRow> rows;
    const std::filesystem::path folder = GamesFolder(userFolder);
    for (const std::string& name : ListMatchingFiles(folder.string(), "*.sav")) {
        TGameListRow row{kUnknown, kUnknown, GameTimeText(0), name};
        if (const auto header = ReadSavedGameHeader(folder / name)) {
            row.GameName = header->GameName;
            row.CaptainName = header->CaptainName;
            row.Time = GameTimeText(header->GameSeconds);
        }
        if (name == kAutosaveFileName) {
            row.Autosave = true;
            row.GameName = kAutosaveGameName;
        }
        rows.push_back(std::move(row));
    }
    std::sort(rows.begin(), rows.end(), ListOrder);
    return rows;
}

Status DeleteGame(const std::string& userFolder, const std::string& fileName) {
    const std::filesystem::path name(fileName);
    if (fileName.empty() || name.has_parent_path() || fileName == "." || fileName == "..")
        return Error{"\"" + fileName + "\" is not the name of a saved game."};
    const std::filesystem::path path = GamesFolder(userFolder) / name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Error{"File \"" + path.string() + "\" not found."};
    // The list never shows a backup, so one left behind could never be deleted:
    // it goes first, and when it cannot, the game stays listed for another try.
    const std::filesystem::path backup = BackupPath(path);
    if (std::filesystem::symlink_status(backup, ec).type() != std::filesystem::file_type::not_found &&
        (!std::filesystem::remove(backup, ec) || ec))
        return Error{"Cannot delete the backup \"" + backup.string() +
                     "\" of the saved game: " + ec.message() + "."};
    std::filesystem::path link = backup;
    link += ".link";
    std::filesystem::remove(link, ec); // left by a save that was killed while keeping the backup
    if (!std::filesystem::remove(path, ec) || ec)
        return Error{"Cannot delete \"" + path.string() + "\": " + ec.message() + "."};
    return {};
}

} // namespace veltrane
