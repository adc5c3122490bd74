#pragma once

// The world plus what the game keeps about the window between two player
// actions: the page shown, the flight under way, the planet landed on, what
// lies on its surface and which map markers a module filter hides.

#include "core/World.h"
#include "game/Ports.h"

#include <array>
#include <bitset>
#include <string>
#include <utility>
#include <vector>

namespace veltrane {

// What is under way on the main timer.
enum class TPassage {
    None,
    StarFlight, // a flight inside the sector
    Tunnel,     // a sector change
};

// One thing shown on a planet's surface.
struct TSurfaceItem {
    bool Visible = false;
    int Number = 0; // artefact or module number; unused for the power pack
    int Left = 0;
    int Top = 0;
    bool operator==(const TSurfaceItem&) const = default;
};

// One city picture on the surface.
struct TSurfaceCity {
    bool Visible = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Picture = 0; // "Pics/city<Picture>.bmp", chosen anew at every landing
    bool operator==(const TSurfaceCity&) const = default;
};

inline constexpr int kSurfaceCitySlots = 6;

struct TSurface {
    int Planet = -1;
    std::string Landscape; // the picture, relative to the program folder
    bool Mirrored = false; // left-right
    std::array<TSurfaceCity, kSurfaceCitySlots> Cities{};
    TSurfaceItem Artefact;
    TSurfaceItem PowerPack;
    TSurfaceItem Module;
    bool ShipsPass = false;
    bool operator==(const TSurface&) const = default;
};

// The dialogue panels of the city page; one shows at a time.
enum class TCityPanel { Main, Sell, Refuel, Upgrade, Transport };

struct TSellRow {
    std::string Name;
    std::string Price; // as the list shows it
    int Artefact = 0;
    bool operator==(const TSellRow&) const = default;
};

// What the city page shows during one visit.
struct TCityVisit {
    int City = 0;
    int EconomyKind = 0;
    int PoliceLevel = 0;
    int AlienRace = 0;
    int CityImage = 0;
    std::string Person; // what the city's person says
    TCityPanel Panel = TCityPanel::Main;
    bool SellEnabled = false;
    bool UpgradeOffered = false;
    // Prices are rolled once per visit, on first use.
    bool SellPricesRolled = false;
    bool UpgradePricesRolled = false;
    std::vector<TSellRow> SellList;
    std::string TotalProfit = "0 G$";
    std::string RefuelPrice; // the energy price per percent, two decimals
    std::vector<TTransportItem> Offers;
};

// The refuel slider; it and the cost it last showed outlive the visit.
struct TRefuelSlider {
    int Position = 0;
    int Maximum = 100;
    int PendingCost = 0;
    std::string PercentText = "0 %";
    std::string CostText;
};

inline constexpr int kUpgradeNodes = 20;

struct TSession {
    TGameState World;

    TView CurrentView = TView::Sector1;
    // Distance of the system selected last, or of the flight under way.
    int PendingDistance = 0;
    // The system of the current sector selected last (the map rings it); 0 before any.
    int SelectedSystem = 0;
    TPassage Passage = TPassage::None;
    // Main-timer ticks since the passage started.
    int FlightTicks = 0;
    // Light years of the flight under way; selecting other systems meanwhile
    // does not change how long it lasts.
    int FlightDistance = 0;
    // The energy gauge during a flight; the captain's energy is settled on arrival.
    int FlightEnergy = 0;
    // Where the passage under way began: a game saved meanwhile is saved as it stood there.
    int PassageFromSector = 0;
    int PassageFromSystem = 0;
    // The planet landed on last, and the city entered last.
    int CurrentPlanet = 0;
    int CurrentCity = 0;
    bool StartupStepDone = false;
    // Planet slots of the system page placed so far (the scan shows them one by one).
    int SystemSlotsBuilt = kMaxPlanets;
    // Scans running inside one another (a second press during the animation).
    int ScansRunning = 0;

    // At most one module filter is on; it hides markers of the current sector.
    std::array<bool, kModuleCount> ModuleFilterActive{};
    std::bitset<kSystemsPerSector> HiddenMarkers;

    TSurface Surface;
    TCityVisit Visit;
    TRefuelSlider Refuel;
    // The upgrade tree, classes with their variants in tree order; a variant's
    // text carries its price in brackets once prices are rolled.
    std::array<std::string, kUpgradeNodes> UpgradeTexts{};
    std::array<int, kUpgradeNodes> UpgradePrices{};

    bool FilterOn(int module) const { return ModuleFilterActive.at(static_cast<std::size_t>(module - 1)); }
    bool MarkerHidden(int system) const { return HiddenMarkers.test(static_cast<std::size_t>(system - 1)); }
    bool InFlight() const { return Passage != TPassage::None; }
};

// A new or loaded game: nothing of the old game's view state survives. The
// start-up step, the refuel slider and the shop's texts belong to the window
// and stay.
inline void ResetViewState(TSession& session) {
    TSession fresh;
    fresh.World = std::move(session.World);
    fresh.StartupStepDone = session.StartupStepDone;
    fresh.Refuel = session.Refuel;
    fresh.UpgradeTexts = session.UpgradeTexts;
    session = std::move(fresh);
}

} // namespace veltrane
