// Saving and loading a game far into play, and libinih's bare parse of the
// same file as the yardstick for our reader.

#include "persist/MegaIni.h"
#include "persist/SavedGame.h"

#include "../tests/persist/ScannedGalaxy.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include <ini.h>

namespace veltrane {
namespace {

const TGameState& ScannedWorld() {
    static const TGameState world = test::MakeScannedWorld(2024);
    return world;
}

// One scratch folder for the whole run, holding one saved scanned game.
const std::filesystem::path& BenchFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "veltrane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        std::filesystem::path path(pattern);
        if (!SaveGame(ScannedWorld(), "Benchmark", path / "scanned.sav"))
            std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(BenchFolder(), ec);
        });
        return path;
    }();
    return folder;
}

const CityProfiler kNoProfile = [](int, TCity&) { return Status::Ok(); };

// target: BM_SaveScannedGame <= 10 ms: Ctrl+S and the autosave at every tunnel end go unnoticed
void BM_SaveScannedGame(benchmark::State& state) {
    const auto path = BenchFolder() / "save-target.sav";
    for (auto _ : state) {
        const Status saved = SaveGame(ScannedWorld(), "Benchmark", path);
        if (!saved)
            state.SkipWithError(saved.error().message.c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_SaveScannedGame)->Unit(benchmark::kMillisecond);

// The same without the disk: building the sections and the text.
void BM_SerializeScannedGame(benchmark::State& state) {
    for (auto _ : state) {
        std::string text = WriteGameIni(ScannedWorld(), "Benchmark").Serialize();
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_SerializeScannedGame)->Unit(benchmark::kMillisecond);

// target: BM_LoadScannedGame <= 10 ms: loading a game far into play goes unnoticed
void BM_LoadScannedGame(benchmark::State& state) {
    const auto path = BenchFolder() / "scanned.sav";
    const TGameState current;
    TRandom rng(1);
    for (auto _ : state) {
        auto loaded = LoadGame(path, current, kNoProfile, rng);
        if (!loaded)
            state.SkipWithError(loaded.error().message.c_str());
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadScannedGame)->Unit(benchmark::kMillisecond);

// Reading the file into sections and keys only, without building a world.
void BM_ParseScannedGame(benchmark::State& state) {
    const auto path = BenchFolder() / "scanned.sav";
    for (auto _ : state) {
        auto ini = TMegaIni::Load(path);
        benchmark::DoNotOptimize(ini);
    }
}
BENCHMARK(BM_ParseScannedGame)->Unit(benchmark::kMillisecond);

int CountEntry(void* user, const char*, const char*, const char*) {
    ++*static_cast<long*>(user);
    return 1;
}

void BM_InihParseScannedGame(benchmark::State& state) {
    const std::string path = (BenchFolder() / "scanned.sav").string();
    for (auto _ : state) {
        long entries = 0;
        if (ini_parse(path.c_str(), CountEntry, &entries) != 0)
            state.SkipWithError("libinih could not parse the saved game");
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_InihParseScannedGame)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace veltrane
