#include "SavedGame.h"

#include "FileIo.h"
#include "GameFileReader.h"
#include "IniSyntax.h"
#include "TextEncoding.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <unistd.h>

namespace veltrane {
namespace {

// The galaxy's section names, one per level, built in place for each system,
// planet and city in turn.
struct GalaxyNames {
    std::string sector;
    std::string system;
    std::string planet;
    std::string city;
};

void WriteByte(TMegaIni& ini, std::string_view section, std::string_view key, std::uint8_t value) {
    ini.WriteInteger(section, key, value);
}

// Scanned and Capital are stored the old way, -1 for true.
const char* OldTruth(bool value) {
    return value ? "-1" : "0";
}
const char* Flag(bool value) {
    return value ? "1" : "0";
}

void WriteCity(TMegaIni& ini, std::string_view section, const TCity& city) {
    ini.WriteString(section, "Name", city.Name);
    ini.WriteInteger(section, "PosX", city.PosX);
    ini.WriteInteger(section, "PosY", city.PosY);
    ini.WriteString(section, "Capital", OldTruth(city.Capital));
    ini.WriteInteger(section, "CityImage", city.CityImage);
    WriteByte(ini, section, "Size", city.Size);
}

void WritePlanet(TMegaIni& ini, std::string_view section, const TPlanet& planet, GalaxyNames& names) {
    ini.WriteString(section, "Name", planet.Name);
    ini.WriteInteger(section, "PosX", planet.PosX);
    ini.WriteInteger(section, "PosY", planet.PosY);
    WriteByte(ini, section, "Size", planet.Size);
    WriteByte(ini, section, "Lifeform", planet.Lifeform);
    ini.WriteInteger(section, "PosX", planet.PosX); // written twice since the first games; stays one key
    WriteByte(ini, section, "Surface", planet.Surface);
    WriteByte(ini, section, "SurfaceMirror", planet.SurfaceMirror);
    ini.WriteString(section, "Scanned", OldTruth(planet.Scanned));
    ini.WriteInteger(section, "ImageIndex", planet.ImageIndex);
    WriteByte(ini, section, "CityImage", planet.CityImage);
    WriteByte(ini, section, "Landscape", planet.Landscape);
    WriteByte(ini, section, "Artefact", planet.Artefact);
    WriteByte(ini, section, "AlienRace", planet.AlienRace);
    ini.WriteInteger(section, "Cities", static_cast<std::int64_t>(planet.Cities.size()));
    WriteByte(ini, section, "PowerUp", planet.PowerUp);
    ini.WriteString(section, "EventOccured", Flag(planet.EventOccured));
    for (std::size_t c = 0; c < planet.Cities.size(); ++c)
        WriteCity(ini, NumberedName(names.city, section, "|City", static_cast<int>(c)), planet.Cities[c]);
}

void WriteSystem(TMegaIni& ini, std::string_view section, const TSystem& system, GalaxyNames& names) {
    ini.WriteString(section, "Name", system.Name);
    ini.WriteInteger(section, "PosX", system.PosX);
    ini.WriteInteger(section, "PosY", system.PosY);
    WriteByte(ini, section, "Size", system.Size);
    ini.WriteInteger(section, "ShapeColor", static_cast<std::int32_t>(system.ShapeColor));
    ini.WriteInteger(section, "Planets", static_cast<std::int64_t>(system.Planets.size()));
    for (std::size_t p = 0; p < system.Planets.size(); ++p)
        WritePlanet(ini, NumberedName(names.planet, section, "|Planet", static_cast<int>(p)),
                    system.Planets[p], names);
}

// Every section WriteGameIni writes, so the file's sections are placed once.
std::size_t SectionsOf(const TGameState& world) {
    std::size_t sections =
        3 + 2 * kModuleCount + world.Cargo.size() + world.Transport.size(); // Captain, General, Headquarter
    for (int s = 1; s <= kSectorCount; ++s) {
        ++sections;
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            const TSystem& system = world.System(s, k);
            sections += 1 + system.Planets.size();
            for (const TPlanet& planet : system.Planets)
                sections += planet.Cities.size();
        }
    }
    return sections;
}

} // namespace

std::filesystem::path GamesFolder(const std::string& userFolder) {
    return std::filesystem::path(userFolder) / "Games";
}

std::string SaveFileName(const std::tm& t) {
    char name[40];
    std::snprintf(name, sizeof name, "%04d%02d%02d%02d%02d%02d.sav", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return name;
}

Result<std::string> NewSaveFileName(const std::filesystem::path& folder, const std::tm& localTime) {
    const std::string first = SaveFileName(localTime);
    const std::string stem = first.substr(0, first.size() - 4);
    constexpr int kLastSuffix = 99;
    for (int n = 1; n <= kLastSuffix; ++n) {
        char suffix[8] = "";
        if (n > 1)
            std::snprintf(suffix, sizeof suffix, "_%02d", n);
        const std::string name = stem + suffix + ".sav";
        std::error_code ec;
        // Anything of that name counts as taken: a file, a folder, a dangling link.
        const auto status = std::filesystem::symlink_status(folder / name, ec);
        if (status.type() == std::filesystem::file_type::not_found)
            return name;
        if (ec)
            return Error{"Cannot look into the folder \"" + folder.string() + "\": " + ec.message() + "."};
    }
    return Error{"Cannot name the saved game: \"" + folder.string() + "\" already holds " +
                 std::to_string(kLastSuffix) + " games saved at " + stem + "."};
}

Result<std::string> NewSaveFileName(const std::filesystem::path& folder) {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return NewSaveFileName(folder, local);
}

TMegaIni WriteGameIni(const TGameState& world, std::string_view gameName) {
    TMegaIni ini;
    ini.Reserve(SectionsOf(world));
    GalaxyNames names;
    for (int s = 1; s <= kSectorCount; ++s) {
        const std::string_view sector = NumberedName(names.sector, "", "Sector", s);
        ini.WriteString(sector, "Title", world.Galaxy[s].Title);
        for (int k = 1; k <= kSystemsPerSector; ++k)
            WriteSystem(ini, NumberedName(names.system, sector, "|System", k), world.System(s, k), names);
    }

    const TCaptain& captain = world.Captain;
    ini.WriteString("Captain", "Name", captain.Name);
    ini.WriteInteger("Captain", "Budget", captain.Budget);
    WriteByte(ini, "Captain", "Scanner", captain.Scanner);
    WriteByte(ini, "Captain", "Energy", captain.Energy);
    WriteByte(ini, "Captain", "EnergyCell", captain.EnergyCell);
    WriteByte(ini, "Captain", "Hyperdrive", captain.Hyperdrive);
    WriteByte(ini, "Captain", "Storage", captain.Storage);
    WriteByte(ini, "Captain", "ImageIndex", captain.ImageIndex);
    WriteByte(ini, "Captain", "Navigator", captain.Navigator);
    for (int n = 1; n <= kModuleCount; ++n)
        ini.WriteString("Captain", "Module" + std::to_string(n), Flag(captain.HasModule(n)));

    ini.WriteString("General", "Game name", gameName);
    ini.WriteInteger("General", "Current sector", world.CurrentSector);
    ini.WriteInteger("General", "Current system", world.CurrentSystem);
    ini.WriteInteger("General", "Game seconds", world.GameSeconds);
    WriteByte(ini, "General", "QSupport", world.QSupport);
    ini.WriteInteger("General", "Cargo items", static_cast<std::int64_t>(world.Cargo.size()));
    for (std::size_t i = 0; i < world.Cargo.size(); ++i) {
        const std::string section = "Cargo" + std::to_string(i + 1);
        ini.WriteString(section, "Name", world.Cargo[i].Name);
        ini.WriteInteger(section, "StateIndex", world.Cargo[i].StateIndex);
    }
    ini.WriteInteger("General", "Transport items", static_cast<std::int64_t>(world.Transport.size()));
    for (std::size_t i = 0; i < world.Transport.size(); ++i) {
        const std::string section = "Transport" + std::to_string(i + 1);
        ini.WriteString(section, "Destination", world.Transport[i].Destination);
        ini.WriteString(section, "Price", world.Transport[i].Price);
        ini.WriteInteger(section, "ImageIndex", world.Transport[i].ImageIndex);
    }
    // The slots have been numbered from 2 since the first version.
    for (int i = 1; i <= kModuleCount; ++i) {
        const std::string section = "HQ artefact" + std::to_string(i + 1);
        ini.WriteString(section, "Name", world.HQArtefacts[i].Name);
        ini.WriteInteger(section, "Index", world.HQArtefacts[i].Index);
    }
    for (int i = 1; i <= kSectorCount; ++i)
        ini.WriteInteger("General", "FindIdx" + std::to_string(i), world.FindIdx[i]);
    ini.WriteString("General", "Galaxy name", world.GalaxyName);
    for (int i = 1; i <= kModuleCount; ++i) {
        const std::string section = "Module" + std::to_string(i);
        const TModulePlacement& module = world.AlienModules[i];
        ini.WriteInteger(section, "Sector", module.Sector);
        ini.WriteInteger(section, "System", static_cast<std::int8_t>(module.System));
        ini.WriteInteger(section, "Planet", static_cast<std::int8_t>(module.Planet));
    }
    WriteByte(ini, "Headquarter", "Sector", world.Headquarter.Sector);
    ini.WriteInteger("Headquarter", "System", world.Headquarter.System);
    return ini;
}

namespace {

// The game saved over becomes <name>.bak under a second name for its file:
// nothing is copied or synced again, and the new game then takes the name by
// its own rename, so both files exist at every moment. Where the file system
// has no hard links (or the game is a link to another one) the bytes are copied.
Status KeepBackup(const std::filesystem::path& path) {
    const std::filesystem::path backup = BackupPath(path);
    std::filesystem::path link = backup;
    link += ".link";
    ::unlink(link.c_str()); // left by a save that was killed here
    if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, link.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        if (::rename(link.c_str(), backup.c_str()) == 0)
            return Status::Ok();
        ::unlink(link.c_str());
    }
    auto previous = ReadWholeFile(path);
    if (!previous)
        return previous.error();
    return WriteFileAtomically(backup, *previous);
}

} // namespace

Status SaveGame(const TGameState& world, std::string_view gameName, const std::filesystem::path& path) {
    if (path.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec)
            return Error{"Cannot create the folder \"" + path.parent_path().string() + "\": " + ec.message() +
                         "."};
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
        // One step back for a save over a game: better no save than a lost game.
        if (Status kept = KeepBackup(path); !kept)
            return kept;
    return WriteGameIni(world, gameName).Save(path);
}

std::filesystem::path BackupPath(const std::filesystem::path& path) {
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

Status Autosave(const TGameState& world, const std::string& userFolder) {
    return SaveGame(world, kAutosaveGameName, GamesFolder(userFolder) / kAutosaveFileName);
}

Result<TGameState> ReadGameIni(const TMegaIni& ini, const std::string& fileLabel, const TGameState& current,
                               const CityProfiler& profiler, TRandom& rng) {
    return TGameFileReader(ini, fileLabel).Read(current, profiler, rng);
}

Result<TGameState> ReadGameText(std::string bytes, const std::string& fileLabel, const TGameState& current,
                                const CityProfiler& profiler, TRandom& rng) {
    if (bytes.find('\0') != std::string::npos)
        return Error{"Cannot load \"" + fileLabel + "\": it holds binary data, not a saved game."};
    try {
        return ReadGameIni(TMegaIni::Parse(DecodeTextFile(std::move(bytes))), fileLabel, current, profiler,
                           rng);
    } catch (const std::bad_alloc&) {
        return OutOfMemoryReading(fileLabel);
    }
}

Result<TGameState> LoadGame(const std::filesystem::path& path, const TGameState& current,
                            const CityProfiler& profiler, TRandom& rng) {
    try {
        auto bytes = ReadWholeFile(path);
        if (!bytes)
            return bytes.error();
        return ReadGameText(std::move(*bytes), path.string(), current, profiler, rng);
    } catch (const std::bad_alloc&) {
        return OutOfMemoryReading(path);
    }
}

} // namespace veltrane
