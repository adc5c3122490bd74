#include "PlayerBot.h"

#include "game/Course.h"
#include "game/Flight.h"
#include "game/SectorChange.h"
#include "game/Trade.h"
#include "lang/TextCatalogue.h"
#include "ui/CityView.h"
#include "ui/FormHeadQuarter.h"
#include "ui/FormMain.h"
#include "ui/LandscapeView.h"
#include "ui/NewShape.h"
#include "ui/SectorMapView.h"
#include "ui/StatusPanel.h"
#include "ui/SystemView.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <sstream>

namespace veltrane::test {

namespace {

constexpr std::size_t kLogLength = 30;
constexpr int kUnreachable = std::numeric_limits<int>::max() / 4;
// Upgrade tree classes, as the shop orders them.
constexpr int kScannerClass = 1;
constexpr int kEnergyCellClass = 2;
constexpr int kStorageClass = 3;
constexpr int kHyperdriveClass = 5;

int Node(int upgradeClass, int variant) {
    return (upgradeClass - 1) * 4 + variant;
}

// A button is clicked as a keyboard or accessibility click would: same signals,
// but without the pressed look, whose repaint on press cost more than the
// handler behind most buttons. Anything else gets the mouse.
void Click(QWidget* control) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (button && button->isVisible() && button->isEnabled())
        button->click();
    else if (!button)
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void DoubleClick(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    QTest::mouseDClick(control, Qt::LeftButton, {}, control->rect().center());
}

} // namespace

PlayerBot::PlayerBot(FormMain& window, TManualClock& clock, BotDialogs& messages)
    : window_(window), clock_(clock), messages_(messages) {
    messages_.NewGameQuestion = Lookup(window_.Script(), texts::StartNew);
}

const TGameState& PlayerBot::World() const {
    return window_.World();
}

void PlayerBot::Step(const std::string& what) {
    const TGameState& w = World();
    std::ostringstream line;
    line << '#' << ++steps_ << " t" << w.GameSeconds << " S" << w.CurrentSector << "/K" << w.CurrentSystem
         << " E" << int(w.Captain.Energy) << " B" << w.Captain.Budget << " hold[";
    for (const TCargoItem& item : w.Cargo)
        line << item.StateIndex << (Ordered(item.StateIndex) ? "*" : "") << ' ';
    line << "+" << w.Transport.size() << " jobs] " << what;
    log_.push_back(line.str());
    if (log_.size() > kLogLength)
        log_.pop_front();
}

void PlayerBot::Fail(const std::string& why) {
    Step("STUCK: " + why);
    stuck_ = true;
}

std::string PlayerBot::Log() const {
    const TGameState& w = World();
    std::ostringstream text;
    text << "order:";
    for (int s = 1; s <= kSectorCount; ++s)
        text << " S" << s << "=" << w.FindIdx[s] << "@" << int(w.Artefacts[w.FindIdx[s]].Sector) << "/"
             << w.Artefacts[w.FindIdx[s]].System << (Held(w.FindIdx[s]) ? " held" : "")
             << (Delivered(w.FindIdx[s]) ? " delivered" : "");
    text << "; headquarter S" << int(w.Headquarter.Sector) << "/K" << w.Headquarter.System
         << "; ship scanner " << int(w.Captain.Scanner) << " cell " << int(w.Captain.EnergyCell)
         << " storage " << int(w.Captain.Storage) << " hyperdrive " << int(w.Captain.Hyperdrive)
         << "; info line \"" << window_.StatusArea()->lblInfo()->text().toStdString() << "\"\n";
    for (const std::string& line : log_)
        text << line << '\n';
    return text.str();
}

// ---- reading the map -------------------------------------------------------

int PlayerBot::Distance(int from, int to) const {
    return Distance(World().CurrentSector, from, to);
}

int PlayerBot::Distance(int sector, int from, int to) const {
    const TGameState& w = World();
    const TSystem& a = w.System(sector, from);
    const TSystem& b = w.System(sector, to);
    const double dx = a.PosX - b.PosX;
    const double dy = a.PosY - b.PosY;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy)) / 2;
}

int PlayerBot::Drain(int distance) const {
    return distance <= 0 ? 0 : FlightSeconds(distance) * FlightDrain(World().Captain.EnergyCell);
}

bool PlayerBot::Scanned(int system) const {
    const auto& planets = World().System(World().CurrentSector, system).Planets;
    return std::all_of(planets.begin(), planets.end(), [](const TPlanet& p) { return p.Scanned; });
}

std::optional<int> PlayerBot::CapitalPlanet(int system) const {
    const auto& planets = World().System(World().CurrentSector, system).Planets;
    for (std::size_t p = 0; p < planets.size(); ++p) {
        const TPlanet& planet = planets[p];
        if (!planet.Scanned || planet.Lifeform <= 3 || planet.Surface == 1 || planet.Surface == kGasSurface)
            continue;
        for (std::size_t c = 0; c < planet.Cities.size() && c < 6; ++c)
            if (planet.Cities[c].Size == 1)
                return static_cast<int>(p);
    }
    return std::nullopt;
}

bool PlayerBot::HasShop(int system) const {
    const auto planet = CapitalPlanet(system);
    if (!planet)
        return false;
    const auto& planets = World().System(World().CurrentSector, system).Planets;
    // Any capital on an industrial planet sells equipment.
    return std::any_of(planets.begin(), planets.end(), [](const TPlanet& p) {
        return p.Scanned && p.Lifeform > 4 && p.Surface != 1 && p.Surface != kGasSurface &&
               std::any_of(p.Cities.begin(), p.Cities.end(), [](const TCity& c) { return c.Size == 1; });
    });
}

double PlayerBot::CapitalPrice(int system) const {
    const auto p = CapitalPlanet(system);
    if (!p)
        return 0;
    const TPlanet& planet =
        World().System(World().CurrentSector, system).Planets[static_cast<std::size_t>(*p)];
    for (const TCity& city : planet.Cities)
        if (city.Size == 1)
            return std::max(city.PriceFactor, 0.01);
    return 0;
}

double PlayerBot::CheapestEnergy() const {
    double cheapest = 1.0; // a guess until a capital is known
    bool any = false;
    for (int k = 1; k <= kSystemsPerSector; ++k)
        if (CapitalPlanet(k)) {
            cheapest = any ? std::min(cheapest, CapitalPrice(k)) : CapitalPrice(k);
            any = true;
        }
    return cheapest;
}

int PlayerBot::CostToCapital(int system) const {
    int best = kUnreachable;
    for (int k = 1; k <= kSystemsPerSector; ++k)
        if (CapitalPlanet(k))
            best = std::min(best, Drain(Distance(system, k)));
    return best;
}

bool PlayerBot::Held(int artefact) const {
    const auto& cargo = World().Cargo;
    return std::any_of(cargo.begin(), cargo.end(),
                       [&](const TCargoItem& i) { return i.StateIndex == artefact; });
}

bool PlayerBot::Delivered(int artefact) const {
    const auto& received = World().HQArtefacts;
    return std::any_of(received.begin(), received.end(),
                       [&](const TArtefact& a) { return !a.Name.empty() && a.Index == artefact; });
}

bool PlayerBot::Ordered(int artefact) const {
    const auto& order = World().FindIdx;
    return std::find(order.begin(), order.end(), artefact) != order.end();
}

bool PlayerBot::OrderedStillMissing(int sector) const {
    const int n = World().FindIdx[sector];
    return !Held(n) && !Delivered(n);
}

int PlayerBot::Sellables() const {
    const auto& cargo = World().Cargo;
    return static_cast<int>(std::count_if(cargo.begin(), cargo.end(),
                                          [&](const TCargoItem& i) { return !Ordered(i.StateIndex); }));
}

int PlayerBot::FreeSlots() const {
    return World().Captain.Storage * 3 - World().ItemsAboard();
}

bool PlayerBot::HoldsOrdered() const {
    const auto& cargo = World().Cargo;
    return std::any_of(cargo.begin(), cargo.end(),
                       [&](const TCargoItem& i) { return Ordered(i.StateIndex); });
}

// The sector to go to next: the lowest one whose ordered artefact is still
// out there, or the headquarter's once all four are found.
std::optional<int> PlayerBot::WantedSector() const {
    const TGameState& w = World();
    if (OrderedStillMissing(w.CurrentSector))
        return std::nullopt;
    for (int s = 1; s <= kSectorCount; ++s)
        if (OrderedStillMissing(s))
            return s;
    if (w.Headquarter.Sector != w.CurrentSector && HoldsOrdered())
        return w.Headquarter.Sector;
    return std::nullopt;
}

int PlayerBot::HyperdriveToBuy() const {
    const TGameState& w = World();
    int furthest = 0;
    for (int s = 1; s <= kSectorCount; ++s)
        if (OrderedStillMissing(s) || s == w.Headquarter.Sector)
            furthest = std::max(furthest, s);
    // Beyond the next sector a better drive waits in the next sector's shops.
    const int level = std::min({furthest - 1, w.CurrentSector, 3});
    return level > w.Captain.Hyperdrive ? level : 0;
}

std::optional<int> PlayerBot::UpgradeWish() const {
    const TCaptain& c = World().Captain;
    std::vector<int> wishes;
    const int drive = HyperdriveToBuy();
    // The gold cell first: it quarters what every flight burns.
    if (c.EnergyCell < 3)
        wishes.push_back(Node(kEnergyCellClass, 3));
    // Cheapest of all: a faster scan.
    if (c.Scanner < 2)
        wishes.push_back(Node(kScannerClass, 2));
    // Room for six finds or passengers before the first tunnel.
    if (c.Storage < 2)
        wishes.push_back(Node(kStorageClass, 2));
    if (drive)
        wishes.push_back(Node(kHyperdriveClass, drive));
    if (wishes.empty())
        return std::nullopt;
    return wishes.front();
}

// ---- choosing where to fly -------------------------------------------------

// The ship keeps its system number through the tunnel, so the system it
// leaves from decides where it comes out. Out there it wants a known capital
// within reach, or else many systems close together to scan its way to one.
std::optional<int> PlayerBot::TunnelSource(int sector) const {
    const TGameState& w = World();
    const int fuel = TransferFuel(w.Captain.Hyperdrive);
    std::optional<int> best;
    double bestScore = -1;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        const int arrival = w.Captain.Energy - Drain(Distance(w.CurrentSystem, k)) - fuel;
        if (arrival < 0)
            continue;
        double score = 0;
        for (int j = 1; j <= kSystemsPerSector; ++j) {
            const int cost = Drain(Distance(sector, k, j));
            if (cost > arrival)
                continue;
            const auto& planets = w.System(sector, j).Planets;
            const bool capital = std::any_of(planets.begin(), planets.end(), [](const TPlanet& p) {
                return p.Scanned && p.Lifeform > 3 && p.Surface != 1 && p.Surface != kGasSurface;
            });
            score += capital ? 100 : cost * 2 <= arrival ? 1 : 0.3;
        }
        // Flying to another system first costs energy the far side then lacks.
        score -= 0.2 * Drain(Distance(w.CurrentSystem, k));
        if (score > bestScore) {
            bestScore = score;
            best = k;
        }
    }
    return best;
}

std::optional<int> PlayerBot::ChooseTarget() const {
    const TGameState& w = World();
    const int here = w.CurrentSystem;
    const int energy = w.Captain.Energy;
    const int order = w.FindIdx[w.CurrentSector];
    const bool orderMissing = OrderedStillMissing(w.CurrentSector);
    const int free = FreeSlots();
    const int spare = free - (orderMissing ? 1 : 0);
    bool anyCapital = false;
    bool anyShop = false;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        anyCapital = anyCapital || CapitalPlanet(k).has_value();
        anyShop = anyShop || HasShop(k);
    }
    const auto wish = UpgradeWish();
    // Prices are rolled at 100 G$ per class and variant, and up to 49 more.
    const int wishPrice =
        wish ? 100 * (*wish / 4 + 1) * (*wish % 4) + 50 + static_cast<int>(100 * CheapestEnergy()) : 0;
    const bool wantTunnel = WantedSector().has_value();
    const int tunnelFuel = TransferFuel(std::max<int>(1, w.Captain.Hyperdrive));
    // Unknown capitals may sell cheaper than the dearest known ones.
    const double energyPrice = std::clamp(CheapestEnergy(), 0.3, 0.8);

    std::optional<int> best;
    double bestScore = 0;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        if (k == here)
            continue;
        const int d = Distance(here, k);
        if (energy - FlightCost(d, w.Captain.EnergyCell) < 0)
            continue;
        const int left = energy - Drain(d);
        // Without a known capital a reserve stays aboard to scan the way to one.
        const int needed = anyCapital ? (CapitalPlanet(k) ? 0 : CostToCapital(k)) : std::min(20, energy / 3);
        if (left < needed)
            continue;
        double value = 0;
        const TSystem& system = w.System(w.CurrentSector, k);
        int sellable = 0;
        for (std::size_t p = 0; p < system.Planets.size(); ++p) {
            const TPlanet& planet = system.Planets[p];
            if (planet.Artefact != 0 && planet.Artefact == order && orderMissing && free > 0)
                value += 10000;
            else if (planet.Artefact != 0 && !Ordered(planet.Artefact) && sellable < spare) {
                value += 50;
                ++sellable;
            }
            if (planet.PowerUp != 0)
                value += 15;
        }
        for (const TModulePlacement& m : w.AlienModules)
            if (m.Sector == w.CurrentSector && m.System == k)
                value += 20;
        if (w.Headquarter.Sector == w.CurrentSector && w.Headquarter.System == k && HoldsOrdered())
            value += 5000;
        for (const TTransportItem& job : w.Transport)
            if (job.Destination == system.Name)
                value += 3 * std::atoi(job.Price.c_str()) + 20;
        if (CapitalPlanet(k)) {
            value += 50 * Sellables();
            // Energy is worth what it saves against the dearest prices, if the budget can pay for it.
            const double price = CapitalPrice(k);
            const bool cheap = price <= CheapestEnergy() + 0.3;
            const int affordable =
                std::min(100 - left, static_cast<int>(w.Captain.Budget / std::max(price, 0.01)));
            if (energy < 70 && affordable > 5 && cheap)
                value += affordable * std::max(0.5, 3.5 - price);
            if (wantTunnel && energy < std::min(100, tunnelFuel + 25) && affordable > 5)
                value += 400;
            if (HasShop(k) && wish && w.Captain.Budget >= wishPrice)
                value += 600;
        }
        if (!Scanned(k)) {
            // Stranded without a known capital, or without a shop: the nearest systems first.
            // Otherwise a scan only pays when an artefact lies there, counted above.
            value += !anyCapital ? 600 : (!anyShop && wish && w.Captain.Budget >= wishPrice) ? 200 : 5;
        }
        // Back and forth between two cities earns nothing.
        if (std::find(recent_.begin(), recent_.end(), k) != recent_.end())
            value /= 4;
        // What the flight burns, at the cheapest price known.
        value -= Drain(d) * energyPrice;
        if (value <= 0)
            continue;
        const double score = value / (Drain(d) + 2);
        if (score > bestScore) {
            bestScore = score;
            best = k;
        }
    }
    return best;
}

// ---- a player's actions ----------------------------------------------------

void PlayerBot::OpenSystemPage() {
    if (window_.CurrentView() != TView::System)
        Click(window_.StatusArea()->btnSystem());
}

void PlayerBot::ScanHere() {
    OpenSystemPage();
    if (!Scanned(World().CurrentSystem)) {
        Click(window_.SystemPage()->btnScan());
        Step("scan: " + window_.StatusArea()->lblInfo()->text().toStdString());
    }
}

bool PlayerBot::FlyTo(int system) {
    const TGameState& w = World();
    const int from = w.CurrentSystem;
    const int d = Distance(from, system);
    Step("fly to K" + std::to_string(system) + " (" + std::to_string(d) + " ly)");
    Click(window_.StatusArea()->btnStarMap());
    TNewShape* marker = window_.SectorPage(w.CurrentSector)->marker(system);
    if (!marker || !marker->isVisible()) {
        Fail("no visible marker for K" + std::to_string(system));
        return false;
    }
    DoubleClick(marker);
    if (!window_.Session().InFlight()) {
        Fail("the flight did not start: " + window_.StatusArea()->lblInfo()->text().toStdString());
        return false;
    }
    ++flights_;
    recent_.push_back(from);
    if (recent_.size() > 4)
        recent_.pop_front();
    for (int t = 0; t < 1000 && window_.Session().InFlight(); ++t)
        window_.timMainTimer();
    if (w.CurrentSystem != system || window_.CurrentView() != TView::System) {
        Fail("the flight ended elsewhere");
        return false;
    }
    return true;
}

bool PlayerBot::ChangeSector(int sector) {
    Step("tunnel to sector " + std::to_string(sector));
    messages_.WantedSector = sector;
    // The sector button works from the map.
    Click(window_.StatusArea()->btnStarMap());
    Click(window_.StatusArea()->btnSector());
    if (window_.CurrentView() != TView::Tunnel) {
        Fail("the tunnel did not open: " + window_.StatusArea()->lblInfo()->text().toStdString());
        return false;
    }
    for (int t = 0; t < 100 && window_.Session().InFlight(); ++t)
        window_.timMainTimer();
    ++sectorChanges_;
    if (World().CurrentSector != sector) {
        Fail("the tunnel led elsewhere");
        return false;
    }
    return true;
}

void PlayerBot::WorkThisSystem() {
    ScanHere();
    const TGameState& w = World();
    const auto& planets = w.Here().Planets;
    for (std::size_t p = 0; p < planets.size() && !stuck_; ++p) {
        const TPlanet& planet = planets[p];
        if (planet.Surface == kGasSurface)
            continue;
        bool module = false;
        for (const TModulePlacement& m : w.AlienModules)
            module = module || (m.Sector == w.CurrentSector && m.System == w.CurrentSystem &&
                                m.Planet == static_cast<int>(p));
        const bool artefact = planet.Artefact != 0 && FreeSlots() > 0;
        const bool capital = CapitalPlanet(w.CurrentSystem) == static_cast<int>(p) && CityWorthAVisit();
        if (artefact || planet.PowerUp != 0 || module || capital)
            WorkSurface(static_cast<int>(p));
    }
    if (w.Headquarter.Sector == w.CurrentSector && w.Headquarter.System == w.CurrentSystem && HoldsOrdered())
        VisitHeadquarter();
}

void PlayerBot::WorkSurface(int p) {
    OpenSystemPage();
    DoubleClick(window_.SystemPage()->imgPlanet(p + 1));
    if (window_.CurrentView() != TView::Landscape) {
        Fail("could not land on planet " + std::to_string(p));
        return;
    }
    LandscapeView* surface = window_.LandscapePage();
    const TPlanet& planet = World().Here().Planets[static_cast<std::size_t>(p)];
    if (surface->imgArtefact()->isVisible() && FreeSlots() > 0) {
        const int n = planet.Artefact;
        const bool ordered = Ordered(n);
        const bool orderMissing = OrderedStillMissing(World().CurrentSector);
        // Keep a place for the order while it is still out there.
        if (ordered || !orderMissing || FreeSlots() > 1) {
            DoubleClick(surface->imgArtefact());
            Step("took artefact " + std::to_string(n) + (ordered ? " (ordered)" : ""));
        }
    }
    if (surface->imgPowerPack()->isVisible()) {
        DoubleClick(surface->imgPowerPack());
        Step("took a power pack");
    }
    if (surface->imgAlienModule()->isVisible()) {
        Click(surface->imgAlienModule());
        Step("took an alien module");
    }
    if (CapitalPlanet(World().CurrentSystem) == p && CityWorthAVisit())
        VisitCity(p);
    if (window_.CurrentView() == TView::Landscape)
        DoubleClick(surface->imgLandscape());
}

// Every visit costs a landing: only with something to sell, energy to buy,
// equipment affordable or room for passengers.
bool PlayerBot::CityWorthAVisit() const {
    const TCaptain& c = World().Captain;
    const auto wish = UpgradeWish();
    const bool shop = wish && c.Budget >= 100 * (*wish / 4 + 1) * (*wish % 4);
    const bool transport =
        !WantedSector() && FreeSlots() - (OrderedStillMissing(World().CurrentSector) ? 2 : 1) > 0;
    return Sellables() > 0 || (c.Energy < 100 && c.Budget > 0) || shop || transport;
}

void PlayerBot::VisitCity(int p) {
    const TPlanet& planet = World().Here().Planets[static_cast<std::size_t>(p)];
    int capital = 0;
    while (planet.Cities[static_cast<std::size_t>(capital)].Size != 1)
        ++capital;
    QLabel* city = window_.LandscapePage()->imgCity(capital + 1);
    if (!city->isVisible()) {
        Fail("the capital is not shown on planet " + std::to_string(p));
        return;
    }
    DoubleClick(city);
    if (window_.CurrentView() != TView::City) {
        Fail("could not enter the capital: " + window_.StatusArea()->lblInfo()->text().toStdString());
        return;
    }
    Step("entered " + planet.Cities[static_cast<std::size_t>(capital)].Name + ", energy at " +
         window_.Session().Visit.RefuelPrice + " G$");
    SellInCity();
    UpgradeInCity();
    RefuelInCity();
    TakeTransportInCity();
    Click(window_.CityPage()->findChild<QPushButton*>("btnCityExit"));
}

void PlayerBot::SellInCity() {
    CityView* city = window_.CityPage();
    auto* open = city->findChild<QPushButton*>("btnSellArtefacts");
    if (Sellables() == 0 || !open->isEnabled())
        return;
    Click(open);
    auto* list = city->findChild<QTreeWidget*>("lvwSellList");
    const auto& rows = window_.Session().Visit.SellList;
    int total = 0;
    for (int r = 0; r < list->topLevelItemCount() && r < static_cast<int>(rows.size()); ++r)
        if (!Ordered(rows[static_cast<std::size_t>(r)].Artefact)) {
            list->topLevelItem(r)->setSelected(true);
            total += list->topLevelItem(r)->text(1).toInt();
        }
    Click(city->findChild<QPushButton*>("btnSellSelection"));
    Step("sold for " + std::to_string(total) + " G$");
    Click(city->findChild<QPushButton*>("btnGoBack1"));
}

void PlayerBot::UpgradeInCity() {
    CityView* city = window_.CityPage();
    auto* open = city->findChild<QPushButton*>("btnGetUpgrade");
    const auto first = UpgradeWish();
    // Prices are 100 G$ per class and variant and up to 49 more: no visit to the shop without the money.
    if (!open->isVisible() || !first || World().Captain.Budget < 100 * (*first / 4 + 1) * (*first % 4))
        return;
    Click(open);
    QTreeWidget* tree = city->trvUpgrade();
    for (auto wish = UpgradeWish(); wish; wish = UpgradeWish()) {
        const int price = window_.Session().UpgradePrices[static_cast<std::size_t>(*wish)];
        // Energy comes first: what is left after filling up buys equipment.
        const int refuel = RefuelCost(window_.Session().Visit.RefuelPrice, 100 - World().Captain.Energy);
        if (World().Captain.Budget - price < refuel)
            break;
        tree->setCurrentItem(tree->topLevelItem(*wish / 4)->child(*wish % 4 - 1));
        const int level = World().Captain.Budget;
        Click(city->findChild<QPushButton*>("btnInstallItem"));
        Step("installed " + tree->currentItem()->text(0).toStdString());
        if (World().Captain.Budget == level) {
            Fail("the shop refused: " + city->lblPerson()->text().toStdString());
            return;
        }
        installed_.insert(*wish / 4 + 1);
    }
    Click(city->findChild<QPushButton*>("btnGoBack4"));
}

void PlayerBot::RefuelInCity() {
    const TCaptain& captain = World().Captain;
    if (captain.Energy >= 100 || captain.Budget <= 0)
        return;
    CityView* city = window_.CityPage();
    Click(city->findChild<QPushButton*>("btnGetRefuel"));
    const std::string& price = window_.Session().Visit.RefuelPrice;
    // Dear energy only to where the cheapest capital and a little more lie.
    int want = 100;
    if (CapitalPrice(World().CurrentSystem) > CheapestEnergy() + 0.3) {
        int toCheapest = 100;
        for (int k = 1; k <= kSystemsPerSector; ++k)
            if (CapitalPlanet(k) && CapitalPrice(k) <= CheapestEnergy() + 0.3)
                toCheapest = std::min(toCheapest, Drain(Distance(World().CurrentSystem, k)));
        want = std::min(100, toCheapest + 40);
    }
    int percent = std::max(0, want - captain.Energy);
    while (percent > 0 && RefuelCost(price, percent) > captain.Budget)
        --percent;
    if (percent > 0) {
        city->findChild<QSlider*>("srbRefuel")->setValue(percent);
        Click(city->findChild<QPushButton*>("btnFillEnergy"));
        Step("refuelled " + std::to_string(percent) + " %");
    }
    Click(city->findChild<QPushButton*>("btnGoBack2"));
}

void PlayerBot::TakeTransportInCity() {
    const int spare = FreeSlots() - 1 - (OrderedStillMissing(World().CurrentSector) ? 1 : 0);
    const auto& offers = window_.Session().Visit.Offers;
    // Jobs left aboard when the ship leaves the sector would block the hold for good.
    if (spare <= 0 || offers.empty() || WantedSector())
        return;
    // The destination that pays most for one trip.
    std::map<std::string, int> pay;
    for (const TTransportItem& offer : offers)
        pay[offer.Destination] += std::atoi(offer.Price.c_str());
    const auto best = std::max_element(pay.begin(), pay.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    CityView* city = window_.CityPage();
    Click(city->findChild<QPushButton*>("btnTransport"));
    auto* list = city->findChild<QTreeWidget*>("lvwTransObjects");
    int chosen = 0;
    for (int r = 0; r < list->topLevelItemCount() && chosen < spare; ++r)
        if (list->topLevelItem(r)->text(0).toStdString() == best->first) {
            list->topLevelItem(r)->setSelected(true);
            ++chosen;
        }
    if (chosen > 0) {
        Click(city->findChild<QPushButton*>("btnAcceptTransport"));
        Step("took " + std::to_string(chosen) + " jobs to " + best->first);
    }
    Click(city->findChild<QPushButton*>("btnGoBack6"));
}

void PlayerBot::VisitHeadquarter() {
    OpenSystemPage();
    QLabel* ship = window_.SystemPage()->imgSEROShip();
    if (!ship->isVisible()) {
        // The headquarter moved here on this very arrival: the view shows it once drawn again.
        Click(window_.StatusArea()->btnStarMap());
        Click(window_.StatusArea()->btnSystem());
    }
    if (!ship->isVisible()) {
        Fail("the SERO ship is not shown at the headquarter");
        return;
    }
    const std::size_t said = messages_.Said.size();
    Step("visit the headquarter");
    QTest::mouseDClick(ship, Qt::LeftButton, {}, ship->rect().center());
    if (std::find(messages_.Said.begin() + static_cast<std::ptrdiff_t>(said), messages_.Said.end(),
                  "headquarter") == messages_.Said.end())
        Fail("the headquarter's dialog did not open");
}

// With nothing worth a flight, the nearest system not yet scanned, else the
// nearest capital, that the energy still reaches.
std::optional<int> PlayerBot::NearestReachable() const {
    const TGameState& w = World();
    std::optional<int> best;
    int bestCost = kUnreachable;
    for (int pass = 0; pass < 2 && !best; ++pass)
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            const int d = Distance(w.CurrentSystem, k);
            const bool wanted = pass == 0 ? !Scanned(k) : CapitalPlanet(k).has_value();
            if (k == w.CurrentSystem || !wanted || w.Captain.Energy < FlightCost(d, w.Captain.EnergyCell))
                continue;
            if (Drain(d) < bestCost) {
                bestCost = Drain(d);
                best = k;
            }
        }
    return best;
}

bool PlayerBot::PlayToWin(int maxFlights) {
    // The start-up step opens the options dialog on the second game second.
    window_.timMainTimer();
    window_.timMainTimer();
    if (!window_.StartupStepDone()) {
        Fail("the start-up step did not run");
        return false;
    }
    galaxy_ = World().GalaxyName;
    Click(window_.StatusArea()->btnOrder());
    Step("order: " + (messages_.Said.empty() ? std::string() : messages_.Said.back()));
    while (!stuck_ && !messages_.NewGameOffered) {
        WorkThisSystem();
        if (stuck_ || messages_.NewGameOffered)
            break;
        if (flights_ >= maxFlights) {
            Fail("out of flights");
            break;
        }
        const TGameState& w = World();
        if (const auto sector = WantedSector()) {
            int drive = w.Captain.Hyperdrive;
            int next = *sector;
            // Beyond the drive's reach, the next sector's shops sell a better one.
            if (next - 1 > drive && drive >= w.CurrentSector)
                next = w.CurrentSector + 1;
            const bool ready = drive >= 1 && next - 1 <= drive && w.Captain.EnergyCell == 3 &&
                               w.Captain.Energy >= std::min(100, TransferFuel(drive) + 25) &&
                               (w.Captain.Budget >= 150 || HoldsOrdered());
            const auto source = ready ? TunnelSource(next) : std::nullopt;
            if (source && *source == w.CurrentSystem) {
                if (!ChangeSector(next))
                    break;
                continue;
            }
            if (source) {
                FlyTo(*source);
                continue;
            }
        }
        auto target = ChooseTarget();
        if (!target && CapitalPlanet(w.CurrentSystem) && w.Captain.Budget > 0 && w.Captain.Energy < 100) {
            // Money came in after the last refuel here (an event, a delivery): back into the city.
            WorkSurface(*CapitalPlanet(w.CurrentSystem));
            target = ChooseTarget();
        }
        if (!target)
            target = NearestReachable();
        if (!target) {
            Fail("no system worth a flight within reach");
            break;
        }
        FlyTo(*target);
    }
    if (stuck_)
        return false;
    Step("won: the headquarter offered a new game");
    return World().GalaxyName != galaxy_;
}

} // namespace veltrane::test
