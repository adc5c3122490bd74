#include "CommandScript.h"

#include "game/Course.h"
#include "game/StatusDisplay.h"
#include "game/UpgradeShop.h"

namespace veltrane {

namespace {

// The passage of one "fly" or "sector" is over long before this many seconds.
constexpr int kMaxPassageTicks = 10000;

TCommand Make(TCommandKind kind, std::vector<int> numbers = {}, std::string name = {}) {
    return TCommand{kind, std::move(numbers), std::move(name), false};
}

} // namespace

Result<std::vector<std::string>> TCommandScript::Execute(std::string_view line) {
    auto parsed = ParseCommandLine(line);
    if (!parsed)
        return parsed.error();
    if (!*parsed)
        return std::vector<std::string>{};
    const TCommand& command = **parsed;
    if (mode_ == TMode::Journal) {
        if (!IsWindowCommand(command.Kind))
            return Error{InQuotes(PrintCommand(command)) + " is no command of a journal"};
        return ReportLines(game_.Execute(command));
    }
    switch (command.Kind) {
    case TCommandKind::Status:
    case TCommandKind::Offers:
    case TCommandKind::Prices:
    case TCommandKind::Shop:
        return Look(command.Kind);
    default:
        return ReportLines(Run(command));
    }
}

bool TCommandScript::Then(TCommandReport& before, const TCommand& command) {
    TCommandReport next = game_.Execute(command);
    before.Outcome = next.Outcome;
    before.InfoLine = next.InfoLine;
    before.Messages.insert(before.Messages.end(), next.Messages.begin(), next.Messages.end());
    return next.Outcome.Done;
}

bool TCommandScript::OpenPanel(TCommandReport& report, TCityPanel panel, const char* wish) {
    const TSession& session = game_.Session();
    if (session.CurrentView != TView::City || session.Visit.Panel == panel)
        return true;
    if (session.Visit.Panel != TCityPanel::Main && !Then(report, Make(TCommandKind::GoBack)))
        return false;
    return Then(report, Make(TCommandKind::Panel, {}, wish));
}

void TCommandScript::RunOn(TCommandReport& report) {
    for (int i = 0; i < kMaxPassageTicks && game_.Session().InFlight(); ++i) {
        const TOutcome outcome = report.Outcome;
        Then(report, Make(TCommandKind::Tick));
        report.Outcome = outcome;
    }
}

TCommandReport TCommandScript::Run(const TCommand& command) {
    TCommandReport report;
    const TSession& session = game_.Session();
    switch (command.Kind) {
    case TCommandKind::Wait:
        report = game_.Execute(Make(TCommandKind::Tick));
        for (int i = 1; i < command.Numbers.front(); ++i)
            Then(report, Make(TCommandKind::Tick));
        if (command.Numbers.front() == 0)
            report.Messages.clear();
        report.Outcome = TOutcome::Ok();
        return report;
    case TCommandKind::Fly:
        // The press that selects the marker comes before its double click.
        report = game_.Execute(Make(TCommandKind::Select, command.Numbers));
        if (report.Outcome.Done && Then(report, command))
            RunOn(report);
        return report;
    case TCommandKind::Sector:
        report = game_.Execute(command);
        if (report.Outcome.Done && !command.Numbers.empty())
            RunOn(report);
        return report;
    case TCommandKind::City:
        report = game_.Execute(Make(TCommandKind::CityName, command.Numbers));
        if (report.Outcome.Done)
            Then(report, command);
        return report;
    case TCommandKind::Back:
        if (session.CurrentView == TView::City && session.Visit.Panel != TCityPanel::Main &&
            !Then(report, Make(TCommandKind::GoBack)))
            return report;
        Then(report, command);
        return report;
    case TCommandKind::Sell:
        if (OpenPanel(report, TCityPanel::Sell, "sell"))
            Then(report, command);
        return report;
    case TCommandKind::Accept:
        if (OpenPanel(report, TCityPanel::Transport, "transport"))
            Then(report, command);
        return report;
    case TCommandKind::Refuel:
        if (OpenPanel(report, TCityPanel::Refuel, "refuel") &&
            Then(report, Make(TCommandKind::Slider, command.Numbers)))
            Then(report, Make(TCommandKind::Fill));
        return report;
    case TCommandKind::Buy: {
        if (!OpenPanel(report, TCityPanel::Upgrade, "upgrade"))
            return report;
        const std::optional<int> node = FindUpgradeNode(game_.Session(), command.Name);
        Then(report, node ? Make(TCommandKind::Install, {*node + 1}) : Make(TCommandKind::Install));
        return report;
    }
    default:
        return game_.Execute(command);
    }
}

std::vector<std::string> TCommandScript::Look(TCommandKind kind) const {
    const TSession& session = game_.Session();
    const TGameState& world = session.World;
    const TCaptain& captain = world.Captain;
    std::vector<std::string> lines{"ok: "};
    const auto inCity = [&] {
        if (session.CurrentView == TView::City)
            return true;
        lines = {"refused: the ship is not in a city"};
        return false;
    };
    switch (kind) {
    case TCommandKind::Status:
        lines.push_back("status: sector " + std::to_string(world.CurrentSector) + ", system " +
                        std::to_string(world.CurrentSystem) + " " + world.Here().Name + ", energy " +
                        std::to_string(captain.Energy) + " %, budget " + std::to_string(captain.Budget) +
                        " G$, storage " + std::to_string(world.ItemsAboard()) + "/" +
                        std::to_string(captain.Storage * 3) + ", clock " + ClockText(world.GameSeconds));
        break;
    case TCommandKind::Offers:
        if (!inCity())
            break;
        for (std::size_t r = 0; r < session.Visit.Offers.size(); ++r) {
            const TTransportItem& offer = session.Visit.Offers[r];
            int distance = 0;
            for (int k = 1; k <= kSystemsPerSector; ++k)
                if (world.System(world.CurrentSector, k).Name == offer.Destination)
                    distance = SystemDistance(world, k);
            lines.push_back("offer: " + std::to_string(r + 1) + " " + offer.Destination + ", " +
                            std::to_string(distance) + " ly, " + offer.Price + " G$, " +
                            (offer.ImageIndex != 0 ? "passenger" : "box"));
        }
        break;
    case TCommandKind::Prices:
        if (!inCity())
            break;
        for (std::size_t r = 0; r < session.Visit.SellList.size(); ++r)
            lines.push_back("price: " + std::to_string(r + 1) + " " + session.Visit.SellList[r].Name + ", " +
                            session.Visit.SellList[r].Price + " G$");
        break;
    default:
        for (int node = 0; node < kUpgradeNodes; ++node) {
            const auto at = static_cast<std::size_t>(node);
            const std::string& text = session.UpgradeTexts[at];
            std::string state;
            const int c = node / 4 + 1;
            const int v = node % 4;
            const int level = c == 1   ? captain.Scanner
                              : c == 2 ? captain.EnergyCell
                              : c == 3 ? captain.Storage
                              : c == 4 ? captain.Navigator
                                       : captain.Hyperdrive;
            const int price = session.UpgradePrices[at];
            if (v == 0)
                state = "a class, refused (choose a variant)";
            else if (v <= level)
                state = "owned";
            else if (price == 0)
                state = "no price yet (the shop is not open)";
            else if (captain.Budget < price)
                state = "price " + std::to_string(price) + ", refused (the budget is too small)";
            else if (c == 5 && v > world.CurrentSector)
                state = "price " + std::to_string(price) + ", refused (sold from sector " +
                        std::to_string(v) + " on)";
            else
                state = "price " + std::to_string(price) + ", affordable";
            lines.push_back("node: " + std::to_string(node + 1) + " " +
                            (text.empty() ? UpgradeDesignTexts()[at] : text) + ", " + state);
        }
        break;
    }
    return lines;
}

} // namespace veltrane
