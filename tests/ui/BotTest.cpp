// A bot plays whole seeded games through the real window, from the start-up
// dialog to the headquarter's question after the fourth artefact, with
// nothing but a player's clicks; it only reads the world to choose its way.
// The window's journal of the won game then replays without a window to the
// same saved game, byte for byte.

#include "BotSeeds.h"
#include "BotWindow.h"
#include "PlayerBot.h"

#include "game/Replay.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"
#include "persist/SavedGame.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <set>
#include <sstream>

namespace veltrane::test {
namespace {

class BotGame : public ::testing::TestWithParam<std::uint64_t> {};

std::string SavedBytes(const TGame& game) {
    return WriteGameIni(game.WorldForSaving(), "Won").Serialize();
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string left, right;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(a, left));
        const bool moreRight = static_cast<bool>(std::getline(b, right));
        if (!moreLeft && !moreRight)
            return "no line differs";
        if (left != right || moreLeft != moreRight)
            return "line " + std::to_string(line) + ": window \"" + left + "\", replay \"" + right + "\"";
    }
}

// The journal played again on the shipped script, without a window.
std::string Replayed(const std::string& journal) {
    TGameSetup setup;
    setup.ProgramFolder = VELTRANE_PROGRAM_DIR "/";
    setup.OpenScript = [](const std::string& path) -> std::shared_ptr<const ITextSource> {
        return std::make_shared<TScriptFile>(path);
    };
    setup.LoadContent = [](const ITextSource& script, TGameState& world, TContentTables& tables, TRandom& rng) {
        return LoadContentTables(script, world, tables, rng);
    };
    THeadlessGame headless(0, nullptr, std::move(setup));
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
    // Not EXPECT_EQ: gtest's diff of two whole saved games would take gigabytes.
    const std::string replayed = Replayed(journal);
    EXPECT_TRUE(replayed == won) << FirstDifference(won, replayed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BotGame, ::testing::ValuesIn(kBotSeeds));

} // namespace
} // namespace veltrane::test
