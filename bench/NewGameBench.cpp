#include "core/Galaxy.h"

#include <benchmark/benchmark.h>

namespace veltrane {
namespace {

// target: BM_NewGame <= 10 ms: "New game" answers at once
// A whole new game: new-game values and a galaxy of 600 systems on the real map.
void BM_NewGame(benchmark::State& state) {
    TRandom rng(1);
    TGameState world;
    for (auto _ : state) {
        const Status status = NewGameWorld(world, rng);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(world.CurrentSystem);
    }
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace veltrane
