#pragma once

// A bot that plays a whole game through the real window with nothing but a
// player's clicks, double clicks and slider moves. It reads the world to
// decide where to go, as a player who remembers the map would, and never
// writes it. When it gets stuck it says so with its last steps.

#include "BotDialogs.h"

#include "core/World.h"
#include "game/Headless.h"

#include <deque>
#include <optional>
#include <set>
#include <string>

namespace veltrane {
class FormMain;
}

namespace veltrane::test {

class PlayerBot {
  public:
    PlayerBot(FormMain& window, TManualClock& clock, BotDialogs& messages);

    // Closes the start-up options dialog, then plays until the headquarter
    // has all four artefacts and a new game is started. False when stuck or
    // after `maxFlights` flights; Log() then tells the last steps.
    bool PlayToWin(int maxFlights);

    std::string Log() const;
    int Flights() const { return flights_; }
    int SectorChanges() const { return sectorChanges_; }
    // The equipment classes (1 scanner ... 5 hyperdrive) bought in the shops.
    const std::set<int>& InstalledClasses() const { return installed_; }

  private:
    const TGameState& World() const;
    void Step(const std::string& what);
    void Fail(const std::string& why);

    // Reading the map.
    int Distance(int from, int to) const;
    int Distance(int sector, int from, int to) const;
    int Drain(int distance) const;
    bool Scanned(int system) const;
    std::optional<int> CapitalPlanet(int system) const;
    bool HasShop(int system) const;
    int CostToCapital(int system) const;
    // Energy price per percent at the system's capital.
    double CapitalPrice(int system) const;
    double CheapestEnergy() const;
    bool Held(int artefact) const;
    bool Delivered(int artefact) const;
    bool Ordered(int artefact) const;
    bool OrderedStillMissing(int sector) const;
    int Sellables() const;
    int FreeSlots() const;
    bool HoldsOrdered() const;
    std::optional<int> WantedSector() const;
    int HyperdriveToBuy() const;
    // The upgrade tree node wanted next and affordable with `budget`, if any.
    std::optional<int> UpgradeWish() const;

    // A player's actions.
    void OpenSystemPage();
    void ScanHere();
    bool FlyTo(int system);
    bool ChangeSector(int sector);
    void WorkThisSystem();
    void WorkSurface(int planet);
    bool CityWorthAVisit() const;
    void VisitCity(int planet);
    void SellInCity();
    void UpgradeInCity();
    void RefuelInCity();
    void TakeTransportInCity();
    void VisitHeadquarter();
    std::optional<int> ChooseTarget() const;
    std::optional<int> NearestReachable() const;
    std::optional<int> TunnelSource(int sector) const;

    FormMain& window_;
    TManualClock& clock_;
    BotDialogs& messages_;
    std::deque<std::string> log_;
    // The systems the last flights came from.
    std::deque<int> recent_;
    int steps_ = 0;
    int flights_ = 0;
    int sectorChanges_ = 0;
    std::set<int> installed_;
    bool stuck_ = false;
    std::string galaxy_;
};

} // namespace veltrane::test
