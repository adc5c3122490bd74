#pragma once

// The engine without a window: ports that record what the rules asked for, a
// manual clock that returns from every wait at once, and one bundle that
// plays a seeded game. The command-line player, the tests and the bots all
// use these.

#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/Result.h"
#include "game/Context.h"
#include "game/Flight.h"
#include "game/Game.h"
#include "lang/TextSource.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace veltrane {

class THeadlessWindow : public IWindowPort {
  public:
    void ShowInfoLine(const std::string& text, TColor colour) override;
    void RefreshStatus() override { ++Refreshes; }
    void ShowPage(TView view) override { Page = view; }
    void PageChanged(TView view) override { Changed.push_back(view); }
    void ShowFlightEnergy(int gaugeValue) override { FlightEnergy = gaugeValue; }
    void ShowScanProgress(int value) override { ScanProgress.push_back(value); }
    void OptionsDue() override { ++OptionsAsked; }

    std::string InfoText;
    TColor InfoColour = kWhite;
    TView Page = TView::Sector1;
    int Refreshes = 0;
    int FlightEnergy = 0;
    int OptionsAsked = 0;
    std::vector<TView> Changed;
    std::vector<int> ScanProgress;
};

// Every message as one line of text; questions get `Answer`.
class THeadlessMessages : public IMessagePort {
  public:
    bool ShowMessDlg(const std::string& text, const std::string& caption, TMessageKind kind) override;
    void ShowIncomingMessage(const std::string& format, int value) override;
    void ShowInfoMessage(const std::string& text) override { Shown.push_back(text); }
    void ShowDirectionMessage(const std::string& text, std::optional<int> arrow) override;

    std::vector<std::string> Shown;
    std::vector<std::optional<int>> Arrows;
    bool Answer = true;
};

class THeadlessSound : public ISoundPort {
  public:
    void PlaySoundEffect(const std::string& fileName) override { Played.push_back(fileName); }
    void PlayButtonSound() override { Played.push_back("button.wav"); }
    void UpdateBackgroundMusic() override { ++MusicUpdates; }

    std::vector<std::string> Played;
    int MusicUpdates = 0;
};

// Timers are switches; waits return at once and only count the time asked for.
class TManualClock : public ITimePort {
  public:
    void StartTimer(TTimer timer) override { Running(timer) = true; }
    void StopTimer(TTimer timer) override { Running(timer) = false; }
    bool TimerRunning(TTimer timer) const override { return running_[static_cast<std::size_t>(timer)]; }
    void LiveWait(int milliseconds) override { Waited += milliseconds; }
    void BlockingWait(int milliseconds) override { Waited += milliseconds; }

    long long Waited = 0;

  private:
    bool& Running(TTimer timer) { return running_[static_cast<std::size_t>(timer)]; }
    std::array<bool, 3> running_{true, false, false};
};

// Seeds for the games of a run: the first one given, then the ones after it.
std::function<std::uint64_t()> SeedSequence(std::uint64_t first);

// A whole game on the headless ports: a seeded generator, the content of a
// language script (the built-in texts when there is none) and a new galaxy.
class THeadlessGame {
  public:
    // `script` may be null: every text is then the built-in one. `setup` may
    // add a user folder, a journal file and the content loader.
    THeadlessGame(std::uint64_t seed, std::shared_ptr<const ITextSource> script, TGameSetup setup = {});

    // A new game as the window starts one, the current system selected and the
    // start-up step done.
    Status NewGame();

    TGame& Game() { return game_; }
    TContext& Ctx() { return game_.Ctx(); }
    TSession& Session() { return game_.Session(); }
    TGameState& World() { return game_.World(); }
    TContentTables& Tables() { return game_.Tables(); }
    TGameOptions& Options() { return options_; }
    TRandom& Rng() { return game_.Rng(); }
    int Autosaves() const { return game_.Autosaves(); }

    // One second of the main timer.
    TCommandReport Tick() { return game_.Tick(); }
    // A window command.
    TCommandReport Execute(const TCommand& command) { return game_.Execute(command); }
    // Ticks until the passage under way is over; false when it never ends.
    bool FinishPassage(int maxTicks = 10000);

    THeadlessWindow Window;
    THeadlessMessages Messages;
    THeadlessSound Sound;
    TManualClock Clock;

  private:
    static TGameSetup Complete(TGameSetup setup, std::uint64_t seed,
                               const std::shared_ptr<const ITextSource>& script);

    std::shared_ptr<const ITextSource> script_;
    TGameOptions options_;
    TGame game_;
};

} // namespace veltrane
