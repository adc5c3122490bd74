#pragma once

// The world plus what the game keeps about the window between two player
// actions: the page shown, the flight under way, the planet landed on, what
// lies on its surface and which map markers a module filter hides.

#include "core/World.h"
#include "game/Ports.h"

#include <array>
#include <bitset>
#include <string>

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

struct TSession {
    TGameState World;

    TView CurrentView = TView::Sector1;
    // Distance of the system selected last, or of the flight under way.
    int PendingDistance = 0;
    TPassage Passage = TPassage::None;
    // Main-timer ticks since the passage started.
    int FlightTicks = 0;
    // Light years of the flight under way; selecting other systems meanwhile
    // does not change how long it lasts.
    int FlightDistance = 0;
    // The energy gauge during a flight; the captain's energy is settled on arrival.
    int FlightEnergy = 0;
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

    bool FilterOn(int module) const { return ModuleFilterActive.at(static_cast<std::size_t>(module - 1)); }
    bool MarkerHidden(int system) const { return HiddenMarkers.test(static_cast<std::size_t>(system - 1)); }
    bool InFlight() const { return Passage != TPassage::None; }
};

} // namespace veltrane
