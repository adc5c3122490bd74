// The game without a window, driven by a command script or replayed from a
// journal: for tests, bug reports and balancing.

#include "Play.h"

#include "core/MediaPaths.h"
#include "game/CommandScript.h"
#include "game/Headless.h"
#include "game/Lifecycle.h"
#include "game/Replay.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"
#include "persist/GameList.h"
#include "persist/SavedGame.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace veltrane {

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

int Fail(const std::string& message) {
    std::cerr << "error: " << message << "\n";
    return kRefused;
}

int PlayUsage(const char* problem) {
    std::cerr << "veltrane-tool: " << problem << "\n"
              << "usage: veltrane-tool play --seed N [--in GAME] [--home DIR] [--journal FILE] [--hints] "
                 "--out GAME [SCRIPT]\n"
              << "       veltrane-tool play --replay JOURNAL [--in GAME] [--home DIR] [--journal FILE] "
                 "[--hints] --out GAME\n"
              << "  --hints: the first-time hints a new player sees in the info line, each once\n"
              << "  commands, one a line (# starts a comment): " << CommandHelp() << "\n";
    return kUsage;
}

struct TPlayArgs {
    std::optional<std::uint64_t> Seed;
    std::string In, Out, Script, Home, Journal, Replay;
    bool Hints = false;
};

} // namespace

int RunPlay(int argc, char** argv) {
    TPlayArgs args;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--seed" || arg == "--in" || arg == "--out" || arg == "--home" || arg == "--journal" ||
            arg == "--replay") {
            if (i + 1 >= argc)
                return PlayUsage("an option needs a value");
            const std::string value = argv[++i];
            if (arg == "--in")
                args.In = value;
            else if (arg == "--home")
                args.Home = value;
            else if (arg == "--out")
                args.Out = value;
            else if (arg == "--journal")
                args.Journal = value;
            else if (arg == "--replay")
                args.Replay = value;
            else if (!(args.Seed = ParseWholeNumber(value)))
                return PlayUsage("--seed takes a whole number");
        } else if (arg == "--hints") {
            args.Hints = true;
        } else if (args.Script.empty() && !arg.starts_with("--")) {
            args.Script = arg;
        } else {
            return PlayUsage("unknown argument");
        }
    }
    const bool replay = !args.Replay.empty();
    if (args.Out.empty() || (replay ? (args.Seed.has_value() || !args.Script.empty()) : !args.Seed))
        return PlayUsage("play needs --seed N or --replay JOURNAL, and --out GAME");

    TGameSetup setup;
    setup.ProgramFolder = ProgramFolder();
    setup.UserFolder = args.Home.empty() ? std::string() : UserFolderFromDocuments(args.Home);
    setup.JournalFile = args.Journal;
    setup.OpenScript = [](const std::string& path) -> std::shared_ptr<const ITextSource> {
        return std::make_shared<TScriptFile>(path);
    };
    setup.LoadContent = [](const ITextSource& script, TGameState& world, TContentTables& tables,
                           TRandom& rng) { return LoadContentTables(script, world, tables, rng); };
    setup.ReportProblem = [](const std::string& problem) { std::cerr << "problem: " << problem << "\n"; };
    THeadlessGame headless(args.Seed.value_or(0), nullptr, std::move(setup));
    TGame& game = headless.Game();
    // Hints are a newcomer's view of the game: a replay shows them only when asked, as for a player
    // who has seen none yet. They never change the game played.
    game.Options().Hints = args.Hints;

    std::ifstream file;
    const std::string commandsPath = replay ? args.Replay : args.Script;
    if (!commandsPath.empty()) {
        file.open(commandsPath, std::ios::binary);
        if (!file)
            return Fail("cannot read " + commandsPath);
    }
    std::istream& commands = commandsPath.empty() ? std::cin : file;
    std::string gameName = "Played game";
    if (!args.In.empty())
        if (auto header = ReadSavedGameHeader(args.In))
            gameName = header->GameName;
    const auto print = [](const std::string& text) { std::cout << text << "\n"; };
    if (replay) {
        if (Status replayed = ReplayJournal(game, commands, args.In, print); !replayed)
            return Fail(args.Replay + ": " + replayed.error().message);
    } else {
        if (Status made = game.Start(); !made)
            return Fail(made.error().message);
        if (!args.In.empty())
            if (Status started = game.StartFromFile(args.In); !started)
                return Fail(started.error().message);
        TCommandScript player(game);
        std::string line;
        for (int number = 1; std::getline(commands, line); ++number) {
            auto lines = player.Execute(line);
            if (!lines)
                return Fail("line " + std::to_string(number) + ": " + lines.error().message);
            for (const std::string& text : *lines)
                print(text);
        }
    }
    if (Status saved = SaveGame(game.WorldForSaving(), gameName, args.Out); !saved)
        return Fail(saved.error().message);
    return kOk;
}

} // namespace veltrane
