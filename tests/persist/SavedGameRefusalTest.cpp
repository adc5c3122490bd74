#include "persist/SavedGame.h"

#include "SavedGameText.h"
#include "ScannedGalaxy.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cctype>

namespace veltrane {
namespace {

using namespace veltrane::test;

const CityProfiler kKeepProfile = [](int, TCity&) { return Status::Ok(); };

const std::string& ScannedText() {
    static const std::string text = WriteGameIni(MakeScannedWorld(21), "Refusals").Serialize();
    return text;
}

// The running game: a load that is refused must leave it exactly as it was.
const TGameState& Running() {
    static const TGameState world = MakeNewWorld(99);
    return world;
}

struct Damage {
    const char* section;
    const char* key;
    const char* value;
};

// "Sector1System1_PosX_Minus1": the case as a test name.
std::string CaseName(const ::testing::TestParamInfo<Damage>& info) {
    const Damage& d = info.param;
    std::string name;
    for (const char c : std::string(d.section) + "_" + d.key + "_" + (*d.value ? d.value : "Empty"))
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_')
            name += c;
        else if (c == '-')
            name += "Minus";
    return name;
}

class RefusedValue : public ::testing::TestWithParam<Damage> {};

TEST_P(RefusedValue, IsRefusedNamingFileSectionAndKeyAndTheGameStaysAsItWas) {
    const Damage d = GetParam();
    const TGameState before = Running();
    TRandom rng(1);
    const auto loaded = ReadGameText(WithValue(ScannedText(), d.section, d.key, d.value), "Games/x.sav",
                                     Running(), kKeepProfile, rng);
    ASSERT_FALSE(loaded) << d.section << " / " << d.key << " = " << d.value;
    const std::string& message = loaded.error().message;
    EXPECT_NE(message.find("Games/x.sav"), std::string::npos) << message;
    EXPECT_NE(message.find(std::string("\"") + d.section + "\""), std::string::npos) << message;
    EXPECT_NE(message.find(std::string("\"") + d.key + "\""), std::string::npos) << message;
    EXPECT_EQ(Running(), before);
}

INSTANTIATE_TEST_SUITE_P(
    SavedGame, RefusedValue,
    ::testing::Values(
        // Places outside the galaxy.
        Damage{"General", "Current sector", "9"}, Damage{"General", "Current sector", "0"},
        Damage{"General", "Current system", "0"}, Damage{"General", "Current system", "151"},
        Damage{"Module2", "Sector", "7"}, Damage{"Module2", "Sector", "-2"},
        Damage{"Module4", "System", "151"}, Damage{"Module4", "Planet", "6"},
        Damage{"General", "FindIdx1", "250"}, Damage{"General", "FindIdx4", "-1"},
        Damage{"Cargo1", "StateIndex", "0"}, Damage{"Cargo2", "StateIndex", "101"},
        Damage{"Sector1|System1|Planet0", "Artefact", "101"}, Damage{"Headquarter", "Sector", "5"},
        Damage{"Headquarter", "System", "151"}, Damage{"Headquarter", "System", "0"},
        Damage{"HQ artefact3", "Index", "101"},
        // Pictures and surfaces the game cannot show.
        Damage{"Sector1|System1|Planet0", "Surface", "0"}, Damage{"Sector2|System9|Planet0", "Surface", "9"},
        Damage{"Sector1|System1|Planet0", "Landscape", "11"},
        Damage{"Sector1|System1|Planet0", "ImageIndex", "-2"},
        Damage{"Sector1|System1|Planet0", "ImageIndex", "24"}, Damage{"Sector1|System1|Planet0", "Size", "0"},
        Damage{"Sector1|System1|Planet0", "Size", "4"}, Damage{"Sector1|System1|Planet0", "Lifeform", "6"},
        Damage{"Sector1|System1|Planet0|City0", "CityImage", "30"},
        Damage{"Sector1|System1|Planet0|City0", "CityImage", "0"},
        Damage{"Sector1|System1|Planet0|City1", "Size", "0"},
        Damage{"Sector1|System1|Planet0|City1", "Size", "4"}, Damage{"Captain", "ImageIndex", "0"},
        Damage{"Captain", "ImageIndex", "5"}, Damage{"Captain", "Scanner", "4"},
        Damage{"Captain", "Scanner", "0"}, Damage{"Captain", "Storage", "4"},
        Damage{"Captain", "EnergyCell", "0"}, Damage{"Captain", "Navigator", "4"},
        Damage{"Captain", "Hyperdrive", "4"}, Damage{"Captain", "Energy", "101"},
        // Counts beyond what a game holds.
        Damage{"Sector1|System1", "Planets", "7"}, Damage{"Sector1|System1", "Planets", "-1"},
        Damage{"Sector3|System150", "Planets", "2000000000"},
        Damage{"Sector1|System1|Planet0", "Cities", "5"}, Damage{"Sector1|System1|Planet0", "Cities", "-1"},
        Damage{"General", "Cargo items", "101"}, Damage{"General", "Cargo items", "-1"},
        Damage{"General", "Transport items", "101"}, Damage{"General", "Transport items", "4"},
        // Values no game reaches, which the rules would add to or measure from.
        Damage{"Captain", "Budget", "-1"}, Damage{"Captain", "Budget", "0x80000000"},
        Damage{"Transport2", "Price", "-1"}, Damage{"General", "Game seconds", "-1"},
        Damage{"Sector1|System1", "PosX", "4"}, Damage{"Sector1|System1", "PosX", "811"},
        Damage{"Sector4|System150", "PosY", "-2147483648"}, Damage{"Sector2|System7", "PosY", "446"},
        Damage{"Sector1|System1|Planet0", "PosX", "818"},
        Damage{"Sector1|System1|Planet0|City0", "PosY", "451"},
        // Words where the game needs numbers or truth values.
        Damage{"Sector1|System1|Planet0", "Scanned", "maybe"},
        Damage{"Sector1|System1|Planet0", "Scanned", ""},
        Damage{"Sector4|System150|Planet0|City0", "Capital", "yes"}, Damage{"Transport1", "Price", "lots"},
        // One-byte fields refuse what they cannot hold instead of keeping the low eight bits.
        Damage{"Headquarter", "Sector", "256"}, Damage{"Headquarter", "Sector", "257"},
        Damage{"Sector1|System1|Planet0", "Size", "257"}, Damage{"Sector1|System1|Planet0", "Size", "300"},
        Damage{"Captain", "Energy", "356"}, Damage{"Captain", "Energy", "-1"},
        Damage{"General", "QSupport", "300"}, Damage{"Sector1|System1|Planet0", "CityImage", "0x102"},
        Damage{"Module2", "Sector", "257"}, Damage{"Module4", "Planet", "128"}),
    CaseName);

// The refusal quotes the value as the file has it, not as a one-byte field would wrap it.
TEST(RefusedFile, AnOversizedByteIsQuotedAsWritten) {
    TRandom rng(1);
    const auto loaded = ReadGameText(WithValue(ScannedText(), "Sector1|System1|Planet0", "Size", "300"),
                                     "x.sav", Running(), kKeepProfile, rng);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().message.find("\"300\""), std::string::npos) << loaded.error().message;
}

TEST(RefusedFile, QuotedValuesAreShortAndShowNoControlCharacters) {
    const std::string hostile = "\x1B]0;owned\x07" + std::string(3'000'000, 'x');
    TRandom rng(1);
    const auto loaded = ReadGameText(WithValue(ScannedText(), "Transport1", "Price", hostile), "x.sav",
                                     Running(), kKeepProfile, rng);
    ASSERT_FALSE(loaded);
    const std::string& message = loaded.error().message;
    EXPECT_LT(message.size(), 300u);
    EXPECT_EQ(message.find('\x1B'), std::string::npos);
    EXPECT_NE(message.find("\\x1B]0;owned\\x07"), std::string::npos) << message;
}

class AcceptedValue : public ::testing::TestWithParam<Damage> {};

TEST_P(AcceptedValue, Loads) {
    const Damage d = GetParam();
    TRandom rng(1);
    const auto loaded = ReadGameText(WithValue(ScannedText(), d.section, d.key, d.value), "x.sav", Running(),
                                     kKeepProfile, rng);
    EXPECT_TRUE(loaded) << loaded.error().message;
}

INSTANTIATE_TEST_SUITE_P(
    SavedGame, AcceptedValue,
    ::testing::Values(Damage{"Module2", "Sector", "-1"}, Damage{"Module2", "Sector", "0"},
                      Damage{"Module2", "System", "0"}, Damage{"General", "FindIdx1", "0"},
                      Damage{"General", "FindIdx1", "100"}, Damage{"Headquarter", "Sector", "0"},
                      Damage{"Sector1|System1|Planet0", "ImageIndex", "-1"},
                      Damage{"Sector1|System1|Planet0", "ImageIndex", "23"},
                      Damage{"Sector1|System1|Planet0", "AlienRace", "255"},
                      Damage{"General", "Cargo items", "0"}, Damage{"Captain", "Navigator", "0"},
                      Damage{"Captain", "Hyperdrive", "0"}, Damage{"Captain", "Budget", "2147483647"},

                      Damage{"General", "Game seconds", "0x7FFFFFFF"}, Damage{"Sector1|System1", "PosX", "5"},
                      Damage{"Sector1|System1", "PosX", "810"}, Damage{"Sector1|System1", "PosY", "445"},
                      Damage{"Sector1|System1|Planet0", "PosX", "817"},
                      Damage{"Sector1|System1|Planet0|City0", "PosY", "0"}),
    CaseName);

TEST(RefusedFile, EmptyIsRefused) {
    TRandom rng(1);
    const auto loaded = ReadGameText("", "empty.sav", Running(), kKeepProfile, rng);
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().message.find("empty.sav"), std::string::npos);
}

TEST(RefusedFile, BinaryDataIsRefused) {
    std::string noise;
    for (unsigned i = 0; i < 100000; ++i)
        noise += static_cast<char>((i * 2654435761u) >> 13);
    TRandom rng(1);
    EXPECT_FALSE(ReadGameText(noise, "noise.sav", Running(), kKeepProfile, rng));
    // Binary that happens to hold the two sections is still binary.
    EXPECT_FALSE(
        ReadGameText("[Captain]\n[General]\n" + std::string(1, '\0'), "n.sav", Running(), kKeepProfile, rng));
}

TEST(RefusedFile, WithoutCaptainOrGeneralIsRefused) {
    TRandom rng(1);
    const auto noCaptain =
        ReadGameText(WithoutSection(ScannedText(), "Captain"), "c.sav", Running(), kKeepProfile, rng);
    ASSERT_FALSE(noCaptain);
    EXPECT_NE(noCaptain.error().message.find("Captain"), std::string::npos);
    EXPECT_FALSE(
        ReadGameText(WithoutSection(ScannedText(), "General"), "g.sav", Running(), kKeepProfile, rng));
    EXPECT_FALSE(ReadGameText("[Sector1]\nTitle=\n", "s.sav", Running(), kKeepProfile, rng));
}

TEST(RefusedFile, ATruncatedFileNeverCrashesAndIsRefusedWhereTheDamageShows) {
    const std::string& text = ScannedText();
    const std::size_t captain = text.find("[Captain]");
    const std::size_t general = text.find("[General]");
    enum class Outcome { Refused, Loaded, Either };
    const struct {
        std::size_t cut;
        Outcome outcome;
    } cuts[] = {
        {1, Outcome::Refused},
        {text.size() / 10, Outcome::Refused},
        {text.size() / 2, Outcome::Refused},
        {captain - 1, Outcome::Refused},
        {captain + 12, Outcome::Refused},
        {general + 20, Outcome::Either}, // what is left of General reads as an old file's defaults
        {text.find("[Cargo3]") + 12, Outcome::Refused},
        {text.find("[Module2]") + 3, Outcome::Loaded},
        {text.size() - 5, Outcome::Refused}, // "System" of the headquarter lost its value
        {text.size() - 1, Outcome::Loaded},
    };
    for (const auto& c : cuts) {
        TRandom rng(1);
        const auto loaded = ReadGameText(text.substr(0, c.cut), "cut.sav", Running(), kKeepProfile, rng);
        if (c.outcome == Outcome::Refused) {
            EXPECT_FALSE(loaded) << "cut at " << c.cut;
        }
        if (c.outcome == Outcome::Loaded) {
            ASSERT_TRUE(loaded) << "cut at " << c.cut << ": " << loaded.error().message;
            EXPECT_EQ(loaded->Cargo.size(), 4u);
        }
    }
}

TEST(RefusedFile, RandomlyDamagedFilesNeverCrash) {
    const std::string& text = ScannedText();
    TRandom dice(5);
    int refused = 0;
    for (int round = 0; round < 40; ++round) {
        std::string damaged = text;
        for (int n = 0; n < 20; ++n) {
            const auto at = static_cast<std::size_t>(dice.Random(static_cast<int>(damaged.size())));
            damaged[at] = "0123456789-=[]\n;x\xFF"[dice.Random(18)];
        }
        TRandom rng(1);
        const auto loaded = ReadGameText(damaged, "damaged.sav", Running(), kKeepProfile, rng);
        refused += loaded ? 0 : 1;
    }
    EXPECT_GT(refused, 0) << "twenty damaged bytes per file should be noticed now and then";
}

TEST(RefusedFile, MissingAndOversizedFilesAreRefused) {
    TempFolder folder;
    TRandom rng(1);
    const auto missing = LoadGame(folder / "gone.sav", Running(), kKeepProfile, rng);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.error().message.find("gone.sav"), std::string::npos);
    WriteBytes(folder / "huge.sav", "");
    std::filesystem::resize_file(folder / "huge.sav", 65ull * 1024 * 1024);
    EXPECT_FALSE(LoadGame(folder / "huge.sav", Running(), kKeepProfile, rng));
}

} // namespace
} // namespace veltrane
