// The game without a window, driven by a command script or replayed from a
// journal: for tests, bug reports and balancing.

#include "Play.h"

#include "core/MediaPaths.h"
#include "game/CommandScript.h"
#include "game/Headless.h"
#include "game/Lifecycle.h"
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

std::optional<std::uint64_t> WholeNumber(std::string_view text) {
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

// How a journal's game began: "start seed N" or "start load FILE sha256 H seed N".
Result<TJournalStart> ParseStart(std::string_view line) {
    TJournalStart start;
    std::string_view rest = line.substr(std::string_view("start ").size());
    if (rest.starts_with("load ")) {
        const auto sha = rest.rfind(" sha256 ");
        if (sha == std::string_view::npos)
            return Error{"the journal's start line gives no SHA-256 of its saved game"};
        // The file name may be quoted like any name of a command.
        auto named = ParseCommand(std::string("load ") + std::string(rest.substr(5, sha - 5)));
        if (!named)
            return Error{"the journal's start line names no saved game"};
        start.LoadedFile = named->Name;
        std::istringstream tail{std::string(rest.substr(sha + 8))};
        tail >> start.Sha256;
        rest = rest.substr(std::min(rest.size(), sha + 8 + start.Sha256.size() + 1));
    }
    if (!rest.starts_with("seed "))
        return Error{"the journal's start line has no seed"};
    const auto seed = WholeNumber(rest.substr(5));
    if (!seed)
        return Error{"the journal's seed is not a whole number"};
    start.Seed = *seed;
    return start;
}

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
            else if (!(args.Seed = WholeNumber(value)))
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
    setup.LoadContent = [](const ITextSource& script, TGameState& world, TContentTables& tables, TRandom& rng) {
        return LoadContentTables(script, world, tables, rng);
    };
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
    std::string line;
    int number = 0;

    std::string gameName = "Played game";
    if (replay) {
        // The journal's header: its settings, then how its game began.
        std::optional<TJournalStart> start;
        while (!start && std::getline(commands, line)) {
            ++number;
            if (line.starts_with("start ")) {
                auto parsed = ParseStart(line);
                if (!parsed)
                    return Fail("line " + std::to_string(number) + ": " + parsed.error().message);
                start = *parsed;
                continue;
            }
            auto command = ParseCommandLine(line);
            if (!command)
                return Fail("line " + std::to_string(number) + ": " + command.error().message);
            if (!*command)
                continue;
            if ((*command)->Kind == TCommandKind::Language)
                game.Options().Language = (*command)->Name;
            else if ((*command)->Kind == TCommandKind::Events)
                game.Options().RandomEvents = static_cast<std::uint8_t>((*command)->Numbers.front());
            else
                return Fail("line " + std::to_string(number) + ": the journal has no start line before it");
        }
        if (!start)
            return Fail(args.Replay + " holds no start line: it is not a journal");
        if (!start->LoadedFile.empty() && args.In.empty())
            return Fail("the journal starts from the saved game " + start->LoadedFile + ": give it with --in");
        if (Status started = game.StartFrom(*start, args.In); !started)
            return Fail(started.error().message);
        if (!args.In.empty())
            if (auto header = ReadSavedGameHeader(args.In))
                gameName = header->GameName;
    } else {
        if (Status made = game.Start(); !made)
            return Fail(made.error().message);
        if (!args.In.empty()) {
            if (Status started = game.StartFromFile(args.In); !started)
                return Fail(started.error().message);
            if (auto header = ReadSavedGameHeader(args.In))
                gameName = header->GameName;
        }
    }

    TCommandScript player(game, replay ? TCommandScript::TMode::Journal : TCommandScript::TMode::Script);
    while (std::getline(commands, line)) {
        ++number;
        auto lines = player.Execute(line);
        if (!lines)
            return Fail("line " + std::to_string(number) + ": " + lines.error().message);
        for (const std::string& text : *lines)
            std::cout << text << "\n";
    }
    if (Status saved = SaveGame(game.WorldForSaving(), gameName, args.Out); !saved)
        return Fail(saved.error().message);
    return kOk;
}

} // namespace veltrane
