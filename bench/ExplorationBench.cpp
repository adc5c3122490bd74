// Exploration as the player feels it: one star-field frame, each player action
// through the real window, the window idling on the map, and flights run
// headlessly on the manual clock.

#include "core/MediaPaths.h"
#include "core/Random.h"
#include "game/Course.h"
#include "game/Flight.h"
#include "game/Headless.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Views.h"
#include "ui/FormMain.h"
#include "ui/GameServices.h"
#include "ui/StarFlightView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <ctime>
#include <filesystem>

namespace {

using namespace veltrane;

// target: BM_StepStarfield699 <= 16.7 ms: a 60 Hz frame, well inside the 20 ms star-flight tick
void BM_StepStarfield699(benchmark::State& state) {
    // The densest field a flight can draw.
    TStarfield field;
    for (std::uint64_t seed = 1;; ++seed) {
        TRandom rng(seed);
        field.Init(817, 450, rng);
        if (field.Stars().size() == 699)
            break;
    }
    TRandom rng(7);
    for (auto _ : state) {
        field.Step(rng);
        benchmark::DoNotOptimize(field.Canvas().constBits());
    }
}
BENCHMARK(BM_StepStarfield699)->Unit(benchmark::kMillisecond);

class QuietSound : public ISoundPort {
  public:
    void PlaySoundEffect(const std::string&) override {}
    void PlayButtonSound() override {}
    void UpdateBackgroundMusic() override {}
};

// The real window on the shipped pictures, time on a manual clock.
struct Window {
    explicit Window(ITimePort* time) {
        options.WindowType = 1;
        options.RandomEvents = 100;
        TFormMainServices services = DefaultFormMainServices([] {});
        services.ReportProblem = [](const std::string&) {};
        services.MakeMessagePort = [](FormMain&) { return std::make_unique<THeadlessMessages>(); };
        services.Time = time;
        services.RunOptionsDialog = nullptr; // the start-up step finds nobody to ask
        services.CosmeticSeed = 3;
        services.Seed = 99;
        form = std::make_unique<FormMain>(options, sound, std::move(services));
        form->show();
        QApplication::processEvents();
    }
    TGameOptions options;
    QuietSound sound;
    std::unique_ptr<FormMain> form;
};

bool HavePictures(benchmark::State& state) {
    const std::string folder = VELTRANE_PROGRAM_DIR "/";
    if (!std::filesystem::exists(folder + "Planets/planet24.jpg")) {
        state.SkipWithError("pictures not built into the program folder");
        return false;
    }
    SetProgramFolder(folder);
    return true;
}

enum Action { kSelect, kStartFlight, kArrive, kScan, kLand, kLeave };

// target: BM_PlayerAction <= 16.7 ms: one 60 Hz frame
// One player action and the repaint it causes, as one 60 Hz frame must hold it.
void BM_PlayerAction(benchmark::State& state) {
    if (!HavePictures(state))
        return;
    TManualClock clock;
    Window w(&clock);
    FormMain& form = *w.form;
    TContext& ctx = form.Game().Ctx();
    TGameState& world = form.World();
    const int home = world.CurrentSystem;
    int away = 0;
    for (int k = 1; k <= kSystemsPerSector && away == 0; ++k)
        if (k != home && SystemDistance(world, k) >= 30 && FlightCost(SystemDistance(world, k), 1) <= 40)
            away = k;
    auto arrive = [&] {
        while (form.Session().InFlight())
            form.timMainTimer();
    };
    ShowSystemView(ctx);
    ScanSystem(ctx);
    int land = 0;
    while (world.Here().Planets[static_cast<std::size_t>(land)].Surface == kGasSurface)
        ++land;
    for (auto _ : state) {
        state.PauseTiming();
        world.Captain.Energy = 100;
        const int target = world.CurrentSystem == home ? away : home;
        switch (state.range(0)) {
        case kSelect:
        case kStartFlight:
            ShowSectorMap(ctx, false);
            break;
        case kArrive:
            ShowSectorMap(ctx, false);
            FlyToMarker(ctx, target);
            for (int t = 1; t < FlightSeconds(ctx.Session.FlightDistance); ++t)
                form.timMainTimer();
            break;
        case kScan:
        case kLand:
            world.CurrentSystem = home;
            ShowSystemView(ctx);
            break;
        case kLeave:
            world.CurrentSystem = home;
            ShowSystemView(ctx);
            LandOnPlanet(ctx, land);
            break;
        }
        form.repaint();
        state.ResumeTiming();
        switch (state.range(0)) {
        case kSelect:
            SelectSystem(ctx, target);
            break;
        case kStartFlight:
            FlyToMarker(ctx, target);
            break;
        case kArrive:
            form.timMainTimer();
            break;
        case kScan:
            ScanSystem(ctx);
            break;
        case kLand:
            LandOnPlanet(ctx, land);
            break;
        case kLeave:
            LeaveSurface(ctx);
            break;
        }
        form.repaint();
        state.PauseTiming();
        arrive();
        state.ResumeTiming();
    }
    SetProgramFolder("");
}
BENCHMARK(BM_PlayerAction)
    ->ArgName("select_fly_arrive_scan_land_leave")
    ->DenseRange(kSelect, kLeave)
    ->Unit(benchmark::kMillisecond);

// target: BM_IdleOnTheMapTenSeconds cpu_percent <= 2 %: a blinking marker and a clock
// The window left alone on the sector map with its real timers: the share of
// one core it takes, in percent.
void BM_IdleOnTheMapTenSeconds(benchmark::State& state) {
    if (!HavePictures(state))
        return;
    Window w(nullptr);
    veltrane::ShowSectorMap(w.form->Game().Ctx(), false);
    double percent = 0;
    for (auto _ : state) {
        timespec cpu0{}, cpu1{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
        QElapsedTimer wall;
        wall.start();
        QEventLoop idle;
        QTimer::singleShot(10000, &idle, &QEventLoop::quit);
        idle.exec();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
        const double used = double(cpu1.tv_sec - cpu0.tv_sec) + double(cpu1.tv_nsec - cpu0.tv_nsec) / 1e9;
        percent = 100.0 * used / (double(wall.elapsed()) / 1000.0);
    }
    state.counters["cpu_percent"] = percent;
    SetProgramFolder("");
}
BENCHMARK(BM_IdleOnTheMapTenSeconds)->Iterations(1)->Unit(benchmark::kSecond);

// target: BM_HundredFlightsHeadless <= 10 ms: the bot and the command scripts fly thousands
// A hundred flights with their arrivals, no window.
void BM_HundredFlightsHeadless(benchmark::State& state) {
    THeadlessGame game(5, nullptr);
    game.NewGame();
    game.Options().RandomEvents = 100;
    TGameState& world = game.World();
    const int home = world.CurrentSystem;
    int away = home == 1 ? 2 : 1;
    const int start = world.GameSeconds;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            world.Captain.Energy = 100;
            world.System(world.CurrentSector, away).PosX = world.Here().PosX + 100;
            world.System(world.CurrentSector, away).PosY = world.Here().PosY;
            FlyToMarker(game.Ctx(), away);
            game.FinishPassage();
            away = world.CurrentSystem == home ? (home == 1 ? 2 : 1) : home;
        }
    }
    // Each flight of 50 light years lasts 7 seconds of game time.
    state.counters["game_seconds_per_run"] = double(world.GameSeconds - start) / double(state.iterations());
}
BENCHMARK(BM_HundredFlightsHeadless)->Unit(benchmark::kMillisecond);

} // namespace
