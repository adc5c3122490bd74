#include "persist/GameList.h"
#include "persist/SavedGame.h"

#include "ScannedGalaxy.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

namespace veltrane {
namespace {

using namespace veltrane::test;

std::string GameText(std::string_view name, std::string_view captain, int seconds) {
    return "[Captain]\nName=" + std::string(captain) + "\n\n[General]\nGame name=" + std::string(name) +
           "\nGame seconds=" + std::to_string(seconds) + "\n";
}

TEST(GameTime, ShowsHoursMinutesSecondsPast24Hours) {
    EXPECT_EQ(GameTimeText(0), "0:00:00");
    EXPECT_EQ(GameTimeText(59), "0:00:59");
    EXPECT_EQ(GameTimeText(3661), "1:01:01");
    EXPECT_EQ(GameTimeText(86399), "23:59:59");
    EXPECT_EQ(GameTimeText(90061), "25:01:01");
    EXPECT_EQ(GameTimeText(2147483647), "596523:14:07");
    EXPECT_EQ(GameTimeText(-5), "0:00:00");
}

TEST(GameListRows, NoFolderOrNoSavedGamesGiveAnEmptyList) {
    TempFolder user;
    EXPECT_TRUE(GameList(user.str()).empty());
    WriteBytes(user / "Games" / "notes.txt", GameText("Not a save", "x", 1));
    EXPECT_TRUE(GameList(user.str()).empty());
}

TEST(GameListRows, ShowNameCaptainTimeAndFileSortedByName) {
    TempFolder user;
    WriteBytes(user / "Games" / "20240101000000.sav", GameText("zebra run", "Ada", 3725));
    WriteBytes(user / "Games" / "20240102000000.sav", GameText("Alpha", "Bo", 0));
    WriteBytes(user / "Games" / "20240103000000.SAV", GameText("middle", "Cy", 90061));
    const auto rows = GameList(user.str());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].GameName, "Alpha");
    EXPECT_EQ(rows[1].GameName, "middle");
    EXPECT_EQ(rows[2].GameName, "zebra run");
    EXPECT_EQ(rows[2].CaptainName, "Ada");
    EXPECT_EQ(rows[2].Time, "1:02:05");
    EXPECT_EQ(rows[2].FileName, "20240101000000.sav");
    EXPECT_EQ(rows[1].Time, "25:01:01");
}

TEST(GameListRows, MissingKeysAndUnreadableFilesShowUnknown) {
    TempFolder user;
    WriteBytes(user / "Games" / "a.sav", "[General]\nGame seconds=12\n");
    std::filesystem::create_directories(user / "Games" / "folder.sav");
    const auto rows = GameList(user.str());
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        EXPECT_EQ(row.GameName, "Unknown");
        EXPECT_EQ(row.CaptainName, "Unknown");
    }
    // Same names sort by file name, so the order never changes between refreshes.
    EXPECT_EQ(rows[0].FileName, "a.sav");
    EXPECT_EQ(rows[0].Time, "0:00:12");
    EXPECT_EQ(rows[1].FileName, "folder.sav");
}

TEST(GameListRows, ASavedGameShowsUpWithItsName) {
    TempFolder user;
    const auto named = NewSaveFileName(GamesFolder(user.str()));
    ASSERT_TRUE(named);
    const std::string file = *named;
    ASSERT_TRUE(SaveGame(MakeScannedWorld(2), "Long voyage", GamesFolder(user.str()) / file));
    const auto rows = GameList(user.str());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].GameName, "Long voyage");
    EXPECT_EQ(rows[0].CaptainName, "Zoë Ærenfeld");
    EXPECT_EQ(rows[0].Time, "25:01:01");
    EXPECT_EQ(rows[0].FileName, file);
}

TEST(GameListRows, SavesOfOneSecondKeepDistinctFilesInSavingOrder) {
    TempFolder user;
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mday = 1;
    std::vector<std::string> files;
    for (const char* game : {"First", "Second", "Third"}) {
        const auto name = NewSaveFileName(GamesFolder(user.str()), t);
        ASSERT_TRUE(name) << name.error().message;
        ASSERT_TRUE(SaveGame(MakeNewWorld(1), game, GamesFolder(user.str()) / *name));
        files.push_back(*name);
    }
    EXPECT_EQ(files.front(), "20240101000000.sav");
    EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));
    const auto rows = GameList(user.str());
    ASSERT_EQ(rows.size(), 3u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].FileName, files[i]) << rows[i].GameName;
    ASSERT_TRUE(DeleteGame(user.str(), files[1]));
    EXPECT_EQ(GameList(user.str()).size(), 2u);
    // The freed name is the first free one again.
    EXPECT_EQ(NewSaveFileName(GamesFolder(user.str()), t).value(), files[1]);
}

TEST(DeleteGame, RemovesTheFileFromTheList) {
    TempFolder user;
    WriteBytes(user / "Games" / "a.sav", GameText("A", "x", 0));
    WriteBytes(user / "Games" / "b.sav", GameText("B", "x", 0));
    ASSERT_TRUE(DeleteGame(user.str(), "a.sav"));
    const auto rows = GameList(user.str());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].FileName, "b.sav");
}

TEST(DeleteGame, TakesItsBackupAlongAndKeepsTheGameWhenTheBackupCannotGo) {
    TempFolder user;
    for (const char* name : {"a.sav", "a.sav.bak", "c.sav", "c.sav.bak/inside"})
        WriteBytes(user / "Games" / name, "");
    ASSERT_TRUE(DeleteGame(user.str(), "a.sav"));
    EXPECT_FALSE(std::filesystem::exists(user / "Games" / "a.sav.bak"));
    EXPECT_FALSE(DeleteGame(user.str(), "c.sav"));
    EXPECT_TRUE(std::filesystem::exists(user / "Games" / "c.sav"));
}

TEST(DeleteGame, RefusesMissingFilesAndPathsOutsideTheGamesFolder) {
    TempFolder user;
    WriteBytes(user / "Veltrane.ini", "[Sounds]\n");
    WriteBytes(user / "Games" / "keep.sav", "");
    EXPECT_FALSE(DeleteGame(user.str(), "gone.sav"));
    EXPECT_FALSE(DeleteGame(user.str(), "../Veltrane.ini"));
    EXPECT_FALSE(DeleteGame(user.str(), (user / "Veltrane.ini").string()));
    EXPECT_FALSE(DeleteGame(user.str(), ""));
    EXPECT_FALSE(DeleteGame(user.str(), ".."));
    EXPECT_TRUE(std::filesystem::exists(user / "Veltrane.ini"));
    EXPECT_TRUE(std::filesystem::exists(user / "Games" / "keep.sav"));
}

} // namespace
} // namespace veltrane
