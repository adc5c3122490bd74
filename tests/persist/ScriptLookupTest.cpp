#include "lang/ScriptLookup.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace veltrane {
namespace {

using test::TempFolder;
using test::WriteBytes;

// Makes a file look untouched for an hour, so the lookup may keep its parse.
void MakeQuiet(const std::filesystem::path& path) {
    std::filesystem::last_write_time(path,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}

class LanguageFileTest : public ::testing::Test {
  protected:
    void TearDown() override { SetLanguageFile(""); }
    TempFolder folder;
};

TEST_F(LanguageFileTest, UnsetOrMissingScriptGivesTheDefaults) {
    SetLanguageFile("");
    EXPECT_EQ(LangText("Messages", "Welcome"), "Welcome");
    EXPECT_EQ(LangTextDef("Messages", "LoadSuccess", "Game was loaded successfully."),
              "Game was loaded successfully.");
    SetLanguageFile((folder / "Nowhere.lng").string());
    EXPECT_EQ(LangText("Captions", "Warnung"), "Warnung");
    SetLanguageFile(folder.path().string()); // a folder is no script
    EXPECT_EQ(LangText("Captions", "OK"), "OK");
}

TEST_F(LanguageFileTest, LooksUpTheCurrentScript) {
    const auto script = folder / "German.lng";
    WriteBytes(script, "[captions]\nok=Gut\n[Messages]\nWelcome=\n");
    SetLanguageFile(script.string());
    EXPECT_EQ(LanguageFile(), script.string());
    EXPECT_EQ(LangText("Captions", "OK"), "Gut");
    EXPECT_EQ(LangText("Messages", "Welcome"), "");
    EXPECT_EQ(LangTextDef("Messages", "AYS", "Are you sure?"), "Are you sure?");
}

TEST_F(LanguageFileTest, SwitchingScriptsTakesEffectAtTheNextLookup) {
    WriteBytes(folder / "A.lng", "[Captions]\nYes=Ja\n");
    WriteBytes(folder / "B.lng", "[Captions]\nYes=Oui\n");
    SetLanguageFile((folder / "A.lng").string());
    EXPECT_EQ(LangText("Captions", "Yes"), "Ja");
    SetLanguageFile((folder / "B.lng").string());
    EXPECT_EQ(LangText("Captions", "Yes"), "Oui");
}

TEST_F(LanguageFileTest, EditInPlaceOfTheSameSizeIsSeen) {
    const auto script = folder / "E.lng";
    WriteBytes(script, "[Captions]\nNo=Nein\n");
    MakeQuiet(script);
    SetLanguageFile(script.string());
    EXPECT_EQ(LangText("Captions", "No"), "Nein");
    EXPECT_EQ(LangText("Captions", "No"), "Nein"); // from the kept parse
    WriteBytes(script, "[Captions]\nNo=Niet\n");   // same size, same inode
    EXPECT_EQ(LangText("Captions", "No"), "Niet");
}

TEST_F(LanguageFileTest, EditWithinTheSameClockTickIsSeen) {
    const auto script = folder / "T.lng";
    // Two writes back to back usually share a coarse file time: the fresh file
    // must not be trusted from its stamp alone.
    WriteBytes(script, "[Captions]\nNo=aaaa\n");
    SetLanguageFile(script.string());
    EXPECT_EQ(LangText("Captions", "No"), "aaaa");
    WriteBytes(script, "[Captions]\nNo=bbbb\n");
    EXPECT_EQ(LangText("Captions", "No"), "bbbb");
}

TEST_F(LanguageFileTest, ReplacedAndDeletedScriptsAreSeen) {
    const auto script = folder / "R.lng";
    WriteBytes(script, "[Captions]\nOK=Eins\n");
    MakeQuiet(script);
    SetLanguageFile(script.string());
    EXPECT_EQ(LangText("Captions", "OK"), "Eins");
    WriteBytes(folder / "R.new", "[Captions]\nOK=Zwei\n");
    MakeQuiet(folder / "R.new");
    std::filesystem::rename(folder / "R.new", script);
    EXPECT_EQ(LangText("Captions", "OK"), "Zwei");
    std::filesystem::remove(script);
    EXPECT_EQ(LangText("Captions", "OK"), "OK");
}

TEST_F(LanguageFileTest, PinnedScriptServesOneVersionUntilThePinEnds) {
    const auto script = folder / "P.lng";
    WriteBytes(script, "[Captions]\nYes=Ja\n"); // freshly written: unpinned lookups would parse it every time
    const TScriptFile source(script.string());
    {
        const TScriptPin pin(script.string());
        WriteBytes(script, "[Captions]\nYes=Oui\n");
        EXPECT_EQ(source.Lookup("Captions", "Yes"), "Ja");
        {
            const TScriptPin inner(script.string());
            EXPECT_EQ(source.Lookup("Captions", "Yes"), "Oui");
        }
        EXPECT_EQ(source.Lookup("Captions", "Yes"), "Ja");
        EXPECT_EQ(LookupScript((folder / "Other.lng").string(), "Captions", "Yes"), std::nullopt);
    }
    EXPECT_EQ(source.Lookup("Captions", "Yes"), "Oui");
    const TScriptPin missing((folder / "Gone.lng").string());
    EXPECT_EQ(LookupScript((folder / "Gone.lng").string(), "Captions", "Yes"), std::nullopt);
}

TEST_F(LanguageFileTest, ScriptFileIsATextSource) {
    const auto script = folder / "S.lng";
    WriteBytes(script, "[Artefact7]\nName=\"Glass key\"\nInfo=\n");
    const TScriptFile file(script.string());
    const ITextSource& source = file;
    EXPECT_EQ(source.Text("artefact7", "name"), "Glass key");
    EXPECT_EQ(source.TextDef("Artefact7", "Info", "none"), "");
    EXPECT_EQ(source.TextDef("Artefact8", "Info", "none"), "none");
    EXPECT_EQ(source.Text("Artefact8", "Name"), "Name");
}

TEST(FolderListing, MissingOrEmptyFolderGivesNothing) {
    TempFolder folder;
    EXPECT_TRUE(ListFolderEntries((folder / "LScripts").string()).empty());
    EXPECT_TRUE(ListFolderEntries(folder.path().string()).empty());
    EXPECT_TRUE(ListMatchingFiles((folder / "Games").string(), "*.sav").empty());
}

TEST(FolderListing, ListsFilesFoldersAndHiddenEntriesAlike) {
    TempFolder folder;
    WriteBytes(folder / "English.lng", "");
    WriteBytes(folder / "readme.txt", "");
    WriteBytes(folder / ".hidden", "");
    std::filesystem::create_directory(folder / "Old scripts");
    auto names = ListFolderEntries(folder.path().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".hidden", "English.lng", "Old scripts", "readme.txt"}));
}

TEST(FolderListing, MatchingFilesFollowTheMaskWithoutRegardToCase) {
    TempFolder folder;
    for (const char* name : {"20240101120000.sav", "OLD.SAV", "notes.sav.txt", "game.sa", "x.sav"})
        WriteBytes(folder / name, "");
    auto names = ListMatchingFiles(folder.path().string(), "*.sav");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"20240101120000.sav", "OLD.SAV", "x.sav"}));
}

TEST(FolderListing, MaskWildcards) {
    EXPECT_TRUE(MatchesMask("a.sav", "*.sav"));
    EXPECT_TRUE(MatchesMask(".sav", "*.sav"));
    EXPECT_TRUE(MatchesMask("a.b.sav", "*.sav"));
    EXPECT_FALSE(MatchesMask("a.savx", "*.sav"));
    EXPECT_TRUE(MatchesMask("abc", "a?c"));
    EXPECT_FALSE(MatchesMask("ac", "a?c"));
    EXPECT_TRUE(MatchesMask("anything", "*"));
    EXPECT_TRUE(MatchesMask("", "*"));
    EXPECT_FALSE(MatchesMask("", "?"));
    EXPECT_TRUE(MatchesMask("aXbXc", "a*b*c"));
    EXPECT_FALSE(MatchesMask("aXbXd", "a*b*c"));
}

} // namespace
} // namespace veltrane
