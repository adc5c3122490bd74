#include "lang/ContentLoader.h"

#include "lang/MapSource.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace veltrane;
using veltrane::testing::TMapSource;

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A script with every alien part present: 30 distinct subjects and specialities.
TMapSource AlienScript(const std::string& suffix = "ians") {
    TMapSource s;
    s.Set("Captions", "Alien name suffix", suffix);
    for (int n = 1; n <= 30; ++n) {
        s.Set("AlienInfos", "Info" + std::to_string(n), "%s|%s|%s|%s|%s|%s");
        s.Set("Subjects", "Text" + std::to_string(n), "subject" + std::to_string(n));
        s.Set("Speciality", "Text" + std::to_string(n), "special" + std::to_string(n));
    }
    return s;
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == sep) {
            out.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

} // namespace

TEST(ClassValue, DigitBarName) {
    auto c = ParseClassValue("1|Average");
    EXPECT_EQ(c.Kind, 1);
    EXPECT_EQ(c.Name, "Average");
    c = ParseClassValue("2|Rich");
    EXPECT_EQ(c.Kind, 2);
    EXPECT_EQ(c.Name, "Rich");
}

TEST(ClassValue, WithoutPrefixTheFirstTwoCharactersAreLost) {
    auto c = ParseClassValue("Average");
    EXPECT_EQ(c.Kind, 0);
    EXPECT_EQ(c.Name, "erage");
    c = ParseClassValue("x|y");
    EXPECT_EQ(c.Kind, 0) << "only a digit gives a class";
    EXPECT_EQ(c.Name, "y");
}

TEST(ClassValue, ShortValuesGiveEmptyNames) {
    auto c = ParseClassValue("");
    EXPECT_EQ(c.Kind, 0);
    EXPECT_EQ(c.Name, "");
    c = ParseClassValue("7");
    EXPECT_EQ(c.Kind, 7);
    EXPECT_EQ(c.Name, "");
    c = ParseClassValue("9|");
    EXPECT_EQ(c.Kind, 9);
    EXPECT_EQ(c.Name, "");
    c = ParseClassValue("35|x");
    EXPECT_EQ(c.Kind, 3) << "only the first character is read";
    EXPECT_EQ(c.Name, "|x");
}

TEST(ClassValue, MultiByteLettersCountAsOneCharacter) {
    auto c = ParseClassValue("Ärmlich");
    EXPECT_EQ(c.Kind, 0);
    EXPECT_EQ(c.Name, "mlich");
    c = ParseClassValue("1|Ärmlich");
    EXPECT_EQ(c.Name, "Ärmlich");
    c = ParseClassValue("Äß");
    EXPECT_EQ(c.Name, "");
}

TEST(ContentLoader, MissingScriptGivesEveryDefault) {
    TGameState world;
    TContentTables tables;
    TRandom rng(7);
    ASSERT_TRUE(LoadContentTables(TMapSource{}, world, tables, rng).ok());

    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(world.Artefacts[n].Name, "Name");
        EXPECT_EQ(world.Artefacts[n].Info, "Info");
    }
    ASSERT_EQ(tables.EventTexts.size(), 20u);
    EXPECT_EQ(tables.EventTexts.front(), "Text1");
    EXPECT_EQ(tables.EventTexts.back(), "Text20");
    ASSERT_EQ(tables.UpgradeTreeCaptions.size(), 20u);
    for (const auto& c : tables.UpgradeTreeCaptions)
        EXPECT_EQ(c, "???");

    const TDlgCaptions& d = tables.DlgCaptions;
    EXPECT_EQ(d.OK, "OK");
    EXPECT_EQ(d.Yes, "Yes");
    EXPECT_EQ(d.No, "No");
    EXPECT_EQ(d.Information, "Information");
    EXPECT_EQ(d.Warning, "Warnung");
    EXPECT_EQ(d.Input, "Input");
    EXPECT_EQ(d.Confirmation, "Confirmation");

    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(tables.Products[n].LandProduct, "unknown");
        EXPECT_EQ(tables.Products[n].IndustryProduct, "unknown");
    }
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(tables.CityTexts[n].EconomyName, "unknown");
        EXPECT_EQ(tables.CityTexts[n].EconomyKind, 0);
        EXPECT_EQ(tables.CityTexts[n].PoliceName, "unknown");
        EXPECT_EQ(tables.CityTexts[n].PoliceLevel, 0);
    }
    for (int n = 1; n <= 30; ++n) {
        EXPECT_EQ(tables.CityTexts[n].CityInfo, "unknown");
        EXPECT_EQ(tables.AlienTexts[n].InfoTemplate, "unknown");
        EXPECT_EQ(tables.AlienTexts[n].Subject, "unknown");
        EXPECT_EQ(tables.AlienTexts[n].Speciality, "unknown");
        // Missing subjects give no description, and the first race has no earlier one.
        EXPECT_EQ(tables.AlienRaces[n].Info, "");
        EXPECT_TRUE(EndsWith(tables.AlienRaces[n].Name, "n???")) << tables.AlienRaces[n].Name;
    }
}

TEST(ContentLoader, DialogColoursAreNotTheScriptsToChange) {
    TGameState world;
    TContentTables tables;
    tables.DlgCaptions.StartColor = 0x123456;
    TRandom rng(1);
    ASSERT_TRUE(LoadContentTables(TMapSource{{"Captions|Warnung", "Warning"}}, world, tables, rng).ok());
    EXPECT_EQ(tables.DlgCaptions.StartColor, 0x123456u);
    EXPECT_EQ(tables.DlgCaptions.Warning, "Warning");
}

TEST(ContentLoader, ClassesFillOnlyTheFirstTwentyCityEntries) {
    TMapSource script{{"Economy|Kind1", "1|Average"},
                      {"Economy|Kind20", "Average"},
                      {"Police|Kind2", "2|Lenient"},
                      {"CityInfo|Info30", "last"}};
    TGameState world;
    TContentTables tables;
    TRandom rng(3);
    ASSERT_TRUE(LoadContentTables(script, world, tables, rng).ok());
    EXPECT_EQ(tables.CityTexts[1].EconomyKind, 1);
    EXPECT_EQ(tables.CityTexts[1].EconomyName, "Average");
    EXPECT_EQ(tables.CityTexts[20].EconomyKind, 0);
    EXPECT_EQ(tables.CityTexts[20].EconomyName, "erage");
    EXPECT_EQ(tables.CityTexts[2].PoliceLevel, 2);
    EXPECT_EQ(tables.CityTexts[2].PoliceName, "Lenient");
    EXPECT_EQ(tables.CityTexts[21].EconomyName, "");
    EXPECT_EQ(tables.CityTexts[30].PoliceName, "");
    EXPECT_EQ(tables.CityTexts[30].CityInfo, "last");
}

TEST(ContentLoader, AlienRacesHaveSuffixedNamesAndFourDistinctSubjects) {
    TMapSource script = AlienScript();
    TGameState world;
    TContentTables tables;
    TRandom rng(11);
    ASSERT_TRUE(LoadContentTables(script, world, tables, rng).ok());
    for (int r = 1; r <= 30; ++r) {
        const TAlienInfo& race = tables.AlienRaces[r];
        EXPECT_TRUE(EndsWith(race.Name, "nians")) << race.Name;
        auto parts = Split(race.Info, '|');
        ASSERT_EQ(parts.size(), 6u) << race.Info;
        EXPECT_EQ(parts[0], race.Name);
        std::set<std::string> subjects(parts.begin() + 1, parts.begin() + 5);
        EXPECT_EQ(subjects.size(), 4u) << race.Info;
        EXPECT_EQ(subjects.count("subject30"), 0u) << "entry 30 is never drawn";
        EXPECT_EQ(parts[5], "special" + std::to_string(r));
    }
}

TEST(MakeAlienInfo, UnknownSubjectKeepsThePreviousText) {
    TContentTables tables;
    for (int n = 1; n <= 30; ++n) {
        tables.AlienTexts[n].Subject = "unknown";
        tables.AlienTexts[n].InfoTemplate = "%s %s %s %s %s %s";
    }
    TRandom rng(5);
    auto info = MakeAlienInfo(tables, 4, "Zorn", "earlier text", rng);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(*info, "earlier text");
}

TEST(MakeAlienInfo, ARareUnknownStillEndsTheDrawEventually) {
    TContentTables tables;
    for (int n = 1; n <= 30; ++n) {
        tables.AlienTexts[n].Subject = n == 29 ? "unknown" : "same";
        tables.AlienTexts[n].InfoTemplate = "%s %s %s %s %s %s";
    }
    TRandom rng(5);
    auto info = MakeAlienInfo(tables, 1, "Zorn", "kept", rng);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(*info, "kept");
}

TEST(MakeAlienInfo, TooFewDistinctSubjectsDoNotHang) {
    TContentTables tables;
    for (int n = 1; n <= 30; ++n) {
        tables.AlienTexts[n].Subject = n % 3 == 0 ? "fins" : (n % 3 == 1 ? "songs" : "stars");
        tables.AlienTexts[n].InfoTemplate = "%s %s %s %s %s %s";
    }
    TRandom rng(5);
    auto info = MakeAlienInfo(tables, 1, "Zorn", "kept", rng);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(*info, "kept");
}

TEST(ContentLoader, MissingSubjectsReuseTheTextOfTheRaceBefore) {
    // Every race drawing an "unknown" subject repeats the text of the race before it.
    TMapSource script = AlienScript();
    for (int n = 1; n <= 3; ++n)
        script.Replace("Subjects", "Text" + std::to_string(n), "unknown");
    TGameState world;
    TContentTables tables;
    TRandom rng(21);
    ASSERT_TRUE(LoadContentTables(script, world, tables, rng).ok());
    int reused = 0;
    int fresh = 0;
    for (int r = 1; r <= 30; ++r) {
        const std::string& info = tables.AlienRaces[r].Info;
        const std::string before = r == 1 ? "" : tables.AlienRaces[r - 1].Info;
        bool own = info.rfind(tables.AlienRaces[r].Name + "|", 0) == 0;
        if (own) {
            ++fresh;
        } else {
            EXPECT_EQ(info, before) << "race " << r;
            ++reused;
        }
    }
    EXPECT_GT(reused, 0);
    EXPECT_GT(fresh, 0);
}

TEST(ContentLoader, TemplateThatDoesNotFitStopsTheLoadAndKeepsWhatWasRead) {
    TMapSource script = AlienScript();
    script.Replace("AlienInfos", "Info3", "%s has %d arms");
    script.Set("Artefact5", "Name", "Glass Idol");
    TGameState world;
    TContentTables tables;
    tables.AlienRaces[3].Name = "old";
    TRandom rng(2);
    Status s = LoadContentTables(script, world, tables, rng);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find("AlienInfos"), std::string::npos) << s.error().message;
    EXPECT_NE(s.error().message.find("Info3"), std::string::npos) << s.error().message;
    EXPECT_EQ(world.Artefacts[5].Name, "Glass Idol");
    EXPECT_EQ(tables.AlienTexts[30].Subject, "subject30");
    EXPECT_FALSE(tables.AlienRaces[2].Info.empty());
    EXPECT_EQ(tables.AlienRaces[3].Name, "old");
}

TEST(ContentLoader, ASecondLoadAfterALanguageChangeRenamesAndRegenerates) {
    TMapSource english = AlienScript("ians");
    english.Set("Artefact1", "Name", "Star Crown");
    english.Set("Events", "Text1", "You found %d G$.");
    english.Set("UpgradeTree", "Item1", "Basic");
    TMapSource german = AlienScript("ier");
    german.Set("Artefact1", "Name", "Sternenkrone");
    german.Set("Events", "Text1", "Sie fanden %d G$.");
    german.Set("UpgradeTree", "Item1", "Einfach");

    TGameState world;
    TContentTables tables;
    TRandom rng(9);
    ASSERT_TRUE(LoadContentTables(english, world, tables, rng).ok());
    world.Cargo.push_back(TCargoItem{world.Artefacts[1].Name, 1});
    tables.UpgradeTreeCaptions[1] = "Basic [120]";
    const auto englishRaces = tables.AlienRaces;

    ASSERT_TRUE(LoadContentTables(german, world, tables, rng).ok());
    EXPECT_EQ(world.Artefacts[1].Name, "Sternenkrone");
    EXPECT_EQ(world.Cargo.front().Name, "Star Crown") << "cargo keeps the name it was picked up with";
    EXPECT_EQ(tables.EventTexts.size(), 20u);
    EXPECT_EQ(tables.EventTexts[0], "Sie fanden %d G$.");
    EXPECT_EQ(tables.UpgradeTreeCaptions[1], "Einfach") << "price marks go";
    int renamed = 0;
    for (int r = 1; r <= 30; ++r) {
        EXPECT_TRUE(EndsWith(tables.AlienRaces[r].Name, "nier"));
        renamed += tables.AlienRaces[r].Name != englishRaces[r].Name;
    }
    EXPECT_EQ(renamed, 30);
}
