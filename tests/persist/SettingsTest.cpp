#include "persist/Settings.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace veltrane {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class SettingsTest : public ::testing::Test {
  protected:
    TGameOptions LoadFrom(std::string_view fileText) {
        WriteBytes(folder / kSettingsFileName, fileText);
        return LoadSettings(folder.str());
    }
    TempFolder folder;
};

TEST_F(SettingsTest, FirstRunGivesMusicEffectsRarity50EnglishFullScreen) {
    const TGameOptions options = LoadSettings((folder / "never created").string() + "/");
    EXPECT_TRUE(options.Background);
    EXPECT_TRUE(options.Effects);
    EXPECT_EQ(options.RandomEvents, 50);
    EXPECT_EQ(options.Language, "English.lng");
    EXPECT_EQ(options.WindowType, 0);
    EXPECT_EQ(options.UpdateHost, "http://veltrane.invalid");
}

TEST_F(SettingsTest, TruthValuesAreIntegersAndAWordCountsAsAbsent) {
    EXPECT_FALSE(LoadFrom("[Sounds]\nBackground=0\n").Background);
    EXPECT_TRUE(LoadFrom("[Sounds]\nBackground=music\n").Background);
    EXPECT_TRUE(LoadFrom("[Sounds]\nBackground=-5\n").Background);
    EXPECT_FALSE(LoadFrom("[Sounds]\nEffects=0x0\n").Effects);
    EXPECT_TRUE(LoadFrom("[Sounds]\nEffects=\n").Effects);
    EXPECT_FALSE(LoadFrom("[sounds]\neffects=\"0\"\n").Effects);
}

TEST_F(SettingsTest, ByteValuesKeepTheirLowEightBits) {
    EXPECT_EQ(LoadFrom("[General]\nRandomEvents=300\n").RandomEvents, 44);
    EXPECT_EQ(LoadFrom("[General]\nRandomEvents=0x20\n").RandomEvents, 32);
    EXPECT_EQ(LoadFrom("[General]\nRandomEvents=-1\n").RandomEvents, 255);
    EXPECT_EQ(LoadFrom("[General]\nRandomEvents=often\n").RandomEvents, 50);
    EXPECT_EQ(LoadFrom("[General]\nWindow type=257\n").WindowType, 1);
}

TEST_F(SettingsTest, LanguageIsTextWithTheProfileRules) {
    EXPECT_EQ(LoadFrom("[General]\nLanguage =  \"German.lng\"  \n").Language, "German.lng");
    EXPECT_EQ(LoadFrom("[General]\nLanguage=\n").Language, "");
    EXPECT_EQ(LoadFrom("[General]\nLanguage=Deutsch.lng\nLanguage=Other.lng\n").Language, "Deutsch.lng");
}

TEST_F(SettingsTest, UnreadableFileGivesTheDefaults) {
    std::filesystem::create_directory(folder / kSettingsFileName);
    EXPECT_EQ(LoadSettings(folder.str()), TGameOptions{});
}

TEST_F(SettingsTest, SavingAFreshFileWritesEveryKeyInOrder) {
    TGameOptions options;
    options.Background = false;
    options.RandomEvents = 7;
    options.Language = "German.lng";
    options.WindowType = 1;
    options.Resolution = "1024x768"; // never written: the entry stays empty
    ASSERT_TRUE(SaveSettings(folder.str(), options));
    EXPECT_EQ(ReadBytes(folder / kSettingsFileName), "[Sounds]\nBackground=0\nEffects=1\n\n"
                                                     "[General]\nRandomEvents=7\nLanguage=German.lng\n"
                                                     "Resolution=\nWindow type=1\n\n"
                                                     "[Network]\nUpdateHost=http://veltrane.invalid\n\n"
                                                     "[Display]\nScaling=smooth\n");
}

TEST_F(SettingsTest, SaveThenLoadGivesTheSameOptions) {
    TGameOptions options;
    options.Background = false;
    options.Effects = false;
    options.RandomEvents = 100;
    options.Language = "Français.lng";
    options.WindowType = 1;
    options.UpdateHost = "http://127.0.0.1:8080";
    options.Scaling = TScaling::Sharp;
    ASSERT_TRUE(SaveSettings(folder.str(), options));
    EXPECT_EQ(LoadSettings(folder.str()), options);
}

TEST_F(SettingsTest, SavingKeepsForeignEntriesAndReplacesInPlace) {
    WriteBytes(folder / kSettingsFileName, "; tuned by hand\n[General]\nLanguage=German.lng\nVolume=3\n\n"
                                           "[Sounds]\nEffects=0\n");
    ASSERT_TRUE(SaveSettings(folder.str(), TGameOptions{}));
    EXPECT_EQ(ReadBytes(folder / kSettingsFileName),
              "; tuned by hand\n[General]\nLanguage=English.lng\nVolume=3\nRandomEvents=50\nResolution=\n"
              "Window type=0\n\n[Sounds]\nEffects=1\nBackground=1\n\n"
              "[Network]\nUpdateHost=http://veltrane.invalid\n\n[Display]\nScaling=smooth\n");
}

TEST_F(SettingsTest, SavingCreatesAMissingUserFolder) {
    const std::string user = (folder / "Brindle" / "Veltrane").string() + "/";
    ASSERT_TRUE(SaveSettings(user, TGameOptions{}));
    EXPECT_TRUE(std::filesystem::exists(folder / "Brindle" / "Veltrane" / kSettingsFileName));
}

TEST_F(SettingsTest, SavingFailureIsReported) {
    WriteBytes(folder / "blocker", "a file where the folder should be");
    const Status saved = SaveSettings((folder / "blocker" / "Veltrane").string() + "/", TGameOptions{});
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.error().message.find("blocker"), std::string::npos);
}

TEST_F(SettingsTest, AFileWithoutTheGuideSectionLoadsAsBeforeWithHintsOn) {
    const TGameOptions options = LoadFrom("[Sounds]\nBackground=0\n[General]\nRandomEvents=7\n");
    TGameOptions expected;
    expected.Background = false;
    expected.RandomEvents = 7;
    EXPECT_EQ(options, expected);
    EXPECT_TRUE(options.Hints);
    EXPECT_TRUE(options.HintsSeen.empty());
}

TEST_F(SettingsTest, TheGuideSectionRoundTripsBesideTheRest) {
    TGameOptions options;
    options.Effects = false;
    options.Hints = false;
    options.HintsSeen = {"Map", "Scan", "FromANewerVersion"};
    ASSERT_TRUE(SaveSettings(folder.str(), options));
    ASSERT_TRUE(SaveGuideSettings(folder.str(), options));
    EXPECT_EQ(LoadSettings(folder.str()), options);
    // The rest of the file is kept when only the hints are written.
    options.HintsSeen.clear();
    ASSERT_TRUE(SaveGuideSettings(folder.str(), options));
    EXPECT_EQ(LoadSettings(folder.str()), options);
}

TEST_F(SettingsTest, SeenHintsAreTrimmedNamesOnce) {
    EXPECT_EQ(LoadFrom("[guide]\nseen= Scan ,,Landing,Scan, \nHints=word\n").HintsSeen,
              (std::vector<std::string>{"Scan", "Landing"}));
    EXPECT_TRUE(LoadFrom("[Guide]\nHints=word\n").Hints) << "not an integer: absent";
    EXPECT_FALSE(LoadFrom("[Guide]\nHints=0\n").Hints);
}

TEST(UserFolder, IsCreatedWithItsParents) {
    TempFolder folder;
    const std::string path = (folder / "Documents" / "Brindle" / "Veltrane").string() + "/";
    ASSERT_TRUE(EnsureUserFolder(path));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(EnsureUserFolder(path)) << "an existing folder is fine";
}

TEST(UserFolder, AFileInTheWayIsAnError) {
    TempFolder folder;
    WriteBytes(folder / "Brindle", "not a folder");
    EXPECT_FALSE(EnsureUserFolder((folder / "Brindle" / "Veltrane").string()));
}

} // namespace
} // namespace veltrane
