// The command layer: one window command run by the game and written to its
// journal on disk, and a whole game the bot won replayed from its journal
// without a window.

#include "BotSeeds.h"
#include "BotWindow.h"
#include "PlayerBot.h"
#include "SavedBytes.h"

#include "game/Headless.h"
#include "game/Replay.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <sstream>
#include <string>

namespace {

using namespace veltrane;
using namespace veltrane::test;

// target: BM_CommandWithJournal <= 0.05 ms: the command layer adds nothing a player could feel
// A selection on the map alternating between two systems, each flushed to the journal file.
void BM_CommandWithJournal(benchmark::State& state) {
    QTemporaryDir home;
    TGameSetup setup;
    setup.JournalFile = home.path().toStdString() + "/journal.txt";
    THeadlessGame game(77, nullptr, std::move(setup));
    if (!game.NewGame()) {
        state.SkipWithError("no new game");
        return;
    }
    const TCommand commands[] = {MakeCommand(TCommandKind::Select, {12}),
                                 MakeCommand(TCommandKind::Select, {97})};
    std::size_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(game.Execute(commands[n++ % 2]).Outcome.Done);
    state.counters["journal_bytes"] = static_cast<double>(game.Game().Journal().Text().size());
}
BENCHMARK(BM_CommandWithJournal)->Unit(benchmark::kMicrosecond)->Iterations(100000); // 1 MB of journal

// The journal of the bot's game on the first of its seeds, played once through the window.
const std::string& BotJournal() {
    static const std::string journal = [] {
        QTemporaryDir home;
        BotWindow window(kBotSeeds[0], home.path().toStdString() + "/");
        PlayerBot bot(*window.window, window.clock, window.dialogs);
        std::string text;
        window.dialogs.BeforeNewGame = [&] { text = window.window->Game().Journal().Text(); };
        bot.PlayToWin(3000);
        return text;
    }();
    return journal;
}

// target: BM_ReplayBotGame <= 1000 ms: a bug report's whole game plays again at once
void BM_ReplayBotGame(benchmark::State& state) {
    if (!BotWindow::ShippedContentPresent()) {
        state.SkipWithError("pictures and scripts not built into the program folder");
        return;
    }
    const std::string& journal = BotJournal();
    if (journal.empty()) {
        state.SkipWithError("the bot did not win");
        return;
    }
    for (auto _ : state) {
        THeadlessGame game(0, nullptr, ShippedGameSetup());
        std::istringstream in(journal);
        if (!ReplayJournal(game.Game(), in, {})) {
            state.SkipWithError("the journal did not replay");
            break;
        }
        benchmark::DoNotOptimize(game.World().GameSeconds);
    }
    state.counters["lines"] = static_cast<double>(std::count(journal.begin(), journal.end(), '\n'));
}
BENCHMARK(BM_ReplayBotGame)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace
