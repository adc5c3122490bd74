#pragma once

// The one game object behind every front end. It owns the session, the content
// tables, the language script, the game's random generator, the rules'
// context and the journal, and it holds every sequence of the game: a new
// game, loading, saving and the autosave, what follows the options dialog,
// the start-up step and the ticks. The window, the command-line player and
// the tests all drive it with the same commands, so they cannot disagree.

#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/Result.h"
#include "core/World.h"
#include "game/Command.h"
#include "game/Context.h"
#include "game/Headquarter.h"
#include "game/Hints.h"
#include "game/Journal.h"
#include "game/Session.h"
#include "lang/TextSource.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace veltrane {

// What a command came to, as the window and the tool show it.
struct TCommandReport {
    TOutcome Outcome;
    std::string InfoLine;              // the info line as the command left it
    std::vector<std::string> Messages; // one line per message window the command raised
    bool Deferred = false;             // sent while another command ran: it runs right after that one
};

// "ok: <info line>" or "refused: <reason>", then "message: <text>" per message window.
std::vector<std::string> ReportLines(const TCommandReport& report);

struct TGamePorts {
    IWindowPort& Window;
    IMessagePort& Messages;
    ISoundPort& Sound;
    ITimePort& Time;
};

struct TGameSetup {
    // Read-only content beside the program ("LScripts/"), with a trailing "/".
    std::string ProgramFolder;
    // The per-user folder (the "Games" folder, the autosave), with a trailing
    // "/"; empty: saving and loading are refused and nothing is autosaved.
    std::string UserFolder;
    // Where the journal is kept; empty: in memory only.
    std::string JournalFile;
    // The seed of each new game and load; empty: the clock.
    std::function<std::uint64_t()> NextSeed;
    // A language script by its full path; empty: the script file itself.
    std::function<std::shared_ptr<const ITextSource>(const std::string& path)> OpenScript;
    // Reads the content tables from the script; empty: content stays as it is
    // (tests on the built-in texts).
    std::function<Status(const ITextSource&, TGameState&, TContentTables&, TRandom&)> LoadContent;
    // Technical failures the player should see (a plain message box in the window).
    std::function<void(const std::string&)> ReportProblem;
    TLayout Layout{};
};

// How a journal's game began.
struct TJournalStart {
    std::uint64_t Seed = 0;
    std::string LoadedFile; // empty: a new game
    std::string Sha256;
};

class TGame {
  public:
    TGame(TGameOptions& options, TGamePorts ports, TGameSetup setup);
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    // The first new game of a run, its content read from the script.
    Status Start();
    // A journal's game: a new game of its seed, or the saved game at `path`
    // (which must be the file the journal names) loaded with its seed.
    Status StartFrom(const TJournalStart& start, const std::string& path = {});

    // A saved game outside the games folder as the game played from here on.
    Status StartFromFile(const std::string& path);

    // Runs a window command now, or, when another command is running (a
    // dialog or the scanner animation lets the window go on), right after it.
    TCommandReport Execute(const TCommand& command);
    // One second of the main timer.
    TCommandReport Tick() { return Execute(TCommand{TCommandKind::Tick, {}, {}, false}); }

    TSession& Session() { return session_; }
    const TSession& Session() const { return session_; }
    TGameState& World() { return session_.World; }
    const TGameState& World() const { return session_.World; }
    TContentTables& Tables() { return tables_; }
    TGameOptions& Options() { return options_; }
    TRandom& Rng() { return rng_; }
    TContext& Ctx() { return ctx_; }
    const ITextSource& Script() const { return current_; }
    const TJournal& Journal() const { return journal_; }
    TJournal& Journal() { return journal_; }
    const std::string& UserFolder() const { return setup_.UserFolder; }
    // The headquarter's greeting of the last "hq".
    const THeadquarterVisit& LastVisit() const { return lastVisit_; }
    // The game as a save writes it: during a passage, as it stood when the passage began.
    TGameState WorldForSaving() const;
    // Nothing of the ship's energy, money or cargo can bring it to another system.
    bool Stranded() const;
    // Autosaves the rules asked for so far (written only where there is a user folder).
    int Autosaves() const { return autosaves_; }

  private:
    // Relays the window's info line and the message windows into the report of the running command.
    class TWindowRelay : public IWindowPort {
      public:
        explicit TWindowRelay(IWindowPort& inner) : inner_(inner) {}
        void ShowInfoLine(const std::string& text, TColor colour) override;
        void RefreshStatus() override { inner_.RefreshStatus(); }
        void ShowPage(TView view) override { inner_.ShowPage(view); }
        void PageChanged(TView view) override { inner_.PageChanged(view); }
        void ShowFlightEnergy(int gaugeValue) override { inner_.ShowFlightEnergy(gaugeValue); }
        void ShowScanProgress(int value) override { inner_.ShowScanProgress(value); }
        void WorldReplaced(TWorldChange change) override { inner_.WorldReplaced(change); }
        void ContentLoaded() override { inner_.ContentLoaded(); }
        void ApplyWindowType() override { inner_.ApplyWindowType(); }
        void OptionsDue() override { inner_.OptionsDue(); }
        void ShowClock(int seconds) override { inner_.ShowClock(seconds); }
        std::string Info;
        TColor Colour = kWhite;
        int Writes = 0;

      private:
        IWindowPort& inner_;
    };
    class TMessageRelay : public IMessagePort {
      public:
        explicit TMessageRelay(IMessagePort& inner) : inner_(inner) {}
        bool ShowMessDlg(const std::string& text, const std::string& caption, TMessageKind kind) override;
        void ShowIncomingMessage(const std::string& format, int value) override;
        void ShowInfoMessage(const std::string& text) override;
        void ShowDirectionMessage(const std::string& text, std::optional<int> arrow) override;
        std::vector<std::string> Lines;

      private:
        IMessagePort& inner_;
    };
    class TScriptRelay : public ITextSource {
      public:
        std::optional<std::string> Lookup(std::string_view section, std::string_view key) const override {
            return script ? script->Lookup(section, key) : std::nullopt;
        }
        std::shared_ptr<const ITextSource> script;
    };

    TCommandReport Run(const TCommand& command);
    TOutcome Dispatch(const TCommand& command);
    TOutcome OnPage(const TCommand& command);
    TOutcome InCity(const TCommand& command);
    TOutcome WithFiles(const TCommand& command);

    std::uint64_t NextSeed();
    std::string ScriptPath() const;
    Status LoadContent(TGameState& world, TContentTables& tables, TRandom& rng);
    // The journal's first lines for a game that began as `start` says.
    void RestartJournal(const TJournalStart& start);

    Status NewGame(std::uint64_t seed);
    TOutcome Load(const std::string& name);
    Status LoadFile(const std::string& path, const std::string& label, std::uint64_t seed, bool announce);
    TOutcome Save(const std::string& name);
    TOutcome Delete(const std::string& name);
    void Autosave();
    void AfterOptions();
    void ShowTick(bool startupDue);
    void AnnounceStranded();
    // A first-time hint for the steps the command took, after what it wrote itself.
    void OfferHint(TCommandKind kind, const THintSnapshot& before, int writesBefore);
    void Report(const std::string& problem);

    TGameOptions& options_;
    TGamePorts ports_;
    TGameSetup setup_;
    TWindowRelay window_;
    TMessageRelay messages_;
    TScriptRelay current_;
    TSession session_;
    TContentTables tables_;
    TRandom rng_;
    TContext ctx_;
    TJournal journal_;
    THeadquarterVisit lastVisit_;
    std::deque<TCommand> pending_;
    bool running_ = false;
    // Ticks of the main timer in this run: the second one opens the options dialog.
    int runTicks_ = 0;
    bool strandedAnnounced_ = false;
    bool optionsDue_ = false;
    int autosaves_ = 0;
    // A new seed for each game when nobody hands seeds in.
    std::uint64_t seedCounter_ = 0;
};

} // namespace veltrane
