#include "CommandScript.h"

#include "core/Galaxy.h"
#include "game/City.h"
#include "game/CityProfile.h"
#include "game/Course.h"
#include "game/Headquarter.h"
#include "game/Landing.h"
#include "game/Lifecycle.h"
#include "game/Scanning.h"
#include "game/SectorChange.h"
#include "game/Trade.h"
#include "game/Transport.h"
#include "game/UpgradeShop.h"
#include "game/Views.h"

#include "lang/TextCatalogue.h"
#include "persist/GameList.h"
#include "persist/SavedGame.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <sstream>

namespace veltrane {

namespace {

// How many numbers a command takes; -1: one or more (or "all"), -2: a name.
struct TCommandShape {
    const char* Name;
    int Args;
};

constexpr TCommandShape kCommands[] = {
    {"select", 1}, {"fly", 1},   {"map", 0},    {"system", 0}, {"scan", 0},    {"land", 1},
    {"pickup", 0}, {"pack", 0},  {"module", 0}, {"leave", 0},  {"filter", 1},  {"wait", 1},
    {"city", 1},   {"sell", -1}, {"refuel", 1}, {"buy", -2},   {"accept", -1}, {"back", 0},
    {"order", 0},  {"hq", 0},    {"sector", 1}, {"save", -2},  {"load", -2},
};

// The longest wait one command may ask for: a day of game time.
constexpr int kMaxWait = 86400;

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}

} // namespace

const char* TCommandScript::Help() {
    return "select K | fly K | map | system | scan | land P | pickup | pack | module | leave | filter M | "
           "wait S | "
           "city C | sell R... | sell all | refuel P | buy NODE | accept R... | back | order | hq | "
           "sector S | save NAME | load NAME "
           "(K system 1-150, P planet and C city from 0 as in the saved game, R list rows from 1)";
}

Result<std::vector<std::string>> TCommandScript::Execute(std::string_view rawLine) {
    std::string line = Trim(rawLine.substr(0, rawLine.find('#')));
    if (line.empty())
        return std::vector<std::string>{};
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::vector<int> args;
    std::string word;
    if (command == "buy" || command == "save" || command == "load") {
        std::getline(words, word);
        name_ = Trim(word);
        if (name_.empty())
            return Error{"\"" + command + "\" takes a name"};
        words.setstate(std::ios::eofbit);
    }
    all_ = false;
    while (words >> word) {
        if (word == "all" && command == "sell") {
            all_ = true;
            continue;
        }
        int value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc{} || end != word.data() + word.size())
            return Error{"\"" + word + "\" is not a whole number in \"" + line + "\""};
        args.push_back(value);
    }
    const TCommandShape* shape = nullptr;
    for (const TCommandShape& c : kCommands)
        if (command == c.Name)
            shape = &c;
    if (!shape)
        return Error{"unknown command \"" + command + "\" (commands: " + Help() + ")"};
    if (shape->Args >= 0 && static_cast<int>(args.size()) != shape->Args)
        return Error{"\"" + command + "\" takes " + std::to_string(shape->Args) + " number(s)"};
    if (shape->Args == -1 && args.empty() && !all_)
        return Error{"\"" + command + "\" takes row numbers from 1" +
                     (command == "sell" ? " or \"all\"" : "")};
    if (command == "sector" && (args[0] < 1 || args[0] > kSectorCount))
        return Error{"sectors run from 1 to 4"};
    if ((command == "select" || command == "fly") && (args[0] < 1 || args[0] > kSystemsPerSector))
        return Error{"system numbers run from 1 to 150"};
    if (command == "wait" && (args[0] < 0 || args[0] > kMaxWait))
        return Error{"wait takes 0 to 86400 seconds"};

    const std::size_t messagesBefore = game_.Messages.Shown.size();
    bool known = true;
    const TOutcome outcome = Run(command, args, known);
    std::vector<std::string> out;
    out.push_back((outcome.Done ? "ok: " : "refused: ") + game_.Window.InfoText);
    for (std::size_t i = messagesBefore; i < game_.Messages.Shown.size(); ++i)
        out.push_back("message: " + game_.Messages.Shown[i]);
    return out;
}

TOutcome TCommandScript::Run(const std::string& command, const std::vector<int>& args, bool& known) {
    TContext& ctx = game_.Ctx();
    const TView view = game_.Session().CurrentView;
    // What a player can click depends on the page shown.
    const bool onMap = IsSectorView(view);
    if (command == "select")
        return onMap ? SelectSystem(ctx, args[0]) : TOutcome::Refused({});
    if (command == "fly") {
        if (!onMap)
            return TOutcome::Refused({});
        SelectSystem(ctx, args[0]);
        TOutcome outcome = FlyToSystem(ctx, args[0]);
        if (outcome)
            game_.FinishPassage();
        return outcome;
    }
    if (command == "map") {
        ShowSectorMap(ctx, true);
        return TOutcome::Ok();
    }
    if (command == "system") {
        ctx.Sound.PlayButtonSound();
        ShowSystemView(ctx);
        return TOutcome::Ok();
    }
    if (command == "scan")
        return view == TView::System ? ScanSystem(ctx) : TOutcome::Refused({});
    if (command == "land")
        return view == TView::System ? LandOnPlanet(ctx, args[0]) : TOutcome::Refused({});
    const bool onSurface = view == TView::Landscape;
    if (command == "pickup")
        return onSurface ? PickUpArtefact(ctx) : TOutcome::Refused({});
    if (command == "pack")
        return onSurface ? TakePowerPack(ctx) : TOutcome::Refused({});
    if (command == "module")
        return onSurface ? TakeAlienModule(ctx) : TOutcome::Refused({});
    if (command == "leave")
        return onSurface ? LeaveSurface(ctx) : TOutcome::Refused({});
    if (command == "filter")
        return ToggleModuleFilter(ctx, args[0]);
    if (command == "wait") {
        for (int i = 0; i < args[0]; ++i)
            if (game_.Clock.TimerRunning(TTimer::Main))
                game_.Tick();
        return TOutcome::Ok();
    }
    return RunCity(command, args, known);
}

namespace {

std::vector<int> Rows(const std::vector<int>& numbers) {
    std::vector<int> rows;
    for (int n : numbers)
        rows.push_back(n - 1);
    return rows;
}

} // namespace

TOutcome TCommandScript::RunCity(const std::string& command, const std::vector<int>& args, bool& known) {
    if (command == "sector" || command == "save" || command == "load")
        return RunFiles(command, args, known);
    TContext& ctx = game_.Ctx();
    TSession& session = game_.Session();
    const TView view = session.CurrentView;
    if (command == "order")
        return ShowOrder(ctx);
    if (command == "hq") {
        const TGameState& world = game_.World();
        if (view != TView::System || world.Headquarter.Sector != world.CurrentSector ||
            world.Headquarter.System != world.CurrentSystem)
            return TOutcome::Refused({});
        const THeadquarterVisit visit = VisitHeadquarter(ctx);
        game_.Messages.Shown.push_back(visit.Text);
        if (AskForNewGame(ctx, visit))
            game_.NewGame();
        return TOutcome::Ok(visit.Text);
    }
    if (command == "city") {
        if (view != TView::Landscape || !session.Surface.Cities.at(0).Visible)
            return TOutcome::Refused({});
        ShowCityName(ctx, args[0]);
        return EnterCity(ctx, args[0]);
    }
    if (view != TView::City)
        return TOutcome::Refused({});
    if (command == "back")
        return LeaveCity(ctx);
    if (command == "sell") {
        if (!session.Visit.SellEnabled)
            return TOutcome::Refused({});
        if (session.Visit.Panel != TCityPanel::Sell)
            OpenSellPanel(ctx);
        std::vector<int> rows = Rows(args);
        if (all_)
            for (int r = 0; r < static_cast<int>(session.Visit.SellList.size()); ++r)
                rows.push_back(r);
        session.Visit.TotalProfit = SellTotal(ctx, rows);
        return SellSelection(ctx, rows);
    }
    if (command == "refuel") {
        OpenRefuelPanel(ctx);
        MoveRefuelSlider(ctx, args[0]);
        return FillEnergy(ctx);
    }
    if (command == "buy") {
        if (!session.Visit.UpgradeOffered)
            return TOutcome::Refused({});
        OpenUpgradeShop(ctx);
        return InstallItem(ctx, FindUpgradeNode(session, name_));
    }
    if (command == "accept") {
        if (session.Visit.Panel != TCityPanel::Transport)
            OpenTransportPanel(ctx);
        return AcceptOffers(ctx, Rows(args));
    }
    known = false;
    return TOutcome::Refused({});
}

TOutcome TCommandScript::RunFiles(const std::string& command, const std::vector<int>& args, bool& known) {
    TContext& ctx = game_.Ctx();
    if (command == "sector") {
        if (!IsSectorView(game_.Session().CurrentView))
            return TOutcome::Refused({});
        game_.Messages.Choice = Lookup(ctx.Script, texts::Sector) + " " + std::to_string(args[0]);
        TOutcome outcome = ChangeSector(ctx);
        game_.Messages.Choice.clear();
        if (outcome)
            game_.FinishPassage();
        return outcome;
    }
    if (userFolder_.empty())
        return TOutcome::Refused("no documents folder given (--home DIR)");
    const std::filesystem::path games = userFolder_ + "Games";
    // A game of that name is the one the list would show selected.
    std::optional<TGameListRow> row;
    for (const TGameListRow& r : GameList(userFolder_))
        if (r.GameName == name_)
            row = r;
    if (command == "save") {
        std::error_code ec;
        std::filesystem::create_directories(games, ec);
        std::string file;
        if (row) {
            file = row->FileName;
        } else {
            auto fresh = NewSaveFileName(games);
            if (!fresh)
                return TOutcome::Refused(fresh.error().message);
            file = *fresh;
        }
        if (Status saved = SaveGame(game_.World(), name_, games / file); !saved)
            return TOutcome::Refused(saved.error().message);
        return TOutcome::Ok();
    }
    if (command == "load") {
        if (!row)
            return TOutcome::Refused(FormatTextOrDefault(ctx.Script, texts::FNotFound, {name_}));
        const CityProfiler profiler = [this](int lifeform, TCity& city) {
            return GenerateCityProfile(lifeform, city, game_.Tables(), game_.Rng());
        };
        auto loaded = LoadGame(games / row->FileName, game_.World(), profiler, game_.Rng());
        if (!loaded)
            return TOutcome::Refused(loaded.error().message);
        game_.Session().World = std::move(*loaded);
        ResetViewState(game_.Session());
        TGameState& world = game_.World();
        RestoreArtefactPlaces(world, game_.Rng());
        if (world.AlienModules[1].Sector < 0)
            if (Status placed = PlaceAlienModules(world, game_.Rng()); !placed)
                return TOutcome::Refused(placed.error().message);
        if (world.Headquarter.Sector == 0)
            RelocateHeadquarter(world, game_.Rng());
        game_.Messages.Shown.push_back(Lookup(ctx.Script, texts::LoadSuccess));
        ShowSectorMap(ctx, false);
        return TOutcome::Ok();
    }
    known = false;
    return TOutcome::Refused({});
}

} // namespace veltrane
