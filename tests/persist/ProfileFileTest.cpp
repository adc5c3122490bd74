#include "persist/ProfileFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include <string>

namespace veltrane {
namespace {

TEST(ProfileRead, LowerCaseSectionAndKeyAreFound) {
    const auto f = TProfileFile::Parse("[messages]\nwelcome=Hello, Captain\n");
    EXPECT_EQ(f.ReadDef("Messages", "Welcome", "Welcome"), "Hello, Captain");
}

TEST(ProfileRead, EmptyValueIsEmptyAndMissingKeyIsTheDefault) {
    const auto f = TProfileFile::Parse("[Messages]\nWelcome=\n");
    EXPECT_EQ(f.ReadDef("Messages", "Welcome", "Welcome"), "");
    EXPECT_EQ(f.ReadDef("Messages", "Good luck!", "Good luck!"), "Good luck!");
    EXPECT_EQ(f.ReadDef("Nowhere", "Welcome", "dflt"), "dflt");
}

TEST(ProfileRead, BlanksAndOnePairOfQuotesAreRemoved) {
    const auto f = TProfileFile::Parse("[M]\n"
                                       "a =   \"  Hello there  \"   \n"
                                       "b='single'\n"
                                       "c=\"\"double\"\"\n"
                                       "d=\"mismatched'\n"
                                       "e=\"\n"
                                       "f=\"\"\n"
                                       "g=say \"hi\"\n");
    EXPECT_EQ(f.ReadDef("M", "a", "?"), "  Hello there  ");
    EXPECT_EQ(f.ReadDef("M", "b", "?"), "single");
    EXPECT_EQ(f.ReadDef("M", "c", "?"), "\"double\"");
    EXPECT_EQ(f.ReadDef("M", "d", "?"), "\"mismatched'");
    EXPECT_EQ(f.ReadDef("M", "e", "?"), "\"");
    EXPECT_EQ(f.ReadDef("M", "f", "?"), "");
    EXPECT_EQ(f.ReadDef("M", "g", "?"), "say \"hi\"");
}

TEST(ProfileRead, ValuesAreCutAt2047Characters) {
    const std::string ascii(3000, 'w');
    std::string accented;
    for (int i = 0; i < 3000; ++i)
        accented += "\xC3\xA9";
    const auto f = TProfileFile::Parse("[M]\nlong=" + ascii + "\nwide=\"" + accented +
                                       "\"\nexact=" + std::string(2047, 'x') + "\n");
    EXPECT_EQ(f.ReadDef("M", "long", "?"), ascii.substr(0, 2047));
    EXPECT_EQ(f.ReadDef("M", "wide", "?"), accented.substr(0, 2 * 2047));
    EXPECT_EQ(f.ReadDef("M", "exact", "?").size(), 2047u);
}

TEST(ProfileRead, FirstOccurrenceOfKeyAndSectionCounts) {
    const auto f = TProfileFile::Parse("[Messages]\nWelcome=first\nWELCOME=second\n"
                                       "[Captions]\nOK=Fine\n"
                                       "[messages]\nWelcome=third\nOnlyLater=x\n");
    EXPECT_EQ(f.ReadDef("Messages", "Welcome", "?"), "first");
    EXPECT_FALSE(f.Read("Messages", "OnlyLater"));
    EXPECT_EQ(f.ReadDef("Captions", "OK", "?"), "Fine");
}

TEST(ProfileRead, KeysMayHoldBlanksAndPunctuation) {
    const auto f =
        TProfileFile::Parse("[Captions]\nBudget: %d G$ = Budget: %d G$ \n Good luck! =Viel Glück!\n");
    EXPECT_EQ(f.ReadDef("Captions", "Budget: %d G$", "?"), "Budget: %d G$");
    EXPECT_EQ(f.ReadDef("Captions", "Good luck!", "?"), "Viel Glück!");
}

TEST(ProfileRead, OtherLinesAreIgnored) {
    const auto f = TProfileFile::Parse("Stray=before any section\n[M]\njust words\n=no key\n;Note=comment\n"
                                       "[Broken\nKey=still M\n");
    EXPECT_FALSE(f.Read("M", ""));
    EXPECT_FALSE(f.Read("M", ";Note"));
    EXPECT_EQ(f.ReadDef("M", "Key", "?"), "still M");
}

TEST(ProfileRead, CarriageReturnLineEndsAreFine) {
    const auto f = TProfileFile::Parse("[M]\r\nA=1\r\nB=\r\n");
    EXPECT_EQ(f.ReadDef("M", "A", "?"), "1");
    EXPECT_EQ(f.ReadDef("M", "B", "?"), "");
}

TEST(ProfileWrite, ReplacesInPlaceAndKeepsEverythingElse) {
    auto f = TProfileFile::Parse(
        "; my settings\n[General]\nLanguage = \"German.lng\"\nMine=keep\n\n[Other]\nx=1\n");
    f.Write("general", "LANGUAGE", "English.lng");
    EXPECT_EQ(f.Serialize(), "; my settings\n[General]\nLANGUAGE=English.lng\nMine=keep\n\n[Other]\nx=1\n");
}

TEST(ProfileWrite, AppendsAtTheEndOfItsSectionBeforeBlankLines) {
    auto f = TProfileFile::Parse("[Sounds]\nBackground=1\n\n[General]\nLanguage=English.lng\n");
    f.Write("Sounds", "Effects", "0");
    EXPECT_EQ(f.Serialize(), "[Sounds]\nBackground=1\nEffects=0\n\n[General]\nLanguage=English.lng\n");
}

TEST(ProfileWrite, CreatesTheSectionWhenMissing) {
    auto f = TProfileFile::Parse("[Sounds]\nBackground=1\n");
    f.Write("General", "Resolution", "");
    EXPECT_EQ(f.Serialize(), "[Sounds]\nBackground=1\n\n[General]\nResolution=\n");
    EXPECT_EQ(f.ReadDef("General", "Resolution", "?"), "");

    TProfileFile empty;
    empty.Write("Sounds", "Effects", "1");
    EXPECT_EQ(empty.Serialize(), "[Sounds]\nEffects=1\n");
}

TEST(ProfileWrite, KeepsWindowsLineEnds) {
    auto f = TProfileFile::Parse("[Sounds]\r\nBackground=1\r\n");
    f.Write("Sounds", "Background", "0");
    EXPECT_EQ(f.Serialize(), "[Sounds]\r\nBackground=0\r\n");
}

TEST(ProfileWrite, ValueWithLineBreakStaysOneLine) {
    TProfileFile f;
    f.Write("General", "Language", "x.lng\n[Sounds]\nBackground=0");
    const auto back = TProfileFile::Parse(f.Serialize());
    EXPECT_FALSE(back.Read("Sounds", "Background"));
}

TEST(ProfileFileDisk, MissingFileOpensEmptyAndSaveCreatesIt) {
    test::TempFolder folder;
    auto opened = TProfileFile::Open(folder / "Veltrane.ini");
    ASSERT_TRUE(opened);
    opened->Write("Sounds", "Background", "1");
    ASSERT_TRUE(opened->Save(folder / "Veltrane.ini"));
    EXPECT_EQ(test::ReadBytes(folder / "Veltrane.ini"), "[Sounds]\nBackground=1\n");
}

TEST(ProfileFileDisk, Windows1252FileIsReadAndRewrittenAsUtf8) {
    test::TempFolder folder;
    test::WriteBytes(folder / "x.ini", "[General]\nName=Gr\xFC\xDF Gott \x80\n");
    auto opened = TProfileFile::Open(folder / "x.ini");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->ReadDef("General", "Name", "?"), "Gr\xC3\xBC\xC3\x9F Gott \xE2\x82\xAC");
    ASSERT_TRUE(opened->Save(folder / "x.ini"));
    EXPECT_EQ(test::ReadBytes(folder / "x.ini"), "[General]\nName=Gr\xC3\xBC\xC3\x9F Gott \xE2\x82\xAC\n");
}

// The lint walks the lines; the game looks keys up. Over many random scripts the
// lines the walk says the game reads are exactly the values a lookup gives.
TEST(ProfileFileLines, WhatCountsIsWhatALookupReads) {
    const char* const pieces[] = {"[A]", "[a] ; note", " [B]\t", "[C",    "k=1",      "K = \"2\"", "k2='x'",
                                  "=v",  "; c",        "",       "\fk=3", "k2 = 4\r", "junk",      "[ b ]"};
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = 0; i < 12; ++i)
            (text += pieces[rng() % std::size(pieces)]) += '\n';
        const TProfileFile profile = TProfileFile::Parse(text);
        std::string section;
        bool inRead = false;
        profile.ForEachLine([&](const TProfileFile::Line& line) {
            if (line.kind == TProfileFile::Line::Kind::Section) {
                section = line.name;
                inRead = line.counts;
            } else if (line.kind == TProfileFile::Line::Kind::Entry && line.counts) {
                EXPECT_TRUE(inRead) << text;
                EXPECT_EQ(profile.Read(section, line.name), std::string(line.value)) << text;
            }
        });
    }
}

} // namespace
} // namespace veltrane
