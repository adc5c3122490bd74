#include "Game.h"

#include "core/Galaxy.h"
#include "core/Sha256.h"
#include "game/City.h"
#include "game/CityProfile.h"
#include "game/Course.h"
#include "game/Flight.h"
#include "game/Landing.h"
#include "game/Lifecycle.h"
#include "game/Scanning.h"
#include "game/SectorChange.h"
#include "game/Trade.h"
#include "game/Transport.h"
#include "game/UpgradeShop.h"
#include "game/Views.h"
#include "lang/Format.h"
#include "lang/ScriptLookup.h"
#include "lang/TextCatalogue.h"
#include "persist/FileIo.h"
#include "persist/GameList.h"
#include "persist/SavedGame.h"
#include "persist/Settings.h"

#include <algorithm>
#include <optional>

namespace veltrane {

std::vector<std::string> ReportLines(const TCommandReport& report) {
    std::vector<std::string> lines;
    const TOutcome& outcome = report.Outcome;
    if (outcome.Done)
        lines.push_back("ok: " + report.InfoLine);
    else
        lines.push_back("refused: " + (outcome.Text.empty() ? report.InfoLine : outcome.Text));
    for (const std::string& message : report.Messages)
        lines.push_back("message: " + message);
    return lines;
}

void TGame::TWindowRelay::ShowInfoLine(const std::string& text, TColor colour) {
    Info = text;
    Colour = colour;
    ++Writes;
    inner_.ShowInfoLine(text, colour);
}

bool TGame::TMessageRelay::ShowMessDlg(const std::string& text, const std::string& caption,
                                       TMessageKind kind) {
    Lines.push_back(text);
    return inner_.ShowMessDlg(text, caption, kind);
}

void TGame::TMessageRelay::ShowIncomingMessage(const std::string& format, int value) {
    auto text = Format(format, {std::int64_t{value}});
    Lines.push_back(text ? *text : format);
    inner_.ShowIncomingMessage(format, value);
}

void TGame::TMessageRelay::ShowInfoMessage(const std::string& text) {
    Lines.push_back(text);
    inner_.ShowInfoMessage(text);
}

void TGame::TMessageRelay::ShowDirectionMessage(const std::string& text, std::optional<int> arrow) {
    Lines.push_back(text);
    inner_.ShowDirectionMessage(text, arrow);
}

TGame::TGame(TGameOptions& options, TGamePorts ports, TGameSetup setup)
    : options_(options), ports_(ports), setup_(std::move(setup)), window_(ports.Window),
      messages_(ports.Messages), ctx_{session_,  tables_,     current_,   rng_,     window_,
                                      messages_, ports.Sound, ports.Time, options_, setup_.Layout} {
    ctx_.AutosaveNow = [this] { Autosave(); };
    journal_.SetFile(setup_.JournalFile);
    current_.script =
        setup_.OpenScript ? setup_.OpenScript(ScriptPath()) : std::make_shared<TScriptFile>(ScriptPath());
}

std::uint64_t TGame::NextSeed() {
    return setup_.NextSeed ? setup_.NextSeed() : ClockSeed();
}

std::string TGame::ScriptPath() const {
    return setup_.ProgramFolder + "LScripts/" + options_.Language;
}

void TGame::Report(const std::string& problem) {
    if (setup_.ReportProblem)
        setup_.ReportProblem(problem);
}

Status TGame::LoadContent(TGameState& world, TContentTables& tables, TRandom& rng) {
    if (!setup_.LoadContent)
        return Status::Ok();
    current_.script =
        setup_.OpenScript ? setup_.OpenScript(ScriptPath()) : std::make_shared<TScriptFile>(ScriptPath());
    if (!current_.script)
        return Status::Ok();
    // Hundreds of lookups follow; one version of the script serves them all.
    std::optional<TScriptPin> pin;
    if (dynamic_cast<const TScriptFile*>(current_.script.get()))
        pin.emplace(ScriptPath());
    return setup_.LoadContent(*current_.script, world, tables, rng);
}

void TGame::RestartJournal(const TJournalStart& start) {
    std::string how = "start ";
    if (!start.LoadedFile.empty())
        how += "load " + PrintCommand({TCommandKind::Load, {}, start.LoadedFile, false}).substr(5) +
               " sha256 " + start.Sha256 + " ";
    how += "seed " + std::to_string(start.Seed);
    journal_.Restart({PrintCommand({TCommandKind::Language, {}, options_.Language, false}),
                      "events " + std::to_string(options_.RandomEvents), how});
}

Status TGame::Start() {
    return NewGame(NextSeed());
}

Status TGame::StartFrom(const TJournalStart& start, const std::string& path) {
    if (start.LoadedFile.empty())
        return NewGame(start.Seed);
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.error();
    if (Sha256Hex(*bytes) != start.Sha256)
        return Error{"\"" + path + "\" is not the saved game the journal starts from (its SHA-256 differs)."};
    return LoadFile(path, start.LoadedFile, start.Seed, false);
}

Status TGame::StartFromFile(const std::string& path) {
    return LoadFile(path, std::filesystem::path(path).filename().string(), NextSeed(), false);
}

Status TGame::NewGame(std::uint64_t seed) {
    rng_ = TRandom(seed);
    ResetViewState(session_);
    ports_.Time.StopTimer(TTimer::StarFlight);
    strandedAnnounced_ = false;
    Status made = StartNewGame(session_.World, tables_, rng_,
                               TMapGeometry{setup_.Layout.PageWidth, setup_.Layout.PageHeight, 0, 0});
    if (made) {
        // Whatever was read before a faulty entry is used; the fault is reported.
        if (const Status content = LoadContent(session_.World, tables_, rng_); !content)
            Report(content.error().message);
    }
    SetUpgradeTexts(session_, tables_.UpgradeTreeCaptions);
    RestartJournal({seed, {}, {}});
    window_.WorldReplaced(TWorldChange::NewGame);
    if (made) {
        // The new captain sees where the ship is.
        ShowSectorMap(ctx_, false);
        window_.ContentLoaded();
    }
    RefreshStatus(ctx_);
    return made;
}

Status TGame::LoadFile(const std::string& path, const std::string& label, std::uint64_t seed, bool announce) {
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return Error{FormatTextOrDefault(current_, texts::FNotFound, {label})};
    const std::string sha = Sha256Hex(*bytes);
    // Read into copies: a damaged file never half-replaces the running game.
    TRandom fresh(seed);
    TContentTables tables = tables_;
    TGameState basis = session_.World;
    if (const Status content = LoadContent(basis, tables, fresh); !content)
        Report(content.error().message);
    const CityProfiler profiler = [&](int lifeform, TCity& city) {
        return GenerateCityProfile(lifeform, city, tables, fresh);
    };
    auto loaded = ReadGameText(std::move(*bytes), label, basis, profiler, fresh);
    if (!loaded)
        return loaded.error();

    tables_ = std::move(tables);
    rng_ = fresh;
    session_.World = std::move(*loaded);
    ResetViewState(session_);
    ports_.Time.StopTimer(TTimer::StarFlight);
    strandedAnnounced_ = false;
    TGameState& world = session_.World;
    RestoreArtefactPlaces(world, rng_);
    // Saved games of older versions hold no modules or headquarter.
    if (world.AlienModules[1].Sector < 0)
        if (const Status placed = PlaceAlienModules(world, rng_); !placed)
            Report(placed.error().message);
    if (world.Headquarter.Sector == 0)
        RelocateHeadquarter(world, rng_);
    SetUpgradeTexts(session_, tables_.UpgradeTreeCaptions);
    RestartJournal({seed, label, sha});
    window_.WorldReplaced(TWorldChange::Loaded);
    window_.ContentLoaded();
    if (announce)
        messages_.ShowMessDlg(Lookup(current_, texts::LoadSuccess), "", TMessageKind::Info);
    ShowSectorMap(ctx_, false);
    RefreshStatus(ctx_);
    return Status::Ok();
}

namespace {

// The row a name means: its file name, else the last game of that name.
std::optional<TGameListRow> RowNamed(const std::string& userFolder, const std::string& name) {
    std::optional<TGameListRow> found;
    for (const TGameListRow& row : GameList(userFolder)) {
        if (row.FileName == name)
            return row;
        if (row.GameName == name)
            found = row;
    }
    return found;
}

const char* const kNoUserFolder = "no documents folder to keep saved games in";

} // namespace

TOutcome TGame::Load(const std::string& name) {
    if (setup_.UserFolder.empty())
        return TOutcome::Refused(kNoUserFolder);
    const std::optional<TGameListRow> row = RowNamed(setup_.UserFolder, name);
    if (!row) {
        const std::string text = FormatTextOrDefault(current_, texts::FNotFound, {name});
        messages_.ShowMessDlg(text, "", TMessageKind::Info);
        return TOutcome::Refused(text);
    }
    const std::filesystem::path path = GamesFolder(setup_.UserFolder) / row->FileName;
    if (const Status loaded = LoadFile(path.string(), row->FileName, NextSeed(), true); !loaded) {
        messages_.ShowMessDlg(loaded.error().message, "", TMessageKind::Info);
        return TOutcome::Refused(loaded.error().message);
    }
    return TOutcome::Ok();
}

TOutcome TGame::Save(const std::string& name) {
    if (setup_.UserFolder.empty())
        return TOutcome::Refused(kNoUserFolder);
    if (name.find_first_not_of(" \t") == std::string::npos) {
        const std::string text = Lookup(current_, texts::NameEmpty);
        messages_.ShowMessDlg(text, "", TMessageKind::Info);
        return TOutcome::Refused(text);
    }
    const std::filesystem::path games = GamesFolder(setup_.UserFolder);
    std::error_code ec;
    std::filesystem::create_directories(games, ec);
    // Saving under a name the list holds overwrites that game; only autosaves write the autosave.
    std::string file;
    for (const TGameListRow& row : GameList(setup_.UserFolder))
        if (!row.Autosave && row.GameName == name)
            file = row.FileName;
    if (file.empty()) {
        auto fresh = NewSaveFileName(games);
        if (!fresh) {
            messages_.ShowMessDlg(fresh.error().message, "", TMessageKind::Info);
            return TOutcome::Refused(fresh.error().message);
        }
        file = *fresh;
    }
    if (const Status saved = SaveGame(WorldForSaving(), name, games / file); !saved) {
        messages_.ShowMessDlg(saved.error().message, "", TMessageKind::Info);
        return TOutcome::Refused(saved.error().message);
    }
    return TOutcome::Ok();
}

TOutcome TGame::Delete(const std::string& name) {
    if (setup_.UserFolder.empty())
        return TOutcome::Refused(kNoUserFolder);
    const std::optional<TGameListRow> row = RowNamed(setup_.UserFolder, name);
    if (!row)
        return TOutcome::Refused(FormatTextOrDefault(current_, texts::FNotFound, {name}));
    if (const Status deleted = DeleteGame(setup_.UserFolder, row->FileName); !deleted) {
        messages_.ShowMessDlg(deleted.error().message, "", TMessageKind::Info);
        return TOutcome::Refused(deleted.error().message);
    }
    return TOutcome::Ok();
}

void TGame::Autosave() {
    ++autosaves_;
    if (setup_.UserFolder.empty())
        return;
    if (const Status saved = veltrane::Autosave(WorldForSaving(), setup_.UserFolder); !saved)
        Report(saved.error().message);
}

TGameState TGame::WorldForSaving() const {
    TGameState world = session_.World;
    // The passage is charged when it ends: a game kept meanwhile stays where it began.
    if (session_.InFlight() && session_.PassageFromSector != 0) {
        world.CurrentSector = session_.PassageFromSector;
        world.CurrentSystem = session_.PassageFromSystem;
    }
    return world;
}

void TGame::AfterOptions() {
    TGameState& world = session_.World;
    if (world.AlienModules[1].Sector < 0)
        if (const Status placed = PlaceAlienModules(world, rng_); !placed)
            Report(placed.error().message);
    if (world.Headquarter.Sector == 0)
        RelocateHeadquarter(world, rng_);
    window_.ApplyWindowType();
    ports_.Sound.UpdateBackgroundMusic();
    // The language may have changed.
    if (const Status content = LoadContent(world, tables_, rng_); !content)
        Report(content.error().message);
    SetUpgradeTexts(session_, tables_.UpgradeTreeCaptions);
    window_.ContentLoaded();
    // However the dialog came to be opened, the game runs from here on.
    session_.StartupStepDone = true;
    ShowSectorMap(ctx_, true);
    RefreshStatus(ctx_);
}

TCommandReport TGame::Execute(const TCommand& command) {
    TCommandReport report;
    if (!IsWindowCommand(command.Kind)) {
        report.Outcome = TOutcome::Refused(InQuotes(PrintCommand(command)) + " is a script command");
        report.InfoLine = window_.Info;
        return report;
    }
    if (running_) {
        pending_.push_back(command);
        report.Deferred = true;
        report.InfoLine = window_.Info;
        return report;
    }
    struct TRunning {
        bool& flag;
        explicit TRunning(bool& f) : flag(f) { flag = true; }
        ~TRunning() { flag = false; }
    };
    {
        const TRunning running(running_);
        report = Run(command);
    }
    while (!pending_.empty()) {
        const TCommand next = pending_.front();
        pending_.pop_front();
        const TRunning running(running_);
        Run(next);
    }
    // The start-up step opens the options dialog when no command runs any more.
    if (optionsDue_) {
        optionsDue_ = false;
        window_.OptionsDue();
    }
    return report;
}

TCommandReport TGame::Run(const TCommand& command) {
    journal_.Record(PrintCommand(command));
    messages_.Lines.clear();
    TCommandReport report;
    const THintSnapshot before = TakeHintSnapshot(session_);
    const int writesBefore = window_.Writes;
    report.Outcome = Dispatch(command);
    if (command.Kind != TCommandKind::Tick || !session_.InFlight())
        AnnounceStranded();
    OfferHint(command.Kind, before, writesBefore);
    report.InfoLine = window_.Info;
    report.Messages = std::move(messages_.Lines);
    messages_.Lines.clear();
    return report;
}

namespace {

std::vector<int> Rows(const std::vector<int>& numbers) {
    std::vector<int> rows;
    rows.reserve(numbers.size());
    for (const int n : numbers)
        rows.push_back(n - 1);
    return rows;
}

std::optional<int> Row(const std::vector<int>& numbers) {
    if (numbers.empty())
        return std::nullopt;
    return numbers.front() - 1;
}

} // namespace

TOutcome TGame::Dispatch(const TCommand& command) {
    const TView view = session_.CurrentView;
    const bool onMap = IsSectorView(view);
    const int n = command.Numbers.empty() ? 0 : command.Numbers.front();
    switch (command.Kind) {
    case TCommandKind::Tick:
        ++runTicks_;
        MainTick(ctx_);
        window_.ShowClock(session_.World.GameSeconds);
        // The start-up step: the options dialog once, unless the player opened it already.
        if (runTicks_ == 2 && !session_.StartupStepDone)
            optionsDue_ = true;
        return TOutcome::Ok();
    case TCommandKind::Select:
        return onMap ? SelectSystem(ctx_, n) : TOutcome::Refused("the sector map is not shown");
    case TCommandKind::Fly:
        return onMap ? FlyToMarker(ctx_, n) : TOutcome::Refused("the sector map is not shown");
    case TCommandKind::Course:
        return SetCourse(ctx_, n);
    case TCommandKind::Filter:
        return ToggleModuleFilter(ctx_, n);
    case TCommandKind::Map:
        ShowSectorMap(ctx_, true);
        return TOutcome::Ok();
    case TCommandKind::Sun:
        if (view != TView::System)
            return TOutcome::Refused("the system page is not shown");
        ShowSectorMap(ctx_, false);
        return TOutcome::Ok();
    case TCommandKind::System:
        ports_.Sound.PlayButtonSound();
        ShowSystemView(ctx_);
        return TOutcome::Ok();
    case TCommandKind::Order:
        ports_.Sound.PlayButtonSound();
        return ShowOrder(ctx_);
    case TCommandKind::Sector:
        if (!onMap)
            return Explain(ctx_, Lookup(current_, texts::MapFirst));
        return command.Numbers.empty() ? AskSector(ctx_) : ChangeSector(ctx_, n);
    case TCommandKind::NewGame:
        if (command.Name == "yes") {
            if (const Status made = NewGame(NextSeed()); !made)
                return TOutcome::Refused(made.error().message);
            ShowSectorMap(ctx_, true);
        }
        return TOutcome::Ok();
    case TCommandKind::Cargo:
        return ShowCargoInfo(ctx_, Row(command.Numbers));
    case TCommandKind::Options:
        AfterOptions();
        return TOutcome::Ok();
    case TCommandKind::Captain:
        session_.World.Captain.Name = command.Name;
        RefreshStatus(ctx_);
        return TOutcome::Ok();
    case TCommandKind::Portrait:
        session_.World.Captain.ImageIndex = static_cast<std::uint8_t>(n);
        RefreshStatus(ctx_);
        return TOutcome::Ok();
    case TCommandKind::Events:
        options_.RandomEvents = static_cast<std::uint8_t>(n);
        return TOutcome::Ok();
    case TCommandKind::Language:
        // A script is a file of the scripts folder, never a path elsewhere.
        if (command.Name.find('/') != std::string::npos || command.Name.find('\\') != std::string::npos ||
            command.Name == "." || command.Name == "..")
            return TOutcome::Refused(InQuotes(command.Name) + " is not a script of the LScripts folder");
        options_.Language = command.Name;
        return TOutcome::Ok();
    case TCommandKind::Quit:
        // A window closed before the start-up step holds no game of the player's.
        if (session_.StartupStepDone)
            Autosave();
        return TOutcome::Ok();
    case TCommandKind::Save:
    case TCommandKind::Load:
    case TCommandKind::Delete:
        return WithFiles(command);
    default:
        return OnPage(command);
    }
}

TOutcome TGame::OnPage(const TCommand& command) {
    const TView view = session_.CurrentView;
    const int n = command.Numbers.empty() ? 0 : command.Numbers.front();
    const TGameState& world = session_.World;
    switch (command.Kind) {
    case TCommandKind::Scan:
    case TCommandKind::Planet:
    case TCommandKind::Land:
    case TCommandKind::Hq:
        if (view != TView::System)
            return TOutcome::Refused("the system page is not shown");
        if (command.Kind == TCommandKind::Scan)
            return ScanSystem(ctx_);
        if (command.Kind == TCommandKind::Planet)
            return ShowPlanetInfo(ctx_, n);
        if (command.Kind == TCommandKind::Land)
            return LandOnPlanet(ctx_, n);
        if (world.Headquarter.Sector != world.CurrentSector ||
            world.Headquarter.System != world.CurrentSystem)
            return TOutcome::Refused("the SERO ship is not in this system");
        if (session_.InFlight())
            return Refuse(ctx_, Lookup(current_, texts::InFlight));
        lastVisit_ = VisitHeadquarter(ctx_);
        // The headquarter's dialog shows the greeting.
        messages_.Lines.push_back(lastVisit_.Text);
        return TOutcome::Ok(lastVisit_.Text);
    case TCommandKind::Artefact:
    case TCommandKind::Pickup:
    case TCommandKind::Pack:
    case TCommandKind::Module:
    case TCommandKind::Leave:
    case TCommandKind::CityName:
    case TCommandKind::City:
        if (view != TView::Landscape)
            return TOutcome::Refused("the ship has not landed");
        switch (command.Kind) {
        case TCommandKind::Artefact:
            return ShowArtefactInfo(ctx_);
        case TCommandKind::Pickup:
            return PickUpArtefact(ctx_);
        case TCommandKind::Pack:
            return TakePowerPack(ctx_);
        case TCommandKind::Module:
            return TakeAlienModule(ctx_);
        case TCommandKind::Leave:
            return LeaveSurface(ctx_);
        default:
            // The first four city pictures stand for the planet's cities 0..3.
            if (n >= 4 || !session_.Surface.Cities[static_cast<std::size_t>(n)].Visible)
                return TOutcome::Refused("no city " + std::to_string(n) + " is shown on this surface");
            return command.Kind == TCommandKind::CityName ? ShowCityName(ctx_, n) : EnterCity(ctx_, n);
        }
    default:
        return InCity(command);
    }
}

TOutcome TGame::InCity(const TCommand& command) {
    if (session_.CurrentView != TView::City)
        return TOutcome::Refused("the ship is not in a city");
    TCityVisit& visit = session_.Visit;
    const auto onPanel = [&](TCityPanel panel, const char* what) -> std::optional<TOutcome> {
        if (visit.Panel != panel)
            return TOutcome::Refused(std::string("the ") + what + " is not shown");
        return std::nullopt;
    };
    switch (command.Kind) {
    case TCommandKind::Panel: {
        if (auto refused = onPanel(TCityPanel::Main, "city's main panel"))
            return *refused;
        if (command.Name == "sell")
            return visit.SellEnabled ? OpenSellPanel(ctx_)
                                     : Explain(ctx_, Lookup(current_, texts::NothingToSell));
        if (command.Name == "upgrade")
            return visit.UpgradeOffered ? OpenUpgradeShop(ctx_)
                                        : TOutcome::Refused("this city has no upgrade shop");
        if (command.Name == "refuel")
            return OpenRefuelPanel(ctx_);
        return OpenTransportPanel(ctx_);
    }
    case TCommandKind::GoBack:
        if (visit.Panel == TCityPanel::Main)
            return TOutcome::Refused("the city's main panel is shown");
        return GoBack(ctx_);
    case TCommandKind::Back:
        if (auto refused = onPanel(TCityPanel::Main, "city's main panel"))
            return *refused;
        return LeaveCity(ctx_);
    case TCommandKind::CityInfo:
        return ShowCityInfo(ctx_);
    case TCommandKind::AlienInfo:
        return ShowAlienInfo(ctx_);
    case TCommandKind::Sell: {
        if (auto refused = onPanel(TCityPanel::Sell, "sell list"))
            return *refused;
        std::vector<int> rows = Rows(command.Numbers);
        if (command.All)
            for (int r = 0; r < static_cast<int>(visit.SellList.size()); ++r)
                rows.push_back(r);
        return SellSelection(ctx_, rows);
    }
    case TCommandKind::Slider:
        if (auto refused = onPanel(TCityPanel::Refuel, "refuel panel"))
            return *refused;
        MoveRefuelSlider(ctx_, command.Numbers.front());
        return TOutcome::Ok();
    case TCommandKind::Fill:
        if (auto refused = onPanel(TCityPanel::Refuel, "refuel panel"))
            return *refused;
        return FillEnergy(ctx_);
    case TCommandKind::Install:
        if (auto refused = onPanel(TCityPanel::Upgrade, "upgrade shop"))
            return *refused;
        return InstallItem(ctx_, Row(command.Numbers));
    case TCommandKind::Accept:
        if (auto refused = onPanel(TCityPanel::Transport, "transport panel"))
            return *refused;
        return AcceptOffers(ctx_, Rows(command.Numbers));
    default:
        return TOutcome::Refused(InQuotes(PrintCommand(command)) + " is not a command of the window");
    }
}

TOutcome TGame::WithFiles(const TCommand& command) {
    switch (command.Kind) {
    case TCommandKind::Save:
        return Save(command.Name);
    case TCommandKind::Load:
        return Load(command.Name);
    default:
        return Delete(command.Name);
    }
}

bool TGame::Stranded() const {
    const TGameState& world = session_.World;
    const TCaptain& captain = world.Captain;
    if (session_.InFlight() || world.CurrentSector < 1 || world.CurrentSector > kSectorCount ||
        world.CurrentSystem < 1 || world.CurrentSystem > kSystemsPerSector)
        return false;
    // A sector change the energy covers.
    if (captain.Hyperdrive > 0 && captain.Energy >= TransferFuel(captain.Hyperdrive))
        return false;
    // The energy the cheapest flight lacks.
    int lacking = std::numeric_limits<int>::max();
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        if (k == world.CurrentSystem)
            continue;
        const int cost = FlightCost(SystemDistance(world, k), captain.EnergyCell);
        if (captain.Energy - cost >= 0)
            return false;
        lacking = std::min(lacking, cost - captain.Energy);
    }
    for (const TPlanet& planet : world.Here().Planets) {
        // A scan costs nothing and may found cities; a power pack may be energy.
        if (!planet.Scanned || planet.PowerUp != 0)
            return false;
        // A capital whose energy the budget, or what the hold would fetch there, can pay.
        if (planet.Lifeform <= 3 || planet.Surface == 1 || planet.Surface == kGasSurface)
            continue;
        for (const TCity& city : planet.Cities) {
            if (city.Size != 1)
                continue;
            auto price = Format("%.2f", {city.PriceFactor});
            const int cost = RefuelCost(price ? *price : "0.00", std::min(lacking, 100));
            // An artefact fetches at least 7 G$ even in the poorest city.
            const std::int64_t means = std::int64_t{captain.Budget} + 7 * std::int64_t(world.Cargo.size());
            if (means >= cost)
                return false;
        }
    }
    return true;
}

void TGame::OfferHint(TCommandKind kind, const THintSnapshot& before, int writesBefore) {
    const std::optional<THint> hint =
        TakeHint(options_, StepsTaken(kind, before, TakeHintSnapshot(session_)));
    if (!hint)
        return;
    std::optional<TInfoLine> written;
    if (window_.Writes != writesBefore)
        written = TInfoLine{window_.Info, window_.Colour};
    const TInfoLine line = WithHint(written, HintText(current_, *hint));
    window_.ShowInfoLine(line.Text, line.Colour);
    // Seen is seen in every later game too, however this run ends.
    if (!setup_.UserFolder.empty())
        if (const Status kept = SaveGuideSettings(setup_.UserFolder, options_); !kept)
            Report(kept.error().message);
}

void TGame::AnnounceStranded() {
    const bool stranded = Stranded();
    if (stranded && !strandedAnnounced_)
        messages_.ShowMessDlg(Lookup(current_, texts::Stranded), "", TMessageKind::Info);
    strandedAnnounced_ = stranded;
}

} // namespace veltrane
