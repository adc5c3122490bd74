#pragma once

// Reads one parsed saved game into a fresh world and checks, value by value,
// that the game can use it. The first value it cannot use ends the reading
// with a message naming the file, the section and the key.

#include "MegaIni.h"
#include "SavedGame.h"

#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

class TGameFileReader {
  public:
    TGameFileReader(const TMegaIni& ini, std::string fileLabel) : ini_(ini), file_(std::move(fileLabel)) {}

    Result<TGameState> Read(const TGameState& current, const CityProfiler& profiler, TRandom& rng);

  private:
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    std::string Text(std::string_view section, std::string_view key, std::string_view def) const;
    std::int32_t Integer(std::string_view section, std::string_view key, std::int32_t def) const;
    // A value outside [low, high] is refused as written, never wrapped.
    std::int32_t SmallInteger(std::string_view section, std::string_view key, std::int32_t def,
                              std::int32_t low, std::int32_t high);
    std::uint8_t Byte(std::string_view section, std::string_view key, std::uint8_t def);
    std::int8_t SignedByte(std::string_view section, std::string_view key, std::int8_t def);
    bool Flag(std::string_view section, std::string_view key) const;
    // "-1"/"0", any non-zero number, or True/False in any case; anything else refused.
    bool Truth(std::string_view section, std::string_view key);

    // Records the first refusal; later checks keep quiet.
    bool Require(bool ok, std::string_view section, std::string_view key, const std::string& what);
    bool InRange(std::int64_t value, std::int64_t low, std::int64_t high, std::string_view section,
                 std::string_view key, std::string_view what);

    bool ReadGalaxy(TGameState& world, const CityProfiler& profiler);
    bool ReadSystem(TSystem& system, std::string_view section, const CityProfiler& profiler);
    bool ReadPlanet(TPlanet& planet, std::string_view section, const CityProfiler& profiler);
    bool ReadCity(TCity& city, std::string_view section, const TPlanet& planet, const CityProfiler& profiler);
    bool ReadCaptain(TCaptain& captain);
    bool ReadGeneral(TGameState& world);
    bool ReadLists(TGameState& world);
    // Every item of a list counted in "General" has a section of its own.
    bool ListSectionPresent(std::string_view countKey, std::int32_t count, const std::string& section);
    bool ReadOrderAndModules(TGameState& world, TRandom& rng);
    bool ReadHeadquarter(TGameState& world);

    const TMegaIni& ini_;
    std::string file_;
    std::optional<Error> error_;
    // Keys are read section by section and mostly in the order they were
    // written: remember the last section found and where its next key is likely.
    mutable std::string lastName_;
    mutable std::optional<std::size_t> last_;
    mutable std::size_t nextEntry_ = 0;
    // The names of the sections of the galaxy, one per level, built in place
    // for each system, planet and city in turn.
    std::string sectorName_;
    std::string systemName_;
    std::string planetName_;
    std::string cityName_;
};

} // namespace veltrane
