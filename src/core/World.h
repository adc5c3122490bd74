#pragma once

// The one game state: galaxy, artefacts, captain and ship, cargo and transport,
// the headquarter's order and whereabouts, the alien modules and the clock.
// Field names are the keys of the saved game without blanks.

#include "OneBased.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltrane {

inline constexpr int kSectorCount = 4;
inline constexpr int kSystemsPerSector = 150;
inline constexpr int kArtefactCount = 100;
inline constexpr int kModuleCount = 4;
inline constexpr int kMaxPlanets = 6;
inline constexpr int kMinCities = 2;
inline constexpr int kMaxCities = 4;
inline constexpr int kSurfaceTypes = 8;
inline constexpr int kGasSurface = 5;
inline constexpr int kAlienRaces = 30;
inline constexpr int kLandscapesPerType = 10;
inline constexpr int kCityPictures = 29;

// Colours are 0x00BBGGRR, the way the saved games store them.
using TColor = std::uint32_t;
inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kRed = 0x0000FF;
inline constexpr TColor kGreen = 0x008000;
inline constexpr TColor kYellow = 0x00FFFF;

struct TCity {
    std::int32_t PosX = 0;
    std::int32_t PosY = 0;
    std::string Name;
    bool Capital = false; // kept for the saved game; the capital is the city of Size 1
    std::int32_t CityImage = 0;
    std::uint8_t Size = 0;

    // The city profile: rolled again at every scan and every load, never saved.
    std::string Info;
    std::uint8_t EconomyKind = 0;
    std::uint8_t PoliceLevel = 0;
    double PriceFactor = 0.0;

    bool operator==(const TCity&) const = default;
};

struct TPlanet {
    std::int32_t PosX = 0;
    std::int32_t PosY = 0;
    std::uint8_t Size = 0;
    std::uint8_t Surface = 0;
    std::uint8_t Lifeform = 0;
    bool Scanned = false;
    std::int32_t ImageIndex = 0;
    std::string Name;
    std::vector<TCity> Cities;
    std::uint8_t CityImage = 0; // kept for the saved game only
    std::uint8_t Artefact = 0;
    std::uint8_t Landscape = 0;
    std::uint8_t AlienRace = 0;
    bool EventOccured = false;
    std::uint8_t SurfaceMirror = 0;
    std::uint8_t PowerUp = 0;

    bool operator==(const TPlanet&) const = default;
};

struct TSystem {
    std::int32_t PosX = 0;
    std::int32_t PosY = 0;
    std::uint8_t Size = 0;
    std::vector<TPlanet> Planets;
    std::string Name;
    TColor ShapeColor = 0;

    bool operator==(const TSystem&) const = default;
};

struct TSector {
    std::string Title; // kept for the saved game only
    OneBased<TSystem, kSystemsPerSector> Systems;

    bool operator==(const TSector&) const = default;
};

// Artefact table entry; also the record of the headquarter slots and location.
struct TArtefact {
    std::string Name;
    std::string Info;
    std::uint8_t Sector = 0;
    std::int32_t System = 0;
    std::int32_t Planet = 0;
    std::int32_t Index = 0;

    bool operator==(const TArtefact&) const = default;
};

struct TCaptain {
    std::string Name;
    std::int32_t Budget = 0;
    std::uint8_t Scanner = 0;
    std::uint8_t Storage = 0;
    std::uint8_t Navigator = 0;
    std::uint8_t StorageCapacity = 0; // always Storage * 3, never saved
    std::uint8_t Energy = 0;
    std::uint8_t EnergyCell = 0;
    std::uint8_t Hyperdrive = 0;
    std::uint8_t ImageIndex = 0;
    bool Module1 = false;
    bool Module2 = false;
    bool Module3 = false;
    bool Module4 = false;

    bool HasModule(int n) const;
    void SetModule(int n, bool owned);
    // Income and costs: the budget stops at the ends of its range instead of wrapping.
    void AddBudget(std::int64_t amount);

    bool operator==(const TCaptain&) const = default;
};

struct TCargoItem {
    std::string Name;
    std::int32_t StateIndex = 0; // the artefact number

    bool operator==(const TCargoItem&) const = default;
};

struct TTransportItem {
    std::string Destination;
    std::string Price;           // decimal G$, kept as text like the list shows it
    std::int32_t ImageIndex = 0; // 0 = freight, anything else = passengers

    bool operator==(const TTransportItem&) const = default;
};

struct TModulePlacement {
    std::int8_t Sector = 0;  // -1: missing from an old saved game, to be placed anew
    std::uint8_t System = 0; // 0 once the captain has taken the module
    std::uint8_t Planet = 0;

    bool operator==(const TModulePlacement&) const = default;
};

// How a play area larger than designed is drawn: smoothly to fill the screen,
// or by whole steps only, every picture pixel an even block.
enum class TScaling : std::uint8_t { Smooth, Sharp };

struct TGameOptions {
    bool Background = true;
    bool Effects = true;
    std::uint8_t RandomEvents = 50;
    std::string Language = "English.lng";
    std::string Resolution;      // written, never set
    std::uint8_t WindowType = 0; // 1 = standard window, anything else = full screen
    TScaling Scaling = TScaling::Smooth;
    // Base address of the server holding the version file and the installer.
    std::string UpdateHost = "http://veltrane.invalid";
    // The first-time hints of the info line belong to the player, not to one
    // game: switched on or off, and the ones already shown (by name).
    bool Hints = true;
    std::vector<std::string> HintsSeen;

    bool operator==(const TGameOptions&) const = default;
};

struct TGameState {
    OneBased<TSector, kSectorCount> Galaxy;
    OneBased<TArtefact, kArtefactCount> Artefacts;
    TCaptain Captain;
    std::vector<TCargoItem> Cargo;
    std::vector<TTransportItem> Transport;
    OneBased<std::int32_t, kSectorCount> FindIdx;
    OneBased<TArtefact, kModuleCount> HQArtefacts;
    TArtefact Headquarter;
    OneBased<TModulePlacement, kModuleCount> AlienModules;
    std::int32_t CurrentSector = 0;
    std::int32_t CurrentSystem = 0;
    std::int32_t GameSeconds = 0;
    std::uint8_t QSupport = 0;
    std::string GalaxyName;

    TSystem& System(int sector, int system) { return Galaxy[sector].Systems[system]; }
    const TSystem& System(int sector, int system) const { return Galaxy[sector].Systems[system]; }
    TSystem& Here() { return System(CurrentSector, CurrentSystem); }
    const TSystem& Here() const { return System(CurrentSector, CurrentSystem); }

    // Cargo and transport share the hold.
    int ItemsAboard() const { return static_cast<int>(Cargo.size() + Transport.size()); }
    bool HoldFull() const { return ItemsAboard() >= Captain.StorageCapacity; }

    bool operator==(const TGameState&) const = default;
};

} // namespace veltrane
