// A bot plays whole seeded games through the real window, from the start-up
// dialog to the headquarter's question after the fourth artefact, with
// nothing but a player's clicks; it only reads the world to choose its way.
// The window's journal of the won game then replays without a window to the
// same saved game, byte for byte.

#include "BotSeeds.h"
#include "BotWindow.h"
#include "PlayerBot.h"

#include "SavedBytes.h"
#include "game/Replay.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <set>
#include <sstream>

namespace veltrane::test {
namespace {

class BotGame : public ::testing::TestWithParam<std::uint64_t> {};

// The journal played again on the shipped script, without a window.
std::string Replayed(const std::string& journal) {
    THeadlessGame headless(0, nullptr, ShippedGameSetup());
    std::istringstream in(journal);
    if (Status replayed = ReplayJournal(headless.Game(), in, {}); !replayed)
        return "replay failed: " + replayed.error().message;
    return SavedBytes(headless.Game());
}

TEST_P(BotGame, WinsThroughTheWindow) {
    if (!BotWindow::ShippedContentPresent())
        GTEST_FAIL() << "the pictures and scripts are not built into " VELTRANE_PROGRAM_DIR;
    QTemporaryDir home;
    BotWindow game(GetParam(), home.path().toStdString() + "/");
    PlayerBot bot(*game.window, game.clock, game.dialogs);
    std::string journal, won;
    game.dialogs.BeforeNewGame = [&] {
        journal = game.window->Game().Journal().Text();
        won = SavedBytes(game.window->Game());
    };

    ASSERT_TRUE(bot.PlayToWin(3000)) << bot.Log();
    EXPECT_GE(bot.SectorChanges(), 3) << "every sector holds one ordered artefact";
    EXPECT_EQ(bot.InstalledClasses(), (std::set<int>{1, 2, 3, 5})) << "scanner, cell, storage and hyperdrive";
    EXPECT_TRUE(game.window->World().HQArtefacts[1].Name.empty())
        << "the new game starts with an empty order";
    EXPECT_EQ(game.window->CurrentView(), TView::Sector1);
    EXPECT_EQ(game.problems, std::vector<std::string>{});
    for (const std::string& said : game.dialogs.Said)
        EXPECT_EQ(said.find("closed an unknown dialog"), std::string::npos) << said;

    ASSERT_FALSE(won.empty());
    EXPECT_NE(journal.find("\nhq\n"), std::string::npos) << "the journal ends with the visit";
    const std::string replayed = Replayed(journal);
    EXPECT_TRUE(replayed == won) << FirstDifference(won, replayed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BotGame, ::testing::ValuesIn(kBotSeeds));

} // namespace
} // namespace veltrane::test
