// The rules engine driven by a command script, without a window: for tests,
// bug reports and balancing.

#include "Play.h"

#include "core/Galaxy.h"
#include "core/MediaPaths.h"
#include "game/CityProfile.h"
#include "game/CommandScript.h"
#include "game/Headquarter.h"
#include "game/Lifecycle.h"
#include "game/UpgradeShop.h"
#include "game/Views.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"
#include "persist/GameList.h"
#include "persist/SavedGame.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

int Fail(const std::string& message) {
    std::cout << "error: " << message << "\n";
    return kRefused;
}

int PlayUsage(const char* problem) {
    std::cerr << "veltrane-tool: " << problem << "\n"
              << "usage: veltrane-tool play --seed N [--in GAME] [--home DIR] --out GAME [SCRIPT]\n"
              << "  commands, one a line (# starts a comment): " << TCommandScript::Help() << "\n";
    return kUsage;
}

// Brings a loaded game to where the window has it after the options dialog.
Status StartFrom(THeadlessGame& game, const std::string& path) {
    const CityProfiler profiler = [&](int lifeform, TCity& city) {
        return GenerateCityProfile(lifeform, city, game.Tables(), game.Rng());
    };
    auto loaded = LoadGame(path, game.World(), profiler, game.Rng());
    if (!loaded)
        return loaded.error();
    game.Session().World = std::move(*loaded);
    TGameState& world = game.World();
    RestoreArtefactPlaces(world, game.Rng());
    if (world.AlienModules[1].Sector < 0)
        if (Status placed = PlaceAlienModules(world, game.Rng()); !placed)
            return placed;
    if (world.Headquarter.Sector == 0)
        RelocateHeadquarter(world, game.Rng());
    ShowSectorMap(game.Ctx(), false);
    return Status::Ok();
}

} // namespace

int RunPlay(int argc, char** argv) {
    std::optional<std::uint64_t> seed;
    std::string in, out, scriptPath, home;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--seed" || arg == "--in" || arg == "--out" || arg == "--home") {
            if (i + 1 >= argc)
                return PlayUsage("an option needs a value");
            const std::string_view value = argv[++i];
            if (arg == "--in") {
                in = value;
            } else if (arg == "--home") {
                home = value;
            } else if (arg == "--out") {
                out = value;
            } else {
                std::uint64_t n = 0;
                const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
                if (ec != std::errc{} || end != value.data() + value.size())
                    return PlayUsage("--seed takes a whole number");
                seed = n;
            }
        } else if (scriptPath.empty() && !arg.starts_with("--")) {
            scriptPath = arg;
        } else {
            return PlayUsage("unknown argument");
        }
    }
    if (!seed || out.empty())
        return PlayUsage("play needs --seed N and --out GAME");

    auto language = std::make_shared<TScriptFile>(ProgramFolder() + "LScripts/English.lng");
    THeadlessGame game(*seed, language);
    if (Status made = game.NewGame(); !made)
        return Fail(made.error().message);
    if (Status content = LoadContentTables(*language, game.World(), game.Tables(), game.Rng()); !content)
        return Fail(content.error().message);
    SetUpgradeTexts(game.Session(), game.Tables().UpgradeTreeCaptions);
    std::string gameName = "Played game";
    if (!in.empty()) {
        if (Status started = StartFrom(game, in); !started)
            return Fail(started.error().message);
        if (auto header = ReadSavedGameHeader(in))
            gameName = header->GameName;
    }

    std::ifstream file;
    if (!scriptPath.empty()) {
        file.open(scriptPath);
        if (!file)
            return Fail("cannot read the command script " + scriptPath);
    }
    std::istream& commands = scriptPath.empty() ? std::cin : file;
    TCommandScript player(game, home.empty() ? std::string() : UserFolderFromDocuments(home));
    std::string line;
    int number = 0;
    while (std::getline(commands, line)) {
        ++number;
        auto lines = player.Execute(line);
        if (!lines)
            return Fail("line " + std::to_string(number) + ": " + lines.error().message);
        for (const std::string& text : *lines)
            std::cout << text << "\n";
    }
    if (Status saved = SaveGame(game.World(), gameName, out); !saved)
        return Fail(saved.error().message);
    return kOk;
}

} // namespace veltrane
