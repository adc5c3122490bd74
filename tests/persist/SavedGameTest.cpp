#include "persist/SavedGame.h"
#include "persist/GameList.h"

#include "core/Galaxy.h"

#include "SavedGameText.h"
#include "ScannedGalaxy.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace veltrane {
namespace {

using namespace veltrane::test;

const CityProfiler kKeepProfile = [](int, TCity&) { return Status::Ok(); };

Result<TGameState> LoadText(const std::string& text, const TGameState& current = {}, std::uint64_t seed = 1) {
    TRandom rng(seed);
    return ReadGameText(text, "test.sav", current, kKeepProfile, rng);
}

std::string TextOf(const TGameState& world, std::string_view name = "A game") {
    return WriteGameIni(world, name).Serialize();
}

const TGameState& ScannedWorld() {
    static const TGameState world = MakeScannedWorld(11);
    return world;
}

// What a load must give back: everything but the artefact table, which is not
// in the file and comes from the running game.
TGameState Expected(TGameState saved, const TGameState& current) {
    saved.Artefacts = current.Artefacts;
    return saved;
}

std::vector<std::string> SectionHeaders(const std::string& text) {
    std::vector<std::string> headers;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line.front() == '[')
            headers.push_back(line);
    return headers;
}

std::vector<std::string> SectionLines(const std::string& text, std::string_view section) {
    const auto [begin, end] = SectionSpan(text, section);
    std::vector<std::string> lines;
    std::istringstream in(text.substr(begin, end - begin));
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line.front() != '[')
            lines.push_back(line);
    return lines;
}

TEST(SaveLoadRoundTrip, NewGameComesBackByteForByte) {
    const TGameState world = MakeNewWorld(3);
    const std::string first = TextOf(world);
    const TGameState blank;
    const auto loaded = LoadText(first, blank);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(*loaded, Expected(world, blank));
    EXPECT_EQ(TextOf(*loaded), first);
}

TEST(SaveLoadRoundTrip, FullyScannedGalaxyComesBackByteForByte) {
    const std::string first = TextOf(ScannedWorld(), "Deep in the game");
    const TGameState blank;
    const auto loaded = LoadText(first, blank);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(*loaded, Expected(ScannedWorld(), blank));
    EXPECT_EQ(TextOf(*loaded, "Deep in the game"), first);
    EXPECT_EQ(loaded->Captain.StorageCapacity, 9);
    EXPECT_EQ(loaded->Headquarter.Name, ScannedWorld().System(4, 99).Name);
}

TEST(SaveLoadRoundTrip, ThroughTheDiskToo) {
    TempFolder folder;
    const auto path = folder / "Games" / "20240101000000.sav"; // the Games folder is created
    ASSERT_TRUE(SaveGame(ScannedWorld(), "Disk", path));
    TRandom rng(1);
    const auto loaded = LoadGame(path, TGameState{}, kKeepProfile, rng);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(*loaded, Expected(ScannedWorld(), TGameState{}));
    EXPECT_EQ(ReadBytes(path), TextOf(ScannedWorld(), "Disk"));
}

// One raw byte once made the reader take the whole file as Windows-1252.
TEST(SavedGameLayout, RawBytesAndNulsAreWrittenAsUtf8TheReaderKeeps) {
    TGameState world = ScannedWorld();
    world.Captain.Name = "Zo\xC3\xAB \xFF";
    world.Cargo[0].Name = std::string("a\0b", 3); // a NUL would make the file binary to the reader
    const std::string text = TextOf(world, "Caf\xE9");
    EXPECT_NE(text.find("\nGame name=Caf\xC3\xA9\n"), std::string::npos);
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->Captain.Name, "Zo\xC3\xAB \xC3\xBF");
    EXPECT_EQ(loaded->Cargo[0].Name, "a b");
}

TEST(SavedGameLayout, SectionsComeInTheirOrder) {
    const TGameState& world = ScannedWorld();
    const auto headers = SectionHeaders(TextOf(world));
    std::vector<std::string> tail(headers.end() - 18, headers.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"[Captain]", "[General]", "[Cargo1]", "[Cargo2]", "[Cargo3]",
                                              "[Cargo4]", "[Transport1]", "[Transport2]", "[Transport3]",
                                              "[HQ artefact2]", "[HQ artefact3]", "[HQ artefact4]",
                                              "[HQ artefact5]", "[Module1]", "[Module2]", "[Module3]",
                                              "[Module4]", "[Headquarter]"}));
    EXPECT_EQ(headers[0], "[Sector1]");
    EXPECT_EQ(headers[1], "[Sector1|System1]");
    EXPECT_EQ(headers[2], "[Sector1|System1|Planet0]");
    EXPECT_EQ(headers[3], "[Sector1|System1|Planet0|City0]");
}

TEST(SavedGameLayout, GeneralHoldsItsKeysInWritingOrder) {
    const auto lines = SectionLines(TextOf(ScannedWorld(), "Name"), "General");
    std::vector<std::string> keys;
    for (const auto& line : lines)
        keys.push_back(line.substr(0, line.find('=')));
    EXPECT_EQ(keys, (std::vector<std::string>{"Game name", "Current sector", "Current system", "Game seconds",
                                              "QSupport", "Cargo items", "Transport items", "FindIdx1",
                                              "FindIdx2", "FindIdx3", "FindIdx4", "Galaxy name"}));
}

TEST(SavedGameLayout, PlanetKeysHoldPosXOnceAndTheOldTruthWords) {
    TGameState world = MakeNewWorld(5);
    TPlanet& planet = world.System(1, 1).Planets[0];
    planet.Scanned = true;
    planet.EventOccured = true;
    planet.Cities[0].Capital = true;
    planet.PowerUp = 1;
    const std::string text = TextOf(world);
    EXPECT_EQ(
        SectionLines(text, "Sector1|System1|Planet0"),
        (std::vector<std::string>{
            "Name=" + planet.Name, "PosX=" + std::to_string(planet.PosX),
            "PosY=" + std::to_string(planet.PosY), "Size=" + std::to_string(planet.Size), "Lifeform=0",
            "Surface=" + std::to_string(planet.Surface), "SurfaceMirror=0", "Scanned=-1", "ImageIndex=-1",
            "CityImage=0", "Landscape=0", "Artefact=" + std::to_string(planet.Artefact), "AlienRace=0",
            "Cities=" + std::to_string(planet.Cities.size()), "PowerUp=1", "EventOccured=1"}));
    EXPECT_EQ(SectionLines(text, "Sector1|System1|Planet0|City0")[3], "Capital=-1");
}

TEST(SavedGameLayout, ModulesAreSignedBytesAndHeadquarterSectorABye) {
    TGameState world = MakeNewWorld(5);
    world.AlienModules[2] = TModulePlacement{2, 133, 1};
    world.AlienModules[3] = TModulePlacement{-1, 0, 0};
    const std::string text = TextOf(world);
    EXPECT_EQ(SectionLines(text, "Module2"),
              (std::vector<std::string>{"Sector=2", "System=-123", "Planet=1"}));
    EXPECT_EQ(SectionLines(text, "Module3"), (std::vector<std::string>{"Sector=-1", "System=0", "Planet=0"}));
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->AlienModules[2].System, 133);
    EXPECT_EQ(loaded->AlienModules[3].Sector, -1);
}

TEST(SavedGameLayout, PlanetsWithoutCitiesWriteNoCitySections) {
    TGameState world = MakeNewWorld(6);
    for (TSector& sector : world.Galaxy)
        for (TSystem& system : sector.Systems)
            for (TPlanet& planet : system.Planets)
                planet.Cities.clear();
    world.System(2, 150).Planets.clear();
    const std::string text = TextOf(world);
    EXPECT_EQ(text.find("|City"), std::string::npos);
    EXPECT_EQ(text.find("Cities=1"), std::string::npos);
    EXPECT_NE(text.find("[Sector2|System150]\nName=" + world.System(2, 150).Name), std::string::npos);
    EXPECT_NE(text.find("Planets=0\n"), std::string::npos);
    for (int s = 1; s <= 4; ++s) {
        const std::regex system("^\\[Sector" + std::to_string(s) + "\\|System[0-9]+\\]$");
        int count = 0;
        for (const auto& header : SectionHeaders(text))
            count += std::regex_match(header, system) ? 1 : 0;
        EXPECT_EQ(count, 150) << "sector " << s;
    }
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_TRUE(loaded->System(2, 150).Planets.empty());
}

TEST(SaveGame, OverwritingWritesTheFileAfresh) {
    TempFolder folder;
    const auto path = folder / "game.sav";
    ASSERT_TRUE(SaveGame(ScannedWorld(), "Big", path));
    const TGameState small = MakeNewWorld(8);
    ASSERT_TRUE(SaveGame(small, "Small", path));
    const std::string text = ReadBytes(path);
    EXPECT_EQ(text, TextOf(small, "Small"));
    EXPECT_EQ(text.find("[Cargo1]"), std::string::npos);
}

TEST(SaveGame, OverwritingKeepsOneBackupOfThePreviousBytesOutOfTheList) {
    TempFolder user;
    const auto path = GamesFolder(user.str()) / "game.sav";
    ASSERT_TRUE(SaveGame(MakeNewWorld(1), "First", path));
    EXPECT_FALSE(std::filesystem::exists(BackupPath(path))) << "nothing to keep before the first save";
    ASSERT_TRUE(SaveGame(MakeNewWorld(2), "Second", path));
    ASSERT_TRUE(SaveGame(MakeNewWorld(3), "Third", path));
    EXPECT_EQ(ReadBytes(BackupPath(path)), TextOf(MakeNewWorld(2), "Second"));
    EXPECT_EQ(ReadBytes(path), TextOf(MakeNewWorld(3), "Third"));
    const auto files = std::distance(std::filesystem::directory_iterator(path.parent_path()), {});
    EXPECT_EQ(files, 2) << "the game and one backup, no temporary files";
    const auto rows = GameList(user.str());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].FileName, "game.sav");
}

TEST(SaveGame, FailureIsReportedAndLeavesNoTrace) {
    TempFolder folder;
    WriteBytes(folder / "Games", "a file where the games folder should be");
    const Status saved = SaveGame(ScannedWorld(), "x", folder / "Games" / "a.sav");
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().message.find("Games"), std::string::npos);

    std::filesystem::create_directories(folder / "taken.sav" / "inner");
    EXPECT_FALSE(SaveGame(ScannedWorld(), "x", folder / "taken.sav"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.sav" / "inner"));
}

TEST(SaveFileNames, AreTheLocalTimeStamp) {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 5;
    t.tm_hour = 17;
    t.tm_min = 8;
    t.tm_sec = 9;
    EXPECT_EQ(SaveFileName(t), "20240305170809.sav");
    const TempFolder empty;
    const auto now = NewSaveFileName(empty.path());
    ASSERT_TRUE(now);
    EXPECT_TRUE(std::regex_match(*now, std::regex("^[0-9]{14}\\.sav$")));
}

TEST(LoadGame, MissingKeysTakeTheirDefaults) {
    std::string text = TextOf(MakeNewWorld(4));
    for (const char* key : {"Budget", "Energy", "Navigator", "Hyperdrive", "Name"})
        text = WithoutKey(text, "Captain", key);
    text = WithoutKey(text, "Sector1", "Title");
    text = WithoutKey(text, "Sector1|System2", "ShapeColor");
    text = WithoutKey(text, "Sector1|System2", "Name");
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->Captain.Budget, 100);
    EXPECT_EQ(loaded->Captain.Energy, 100);
    EXPECT_EQ(loaded->Captain.Navigator, 0);
    EXPECT_EQ(loaded->Captain.Hyperdrive, 1);
    EXPECT_EQ(loaded->Captain.Name, "???");
    EXPECT_EQ(loaded->Galaxy[1].Title, "???");
    EXPECT_EQ(loaded->System(1, 2).ShapeColor, kWhite);
    EXPECT_EQ(loaded->System(1, 2).Name, "???");
}

TEST(LoadGame, PowerUpIsReadThroughAnyCase) {
    const std::string text = TextOf(MakeNewWorld(4));
    for (const char* key : {"PowerUp", "Powerup", "POWERUP"}) {
        std::string edited = WithoutKey(text, "Sector1|System3|Planet0", "PowerUp");
        edited = WithValue(edited, "Sector1|System3|Planet0", key, "1");
        const auto loaded = LoadText(edited);
        ASSERT_TRUE(loaded) << loaded.error().message;
        EXPECT_EQ(loaded->System(1, 3).Planets[0].PowerUp, 1) << key;
    }
}

TEST(LoadGame, AlienRaceAbove30Becomes30) {
    const std::string text = WithValue(TextOf(MakeNewWorld(4)), "Sector1|System1|Planet0", "AlienRace", "45");
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->System(1, 1).Planets[0].AlienRace, 30);
}

// Bytes that do not fit their field are refused (SavedGameRefusalTest); hex fits.
TEST(LoadGame, IntegersReadHex) {
    std::string text = TextOf(MakeNewWorld(4));
    text = WithValue(text, "General", "QSupport", "0x2C");
    text = WithValue(text, "Sector1|System1|Planet0", "CityImage", "0x02");
    text = WithValue(text, "Sector1|System1", "ShapeColor", "0x00FF00");
    text = WithValue(text, "Captain", "Budget", "lots");
    text = WithValue(text, "Captain", "Energy", "0x40");
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->QSupport, 44);
    EXPECT_EQ(loaded->System(1, 1).Planets[0].CityImage, 2);
    EXPECT_EQ(loaded->System(1, 1).ShapeColor, 0x00FF00u);
    EXPECT_EQ(loaded->Captain.Budget, 100);
    EXPECT_EQ(loaded->Captain.Energy, 64);
}

TEST(LoadGame, TruthValuesAcceptNumbersAndTrueFalseInAnyCase) {
    const std::string text = TextOf(ScannedWorld());
    const struct {
        const char* written;
        bool read;
    } cases[] = {{"-1", true},   {"0", false},     {"1", true},      {"7", true},   {"True", true},
                 {"TRUE", true}, {"false", false}, {"FaLsE", false}, {"0x0", false}};
    for (const auto& c : cases) {
        std::string edited = WithValue(text, "Sector1|System1|Planet0", "Scanned", c.written);
        edited = WithValue(edited, "Sector1|System1|Planet0|City1", "Capital", c.written);
        const auto loaded = LoadText(edited);
        ASSERT_TRUE(loaded) << c.written << ": " << loaded.error().message;
        EXPECT_EQ(loaded->System(1, 1).Planets[0].Cities[1].Capital, c.read) << c.written;
        EXPECT_EQ(loaded->System(1, 1).Planets[0].Scanned, c.read) << c.written;
    }
    // A missing truth value is false; EventOccured and modules are plain integers.
    std::string edited = WithoutKey(TextOf(MakeNewWorld(4)), "Sector1|System1|Planet0", "Scanned");
    edited = WithValue(edited, "Sector1|System1|Planet0", "EventOccured", "2");
    edited = WithValue(edited, "Captain", "Module2", "-1");
    edited = WithValue(edited, "Captain", "Module3", "True");
    const auto loaded = LoadText(edited);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_FALSE(loaded->System(1, 1).Planets[0].Scanned);
    EXPECT_TRUE(loaded->System(1, 1).Planets[0].EventOccured);
    EXPECT_TRUE(loaded->Captain.Module2);
    EXPECT_FALSE(loaded->Captain.Module3) << "not an integer: the default";
}

TEST(LoadGame, OldFilesWithoutOrderModulesHeadquarterOrGalaxyNameLoad) {
    std::string text = TextOf(MakeNewWorld(4));
    for (const char* section : {"Module1", "Module2", "Module3", "Module4", "Headquarter"})
        text = WithoutSection(text, section);
    for (const char* key : {"FindIdx1", "FindIdx2", "FindIdx3", "FindIdx4", "Galaxy name"})
        text = WithoutKey(text, "General", key);
    TGameState current;
    current.Headquarter.Name = "Where it was";
    const auto loaded = LoadText(text, current, 77);
    ASSERT_TRUE(loaded) << loaded.error().message;
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(loaded->AlienModules[i].Sector, -1);
        EXPECT_EQ(loaded->FindIdx[i], 0);
    }
    EXPECT_EQ(loaded->Headquarter.Sector, 0);
    EXPECT_EQ(loaded->Headquarter.Name, "Where it was");
    TRandom same(77);
    EXPECT_EQ(loaded->GalaxyName, RandomName(same));
}

TEST(LoadGame, EmptyGalaxyNameStaysEmpty) {
    const auto loaded = LoadText(WithValue(TextOf(MakeNewWorld(4)), "General", "Galaxy name", ""));
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->GalaxyName, "");
}

TEST(LoadGame, KeepsWhatTheFileDoesNotHoldFromTheRunningGame) {
    TGameState current = MakeNewWorld(9);
    current.Artefacts[5].Name = "Glass key";
    current.Artefacts[5].Info = "It hums.";
    const auto loaded = LoadText(TextOf(ScannedWorld()), current);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->Artefacts[5].Name, "Glass key");
    EXPECT_EQ(loaded->Artefacts[5].Info, "It hums.");
    EXPECT_EQ(loaded->System(1, 1), ScannedWorld().System(1, 1));
}

TEST(LoadGame, AnArtefactInTwoPlacesKeepsTheCarriedOneElseTheFirstInGalaxyOrder) {
    TGameState world = ScannedWorld();
    std::vector<TPlanet*> planets; // in the order the file is read
    for (TSector& sector : world.Galaxy)
        for (TSystem& system : sector.Systems)
            for (TPlanet& planet : system.Planets)
                planets.push_back(&planet);
    const auto bare = [](const TPlanet* planet) { return planet->Artefact == 0; };
    TPlanet* const firstBare = *std::find_if(planets.begin(), planets.end(), bare);
    TPlanet* const lastBare = *std::find_if(planets.rbegin(), planets.rend(), bare);
    TPlanet* const lastHolding = *std::find_if_not(planets.rbegin(), planets.rend(), bare);
    firstBare->Artefact = lastHolding->Artefact;
    lastBare->Artefact = static_cast<std::uint8_t>(world.Cargo[0].StateIndex);
    const auto loaded = LoadText(TextOf(world));
    ASSERT_TRUE(loaded) << loaded.error().message;
    lastHolding->Artefact = lastBare->Artefact = 0;
    EXPECT_EQ(*loaded, Expected(world, TGameState{}));
}

TEST(LoadGame, SectionAndKeyNamesIgnoreCaseAndTheFirstCounts) {
    std::string text = TextOf(MakeNewWorld(4));
    const std::size_t at = text.find("Game seconds=0\n");
    text.replace(at, 15, "GAME SECONDS=61\nGame seconds=99\n"); // the later duplicate is ignored
    text += "[captain]\nBudget=5\n";                            // a repeated section: ignored
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->GameSeconds, 61);
    EXPECT_EQ(loaded->Captain.Budget, 100);
}

TEST(LoadGame, ValuesKeepTheirQuotesAndFullLength) {
    std::string text = TextOf(MakeNewWorld(4));
    const std::string longName(4000, 'n');
    text = WithValue(text, "Captain", "Name", "'Quoted'");
    text = WithValue(text, "Sector1|System1", "Name", longName);
    const auto loaded = LoadText(text);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->Captain.Name, "'Quoted'");
    EXPECT_EQ(loaded->System(1, 1).Name, longName);
}

TEST(LoadGame, Windows1252FileIsReadAsSuch) {
    const auto loaded = LoadText(WithValue(TextOf(MakeNewWorld(4)), "Captain", "Name", "Zo\xEB"));
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(loaded->Captain.Name, "Zo\xC3\xAB");
}

TEST(LoadGame, RollsEveryCityProfileFromItsPlanetsLifeform) {
    int calls = 0;
    int cities = 0;
    for (const TSector& sector : ScannedWorld().Galaxy)
        for (const TSystem& system : sector.Systems)
            for (const TPlanet& planet : system.Planets)
                cities += static_cast<int>(planet.Cities.size());
    const CityProfiler profile = [&](int lifeform, TCity& city) {
        ++calls;
        city.Info = "life " + std::to_string(lifeform);
        return Status::Ok();
    };
    TRandom rng(1);
    const auto loaded = ReadGameText(TextOf(ScannedWorld()), "p.sav", TGameState{}, profile, rng);
    ASSERT_TRUE(loaded) << loaded.error().message;
    EXPECT_EQ(calls, cities);
    const TPlanet& planet = loaded->System(2, 7).Planets[0];
    EXPECT_EQ(planet.Cities[1].Info, "life " + std::to_string(planet.Lifeform));
}

TEST(LoadGame, AProfileFailureRefusesTheLoadNamingTheCity) {
    const CityProfiler failing = [](int, TCity& city) -> Status {
        if (city.Name == "???")
            return Error{"no template"};
        return {};
    };
    const std::string text = WithoutKey(TextOf(ScannedWorld()), "Sector1|System2|Planet0|City1", "Name");
    TRandom rng(1);
    const auto loaded = ReadGameText(text, "p.sav", TGameState{}, failing, rng);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().message.find("Sector1|System2|Planet0|City1"), std::string::npos);
    EXPECT_NE(loaded.error().message.find("no template"), std::string::npos);
    EXPECT_NE(loaded.error().message.find("fault of the script"), std::string::npos);
}

} // namespace
} // namespace veltrane
