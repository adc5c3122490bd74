#include "GameFileReader.h"

#include "IniSyntax.h"
#include "QuotedText.h"

#include "core/Galaxy.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace veltrane {
namespace {

constexpr int kPlanetPictures = 3 * kSurfaceTypes; // three per surface type
constexpr int kCaptainPortraits = 4;
constexpr int kMaxListItems = 100;

std::string Number(std::int64_t n) {
    return std::to_string(n);
}

// Systems lie on the grid of the sector map the game generates; planets and
// cities are drawn on pages of the map's size. A position elsewhere was never
// written by a game, and the course and distance rules subtract positions.
const TMapArea& SystemArea() {
    static const TMapArea area = SystemGridArea(TMapGeometry{});
    return area;
}
constexpr TMapArea kPageArea{0, 0, TMapGeometry{}.Width, TMapGeometry{}.Height};

// An artefact is in one place at a time. A file that has one in two places is
// mended rather than refused: the carried one stays, else the first in the
// order the galaxy is read, and every other copy is taken off its planet.
void KeepEachArtefactOnce(TGameState& world) {
    std::array<bool, kArtefactCount + 1> placed{};
    for (const TCargoItem& item : world.Cargo)
        placed[static_cast<std::size_t>(item.StateIndex)] = true; // 1 to 100, checked on reading
    for (TSector& sector : world.Galaxy)
        for (TSystem& system : sector.Systems)
            for (TPlanet& planet : system.Planets)
                if (planet.Artefact != 0 && std::exchange(placed[planet.Artefact], true))
                    planet.Artefact = 0;
}

} // namespace

std::optional<std::string_view> TGameFileReader::Value(std::string_view section, std::string_view key) const {
    if (!last_ || lastName_ != section) {
        lastName_ = section;
        // Sections are read in the order they were written: the one after the last comes next.
        last_ = ini_.SectionPosition(section, last_ ? *last_ + 1 : 0);
        nextEntry_ = 0;
    }
    if (!last_)
        return std::nullopt;
    const TMegaIni::Section& found = ini_.SectionAt(*last_);
    const auto at = TMegaIni::EntryPosition(found, key, nextEntry_);
    if (!at)
        return std::nullopt;
    nextEntry_ = *at + 1;
    return found.entries[*at].value;
}

std::string TGameFileReader::Text(std::string_view section, std::string_view key,
                                  std::string_view def) const {
    return std::string(Value(section, key).value_or(def));
}

std::int32_t TGameFileReader::Integer(std::string_view section, std::string_view key,
                                      std::int32_t def) const {
    const auto text = Value(section, key);
    return text ? ParseIniInt(*text).value_or(def) : def;
}

std::int32_t TGameFileReader::SmallInteger(std::string_view section, std::string_view key, std::int32_t def,
                                           std::int32_t low, std::int32_t high) {
    const std::int32_t value = Integer(section, key, def);
    if (value >= low && value <= high)
        return value;
    // Quoted as written: wrapped into the field, 257 would pass for 1.
    Require(false, section, key,
            QuotedText(Value(section, key).value_or("")) + " does not fit the field (" + Number(low) +
                " to " + Number(high) + ")");
    return def;
}

std::uint8_t TGameFileReader::Byte(std::string_view section, std::string_view key, std::uint8_t def) {
    return static_cast<std::uint8_t>(SmallInteger(section, key, def, 0, UINT8_MAX));
}

std::int8_t TGameFileReader::SignedByte(std::string_view section, std::string_view key, std::int8_t def) {
    return static_cast<std::int8_t>(SmallInteger(section, key, def, INT8_MIN, INT8_MAX));
}

bool TGameFileReader::Flag(std::string_view section, std::string_view key) const {
    return Integer(section, key, 0) != 0;
}

bool TGameFileReader::Truth(std::string_view section, std::string_view key) {
    const auto text = Value(section, key).value_or("0");
    if (const auto n = ParseIniInt(text))
        return *n != 0;
    if (SameIniName(text, "true"))
        return true;
    if (SameIniName(text, "false"))
        return false;
    Require(false, section, key, QuotedText(text) + " is neither a number nor True or False");
    return false;
}

bool TGameFileReader::Require(bool ok, std::string_view section, std::string_view key,
                              const std::string& what) {
    if (!ok && !error_)
        error_ = Error{"Cannot load \"" + file_ + "\": section \"" + std::string(section) + "\", key \"" +
                       std::string(key) + "\": " + what + "."};
    return ok && !error_;
}

bool TGameFileReader::InRange(std::int64_t value, std::int64_t low, std::int64_t high,
                              std::string_view section, std::string_view key, std::string_view what) {
    if (value >= low && value <= high)
        return !error_;
    // The message is made only for a value that is refused.
    return Require(false, section, key,
                   Number(value) + " is not " + std::string(what) + " (" + Number(low) + " to " +
                       Number(high) + ")");
}

Result<TGameState> TGameFileReader::Read(const TGameState& current, const CityProfiler& profiler,
                                         TRandom& rng) {
    if (!ini_.HasSection("Captain") || !ini_.HasSection("General"))
        return Error{"Cannot load \"" + file_ +
                     "\": it is not a saved game (the sections \"Captain\" and "
                     "\"General\" are missing)."};

    // Everything the file does not hold comes from the running game.
    TGameState world = current;
    if (ReadGalaxy(world, profiler) && ReadCaptain(world.Captain) && ReadGeneral(world) && ReadLists(world) &&
        ReadOrderAndModules(world, rng) && ReadHeadquarter(world) && !error_) {
        KeepEachArtefactOnce(world);
        return world;
    }
    return error_.value_or(Error{"Cannot load \"" + file_ + "\"."});
}

bool TGameFileReader::ReadGalaxy(TGameState& world, const CityProfiler& profiler) {
    for (int s = 1; s <= kSectorCount; ++s) {
        const std::string_view sector = NumberedName(sectorName_, "", "Sector", s);
        world.Galaxy[s].Title = Text(sector, "Title", "???");
        for (int k = 1; k <= kSystemsPerSector; ++k)
            if (!ReadSystem(world.System(s, k), NumberedName(systemName_, sector, "|System", k), profiler))
                return false;
    }
    return true;
}

bool TGameFileReader::ReadSystem(TSystem& system, std::string_view section, const CityProfiler& profiler) {
    system.Name = Text(section, "Name", "???");
    // A file without the galaxy (a damaged one) gets its systems on the map, so
    // that the refusal names what is wrong further on.
    system.PosX = Integer(section, "PosX", SystemArea().MinX);
    system.PosY = Integer(section, "PosY", SystemArea().MinY);
    if (!InRange(system.PosX, SystemArea().MinX, SystemArea().MaxX, section, "PosX",
                 "a position on the sector map") ||
        !InRange(system.PosY, SystemArea().MinY, SystemArea().MaxY, section, "PosY",
                 "a position on the sector map"))
        return false;
    system.Size = Byte(section, "Size", 0);
    system.ShapeColor =
        static_cast<TColor>(Integer(section, "ShapeColor", static_cast<std::int32_t>(kWhite)));
    const std::int32_t planets = Integer(section, "Planets", 0);
    if (!InRange(planets, 0, kMaxPlanets, section, "Planets", "a number of planets"))
        return false;
    system.Planets.resize(static_cast<std::size_t>(planets));
    for (int p = 0; p < planets; ++p)
        if (!ReadPlanet(system.Planets[static_cast<std::size_t>(p)],
                        NumberedName(planetName_, section, "|Planet", p), profiler))
            return false;
    return true;
}

bool TGameFileReader::ReadPlanet(TPlanet& planet, std::string_view section, const CityProfiler& profiler) {
    planet.Name = Text(section, "Name", "???");
    planet.PosX = Integer(section, "PosX", 0);
    planet.PosY = Integer(section, "PosY", 0);
    planet.Size = Byte(section, "Size", 0);
    planet.Lifeform = Byte(section, "Lifeform", 0);
    planet.Surface = Byte(section, "Surface", 0);
    planet.SurfaceMirror = Byte(section, "SurfaceMirror", 0);
    planet.Scanned = Truth(section, "Scanned");
    planet.ImageIndex = Integer(section, "ImageIndex", 0);
    planet.CityImage = Byte(section, "CityImage", 0);
    planet.Landscape = Byte(section, "Landscape", 0);
    planet.Artefact = Byte(section, "Artefact", 0);
    planet.AlienRace = std::min<std::uint8_t>(Byte(section, "AlienRace", 0), kAlienRaces);
    planet.PowerUp = Byte(section, "Powerup", 0); // written "PowerUp": the same key, case does not count
    planet.EventOccured = Flag(section, "EventOccured");
    const std::int32_t cities = Integer(section, "Cities", 0);

    // The picture is 66 div Size pixels wide: a size of 0 would divide by zero.
    if (!InRange(planet.PosX, kPageArea.MinX, kPageArea.MaxX, section, "PosX",
                 "a position in the system view") ||
        !InRange(planet.PosY, kPageArea.MinY, kPageArea.MaxY, section, "PosY",
                 "a position in the system view") ||
        !InRange(planet.Size, 1, 3, section, "Size", "a planet size") ||
        !InRange(planet.Surface, 1, kSurfaceTypes, section, "Surface", "a surface type") ||
        !InRange(planet.Lifeform, 0, 5, section, "Lifeform", "a life form") ||
        !InRange(planet.ImageIndex, -1, kPlanetPictures - 1, section, "ImageIndex", "a planet picture") ||
        !InRange(planet.Landscape, 0, kLandscapesPerType, section, "Landscape", "a landscape picture") ||
        !InRange(planet.Artefact, 0, kArtefactCount, section, "Artefact", "an artefact number") ||
        !InRange(cities, 0, kMaxCities, section, "Cities", "a number of cities"))
        return false;

    planet.Cities.resize(static_cast<std::size_t>(cities));
    for (int c = 0; c < cities; ++c)
        if (!ReadCity(planet.Cities[static_cast<std::size_t>(c)],
                      NumberedName(cityName_, section, "|City", c), planet, profiler))
            return false;
    return true;
}

bool TGameFileReader::ReadCity(TCity& city, std::string_view section, const TPlanet& planet,
                               const CityProfiler& profiler) {
    city.Name = Text(section, "Name", "???");
    city.PosX = Integer(section, "PosX", 0);
    city.PosY = Integer(section, "PosY", 0);
    city.Capital = Truth(section, "Capital");
    city.CityImage = Integer(section, "CityImage", 0);
    city.Size = Byte(section, "Size", 0);

    // Cities of an unscanned planet are still empty; a scanned planet's cities
    // are drawn (100 div Size pixels wide) and need their picture.
    const int least = planet.Scanned ? 1 : 0;
    if (!InRange(city.PosX, kPageArea.MinX, kPageArea.MaxX, section, "PosX",
                 "a position on the planet's surface") ||
        !InRange(city.PosY, kPageArea.MinY, kPageArea.MaxY, section, "PosY",
                 "a position on the planet's surface") ||
        !InRange(city.CityImage, least, kCityPictures, section, "CityImage", "a city picture") ||
        !InRange(city.Size, least, 3, section, "Size", "a city size"))
        return false;

    if (profiler) {
        const Status rolled = profiler(planet.Lifeform, city);
        // The city templates come from the program's language script, not from
        // this file: the fault is named as the script's.
        if (!rolled) {
            if (!error_)
                error_ = Error{"Cannot load \"" + file_ +
                               "\": the language script cannot describe the city of section \"" +
                               std::string(section) +
                               "\", a fault of the script, not of the saved game: " + rolled.error().message};
            return false;
        }
    }
    return true;
}

bool TGameFileReader::ReadCaptain(TCaptain& captain) {
    const char* const s = "Captain";
    captain.Name = Text(s, "Name", "???");
    captain.Budget = Integer(s, "Budget", 100);
    captain.Scanner = Byte(s, "Scanner", 1);
    captain.Energy = Byte(s, "Energy", 100);
    captain.EnergyCell = Byte(s, "EnergyCell", 1);
    captain.Storage = Byte(s, "Storage", 1);
    captain.Hyperdrive = Byte(s, "Hyperdrive", 1);
    captain.StorageCapacity = static_cast<std::uint8_t>(captain.Storage * 3);
    captain.ImageIndex = Byte(s, "ImageIndex", 1);
    captain.Navigator = Byte(s, "Navigator", 0);
    for (int n = 1; n <= kModuleCount; ++n)
        captain.SetModule(n, Flag(s, "Module" + std::to_string(n)));

    // Money only ever drops to zero; a budget below it was never played.
    return InRange(captain.Budget, 0, INT32_MAX, s, "Budget", "a budget") &&
           InRange(captain.Scanner, 1, 3, s, "Scanner", "a scanner level") &&
           InRange(captain.Energy, 0, 100, s, "Energy", "an energy level in percent") &&
           InRange(captain.EnergyCell, 1, 3, s, "EnergyCell", "an energy cell level") &&
           InRange(captain.Storage, 1, 3, s, "Storage", "a storage level") &&
           InRange(captain.Hyperdrive, 0, 3, s, "Hyperdrive", "a hyperdrive level") &&
           InRange(captain.ImageIndex, 1, kCaptainPortraits, s, "ImageIndex", "a captain's portrait") &&
           InRange(captain.Navigator, 0, 3, s, "Navigator", "a navigator level");
}

bool TGameFileReader::ReadGeneral(TGameState& world) {
    const char* const s = "General";
    world.CurrentSector = Integer(s, "Current sector", 1);
    world.CurrentSystem = Integer(s, "Current system", 1);
    world.GameSeconds = Integer(s, "Game seconds", 0);
    world.QSupport = Byte(s, "QSupport", 0);
    return InRange(world.GameSeconds, 0, INT32_MAX, s, "Game seconds", "a game time in seconds") &&
           InRange(world.CurrentSector, 1, kSectorCount, s, "Current sector", "a sector number") &&
           InRange(world.CurrentSystem, 1, kSystemsPerSector, s, "Current system", "a system number");
}

bool TGameFileReader::ReadLists(TGameState& world) {
    const std::int32_t cargo = Integer("General", "Cargo items", 0);
    if (!InRange(cargo, 0, kMaxListItems, "General", "Cargo items", "a number of cargo items"))
        return false;
    world.Cargo.clear();
    for (int i = 1; i <= cargo; ++i) {
        const std::string section = "Cargo" + std::to_string(i);
        if (!ListSectionPresent("Cargo items", cargo, section))
            return false;
        TCargoItem item;
        item.Name = Text(section, "Name", "???");
        item.StateIndex = Integer(section, "StateIndex", 0);
        if (!InRange(item.StateIndex, 1, kArtefactCount, section, "StateIndex", "an artefact number"))
            return false;
        world.Cargo.push_back(std::move(item));
    }

    const std::int32_t transport = Integer("General", "Transport items", 0);
    if (!InRange(transport, 0, kMaxListItems, "General", "Transport items", "a number of transport items"))
        return false;
    world.Transport.clear();
    for (int i = 1; i <= transport; ++i) {
        const std::string section = "Transport" + std::to_string(i);
        if (!ListSectionPresent("Transport items", transport, section))
            return false;
        TTransportItem item;
        item.Destination = Text(section, "Destination", "???");
        item.Price = Text(section, "Price", "0");
        item.ImageIndex = Integer(section, "ImageIndex", 0);
        // The price is paid out on delivery and must be a sum of money.
        const auto price = ParseIniInt(item.Price);
        if (!Require(price.has_value(), section, "Price",
                     QuotedText(item.Price) + " is not a sum of money") ||
            !InRange(*price, 0, INT32_MAX, section, "Price", "a price"))
            return false;
        world.Transport.push_back(std::move(item));
    }
    return true;
}

bool TGameFileReader::ListSectionPresent(std::string_view countKey, std::int32_t count,
                                         const std::string& section) {
    return Require(ini_.HasSection(section), "General", countKey,
                   Number(count) + " items, but the file has no section \"" + section + "\"");
}

bool TGameFileReader::ReadOrderAndModules(TGameState& world, TRandom& rng) {
    for (int i = 1; i <= kModuleCount; ++i) {
        const std::string slot = "HQ artefact" + std::to_string(i + 1);
        world.HQArtefacts[i].Name = Text(slot, "Name", "");
        world.HQArtefacts[i].Index = Integer(slot, "Index", 0);
        if (!InRange(world.HQArtefacts[i].Index, 0, kArtefactCount, slot, "Index", "an artefact number"))
            return false;

        // 0 marks a file from before the order; the game chooses one then.
        const std::string wanted = "FindIdx" + std::to_string(i);
        world.FindIdx[i] = Integer("General", wanted, 0);
        if (!InRange(world.FindIdx[i], 0, kArtefactCount, "General", wanted, "an artefact number"))
            return false;

        const std::string section = "Module" + std::to_string(i);
        TModulePlacement& module = world.AlienModules[i];
        module.Sector = SignedByte(section, "Sector", -1);
        module.System = static_cast<std::uint8_t>(SignedByte(section, "System", 0));
        module.Planet = static_cast<std::uint8_t>(SignedByte(section, "Planet", 0));
        // Sector -1 or 0: not placed yet; System 0: the captain has taken it.
        if (!InRange(module.Sector, -1, kSectorCount, section, "Sector", "a sector number"))
            return false;
        if (module.Sector >= 1 && module.System != 0) {
            if (!InRange(module.System, 1, kSystemsPerSector, section, "System", "a system number"))
                return false;
            const auto planets = world.System(module.Sector, module.System).Planets.size();
            if (!Require(module.Planet < planets, section, "Planet",
                         Number(module.Planet) + " is not a planet of that system (it has " +
                             Number(static_cast<std::int64_t>(planets)) + ")"))
                return false;
        }
    }

    if (const auto name = Value("General", "Galaxy name"))
        world.GalaxyName = std::string(*name);
    else
        world.GalaxyName = RandomName(rng);
    return true;
}

bool TGameFileReader::ReadHeadquarter(TGameState& world) {
    TArtefact& hq = world.Headquarter;
    hq.Sector = Byte("Headquarter", "Sector", 0);
    hq.System = Integer("Headquarter", "System", 0);
    if (hq.Sector == 0)
        return true; // a file from before the headquarter moved: the game places it anew
    if (!InRange(hq.Sector, 1, kSectorCount, "Headquarter", "Sector", "a sector number") ||
        !InRange(hq.System, 1, kSystemsPerSector, "Headquarter", "System", "a system number"))
        return false;
    hq.Name = world.System(hq.Sector, hq.System).Name;
    return true;
}

} // namespace veltrane
