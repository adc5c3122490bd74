// veltrane-tool: saved games and language scripts from the command line.
//
// Exit codes: 0 done, 1 input refused (one "error:" line), 2 usage.

#include "Lint.h"
#include "Play.h"

#include "core/Galaxy.h"
#include "core/MediaPaths.h"
#include "core/Random.h"
#include "game/CityProfile.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"
#include "persist/FileIo.h"
#include "persist/GameList.h"
#include "persist/QuotedText.h"
#include "persist/SavedGame.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

using namespace veltrane;

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageText =
    "usage: veltrane-tool <command> ...\n"
    "  new --out FILE [--seed N] [--name NAME]   write a new game\n"
    "  info FILE                                 summarise a saved game\n"
    "  resave IN OUT                             load a saved game and save it again\n"
    "  text SCRIPT SECTION KEY [DEFAULT]         look up a text in a language script\n"
    "  lint ...                                  check language scripts\n"
    "  play --seed N [--in GAME] [--home DIR] [--journal FILE] --out GAME [SCRIPT]\n"
    "  play --replay JOURNAL [--in GAME] [--home DIR] [--journal FILE] --out GAME\n"
    "                                            play commands without a window\n";

int Usage(const char* problem = nullptr) {
    if (problem != nullptr)
        std::cerr << "veltrane-tool: " << problem << "\n";
    std::cerr << kUsageText;
    return kUsage;
}

int Refuse(const std::string& message) {
    std::cerr << "error: " << message << "\n";
    return kRefused;
}

struct LoadedGame {
    TGameState world;
    std::string name;
};

// Loads the way the game does: artefact texts and city profiles come from the
// shipped English script beside the tool (built-in texts when it is missing).
std::optional<LoadedGame> Load(const std::string& path, TRandom& rng, int& exitCode) {
    TGameState blank;
    TContentTables tables;
    const TScriptFile script(ProgramFolder() + "LScripts/English.lng");
    if (const Status content = LoadContentTables(script, blank, tables, rng); !content.ok()) {
        // A broken template is the script's fault, never the saved game's.
        exitCode = Refuse("the script " + QuotedText(script.Path()) + ": " + content.error().message);
        return std::nullopt;
    }
    const CityProfiler profiler = [&](int lifeform, TCity& city) -> Status {
        if (Status rolled = GenerateCityProfile(lifeform, city, tables, rng); !rolled)
            return Error{QuotedText(script.Path(), kMaxTextFileBytes) + " " + rolled.error().message};
        return Status::Ok();
    };
    auto world = LoadGame(path, blank, profiler, rng);
    if (!world) {
        exitCode = Refuse(world.error().message);
        return std::nullopt;
    }
    auto header = ReadSavedGameHeader(path);
    if (!header) {
        exitCode = Refuse(header.error().message);
        return std::nullopt;
    }
    return LoadedGame{std::move(*world), header->GameName};
}

int RunNew(int argc, char** argv) {
    std::string out;
    std::string name = "New game";
    std::optional<std::uint64_t> seed;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (i + 1 >= argc)
            return Usage("new: an option needs a value");
        const std::string_view value = argv[++i];
        if (arg == "--out") {
            out = value;
        } else if (arg == "--name") {
            name = value;
        } else if (arg == "--seed") {
            std::uint64_t n = 0;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (ec != std::errc{} || end != value.data() + value.size())
                return Usage("new: --seed takes a whole number");
            seed = n;
        } else {
            return Usage("new: unknown option");
        }
    }
    if (out.empty())
        return Usage("new: --out FILE is required");

    TRandom rng = seed ? TRandom(*seed) : TRandom();
    TGameState world;
    if (Status made = NewGameWorld(world, rng, TMapGeometry{}); !made)
        return Refuse(made.error().message);
    if (Status saved = SaveGame(world, name, out); !saved)
        return Refuse(saved.error().message);
    return kOk;
}

int RunInfo(int argc, char** argv) {
    if (argc != 3)
        return Usage("info takes one file");
    TRandom rng(0);
    int code = kOk;
    const auto game = Load(argv[2], rng, code);
    if (!game)
        return code;
    const TGameState& w = game->world;

    int scanned = 0, lying = 0, packs = 0, modules = 0;
    for (const TSector& sector : w.Galaxy)
        for (const TSystem& system : sector.Systems)
            for (const TPlanet& planet : system.Planets) {
                scanned += planet.Scanned ? 1 : 0;
                lying += planet.Artefact != 0 ? 1 : 0;
                packs += planet.PowerUp != 0 ? 1 : 0;
            }
    for (int n = 1; n <= kModuleCount; ++n)
        modules += w.Captain.HasModule(n) ? 1 : 0;

    std::cout << "name: " << game->name << "\n"
              << "galaxy: " << w.GalaxyName << "\n"
              << "captain: " << w.Captain.Name << "\n"
              << "budget: " << w.Captain.Budget << "\n"
              << "energy: " << int(w.Captain.Energy) << "\n"
              << "sector: " << w.CurrentSector << "\n"
              << "system: " << w.CurrentSystem << "\n"
              << "seconds: " << w.GameSeconds << "\n"
              << "cargo: " << w.Cargo.size() << "\n"
              << "transport: " << w.Transport.size() << "\n"
              << "scanned planets: " << scanned << "\n"
              << "artefacts lying: " << lying << "\n"
              << "power packs: " << packs << "\n"
              << "modules owned: " << modules << "\n"
              << "headquarter: " << int(w.Headquarter.Sector) << "," << w.Headquarter.System << "\n";
    return kOk;
}

int RunResave(int argc, char** argv) {
    if (argc != 4)
        return Usage("resave takes an input and an output file");
    TRandom rng;
    int code = kOk;
    const auto game = Load(argv[2], rng, code);
    if (!game)
        return code;
    if (Status saved = SaveGame(game->world, game->name, argv[3]); !saved)
        return Refuse(saved.error().message);
    return kOk;
}

int RunText(int argc, char** argv) {
    if (argc != 5 && argc != 6)
        return Usage("text takes a script, a section, a key and perhaps a default");
    SetLanguageFile(argv[2]);
    const std::string text = argc == 5 ? LangText(argv[3], argv[4]) : LangTextDef(argv[3], argv[4], argv[5]);
    std::cout << text << "\n";
    return kOk;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string_view command = argv[1];
    if (command == "new")
        return RunNew(argc, argv);
    if (command == "info")
        return RunInfo(argc, argv);
    if (command == "resave")
        return RunResave(argc, argv);
    if (command == "text")
        return RunText(argc, argv);
    if (command == "lint")
        return RunLint(argc, argv);
    if (command == "play")
        return RunPlay(argc, argv);
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsageText;
        return kOk;
    }
    return Usage("unknown command");
}
