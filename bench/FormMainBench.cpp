// Bringing up the main window as the game does: a new game with its galaxy,
// the picture lists and design pictures from the program folder, the content
// tables of the English script, shown offscreen.

#include "core/MediaPaths.h"
#include "core/Random.h"
#include "game/Ports.h"
#include "ui/FormMain.h"
#include "ui/GameServices.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>

namespace {

using namespace veltrane;

class QuietSound : public ISoundPort {
  public:
    void PlaySoundEffect(const std::string&) override {}
    void PlayButtonSound() override {}
    void UpdateBackgroundMusic() override {}
};

class NoDialogs : public IMessagePort {
  public:
    bool ShowMessDlg(const std::string&, const std::string&, TMessageKind) override { return true; }
    void ShowIncomingMessage(const std::string&, int) override {}
    void ShowInfoMessage(const std::string&) override {}
    void ShowDirectionMessage(const std::string&, std::optional<int>) override {}
};

// target: BM_FormMainShowNewGame <= 100 ms: a window that comes up at once
void BM_FormMainShowNewGame(benchmark::State& state) {
    const std::string folder = VELTRANE_PROGRAM_DIR "/";
    if (!std::filesystem::exists(folder + "Planets/planet24.jpg")) {
        state.SkipWithError("pictures not built into the program folder");
        return;
    }
    SetProgramFolder(folder);
    int problems = 0;
    for (auto _ : state) {
        TGameOptions options;
        options.WindowType = 1;
        QuietSound sound;
        TFormMainServices services = DefaultFormMainServices([] {});
        services.ReportProblem = [&problems](const std::string&) { ++problems; };
        services.MakeMessagePort = [](FormMain&) { return std::make_unique<NoDialogs>(); };
        services.Seed = 1234;
        FormMain window(options, sound, std::move(services));
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.World().Artefacts[1].Name);
    }
    if (problems > 0)
        state.SkipWithError("the window reported missing pictures or script faults");
    SetProgramFolder("");
}
BENCHMARK(BM_FormMainShowNewGame)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
