// A whole game as the bot plays it through the real window, on the manual
// clock: from the start-up dialog to the headquarter's question after the
// fourth artefact. Each repetition plays the next seed the bot wins in the
// tests, so the median is the wall time of one typical game.

#include "BotSeeds.h"
#include "BotWindow.h"
#include "PlayerBot.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdint>

namespace {

using namespace veltrane::test;

// target: BM_BotWholeGame <= 10000 ms: a whole won game, tunnels and all, in seconds on the manual clock
void BM_BotWholeGame(benchmark::State& state) {
    if (!BotWindow::ShippedContentPresent()) {
        state.SkipWithError("pictures and scripts not built into the program folder");
        return;
    }
    static std::size_t next = 0;
    const std::uint64_t seed = kBotSeeds[next++ % kBotSeeds.size()];
    int flights = 0;
    bool won = false;
    for (auto _ : state) {
        QTemporaryDir home;
        BotWindow game(seed, home.path().toStdString() + "/");
        PlayerBot bot(*game.window, game.clock, game.dialogs);
        won = bot.PlayToWin(3000);
        flights = bot.Flights();
    }
    state.counters["seed"] = static_cast<double>(seed);
    state.counters["flights"] = flights;
    state.counters["won"] = won ? 1 : 0;
}
BENCHMARK(BM_BotWholeGame)->Iterations(1)->Repetitions(5)->Unit(benchmark::kSecond);

} // namespace
