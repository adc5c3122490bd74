#include "persist/MegaIni.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrane {
namespace {

TEST(MegaIniRead, TrimsLinesKeysAndValues) {
    const auto ini = TMegaIni::Parse("  [General]  \r\n   Game name  =  My game  \r\nQSupport=3\n");
    EXPECT_EQ(ini.ReadString("General", "Game name", "?"), "My game");
    EXPECT_EQ(ini.ReadInteger("General", "QSupport", 0), 3);
}

TEST(MegaIniRead, SkipsCommentsBlankLinesAndLinesWithoutEquals) {
    const auto ini = TMegaIni::Parse("; a note\n[Captain]\n\n;Name=Commented\nno equals here\nName=Ada\n");
    EXPECT_EQ(ini.ReadString("Captain", "Name", "?"), "Ada");
    EXPECT_FALSE(ini.HasKey("Captain", ";Name"));
}

TEST(MegaIniRead, SplitsAtTheFirstEqualsOnly) {
    const auto ini = TMegaIni::Parse("[Cargo1]\nName=a = b == c\n");
    EXPECT_EQ(ini.ReadString("Cargo1", "Name", "?"), "a = b == c");
}

TEST(MegaIniRead, KeepsQuotesAndLongValues) {
    const std::string longName(5000, 'q');
    const auto ini = TMegaIni::Parse("[Captain]\nName=\"Ada\"\nTitle='x'\nLong=" + longName + "\n");
    EXPECT_EQ(ini.ReadString("Captain", "Name", "?"), "\"Ada\"");
    EXPECT_EQ(ini.ReadString("Captain", "Title", "?"), "'x'");
    EXPECT_EQ(ini.ReadString("Captain", "Long", "?"), longName);
}

TEST(MegaIniRead, NamesCompareWithoutCaseAndTheFirstOccurrenceCounts) {
    const auto ini = TMegaIni::Parse("[general]\ngame NAME=first\nGame name=second\n"
                                     "[GENERAL]\nLater=only in the repeated section\n");
    EXPECT_EQ(ini.ReadString("General", "Game name", "?"), "first");
    EXPECT_FALSE(ini.HasKey("General", "Later"));
    EXPECT_EQ(ini.SectionCount(), 1u);
}

TEST(MegaIniRead, EntriesBeforeAnySectionAreIgnored) {
    const auto ini = TMegaIni::Parse("Name=stray\n[Captain]\n");
    EXPECT_TRUE(ini.HasSection("Captain"));
    EXPECT_FALSE(ini.HasKey("Captain", "Name"));
}

TEST(MegaIniRead, PresentButEmptyIsEmptyNotTheDefault) {
    const auto ini = TMegaIni::Parse("[Sector1]\nTitle=\n");
    EXPECT_EQ(ini.ReadString("Sector1", "Title", "???"), "");
    EXPECT_EQ(ini.ReadString("Sector1", "Missing", "???"), "???");
}

TEST(MegaIniRead, IntegersFallBackToTheDefaultWhenUnparsable) {
    const auto ini = TMegaIni::Parse("[G]\nhex=0x20\nword=many\nempty=\nhuge=99999999999\nneg=-7\n");
    EXPECT_EQ(ini.ReadInteger("G", "hex", 5), 32);
    EXPECT_EQ(ini.ReadInteger("G", "word", 5), 5);
    EXPECT_EQ(ini.ReadInteger("G", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("G", "huge", 5), 5);
    EXPECT_EQ(ini.ReadInteger("G", "neg", 5), -7);
    EXPECT_EQ(ini.ReadInteger("G", "missing", 5), 5);
}

TEST(MegaIniRead, BinaryNoiseGivesNoSectionsAndNoCrash) {
    std::string noise;
    for (int i = 0; i < 20000; ++i)
        noise += static_cast<char>((i * 7919) % 251);
    noise += "\n[" + std::string(100000, 'x'); // a huge unterminated header
    const auto ini = TMegaIni::Parse(noise);
    EXPECT_FALSE(ini.HasSection("Captain"));
}

TEST(MegaIniWrite, KeepsFirstWrittenOrderAndReplacesInPlace) {
    TMegaIni ini;
    ini.WriteString("B", "x", "1");
    ini.WriteString("A", "y", "2");
    ini.WriteString("B", "z", "3");
    ini.WriteString("b", "X", "4"); // same section and key, other spelling
    EXPECT_EQ(ini.Serialize(), "[B]\nx=4\nz=3\n\n[A]\ny=2\n\n");
}

TEST(MegaIniWrite, LineBreaksInValuesCannotOpenSections) {
    TMegaIni ini;
    ini.WriteString("Captain", "Name", "Evil\n[General]\nCurrent sector=9");
    const auto back = TMegaIni::Parse(ini.Serialize());
    EXPECT_FALSE(back.HasSection("General"));
    EXPECT_EQ(back.ReadString("Captain", "Name", "?"), "Evil [General] Current sector=9");
}

TEST(MegaIniWrite, ASectionNameReadWithACarriageReturnIsWrittenOnOneLine) {
    auto ini = TMegaIni::Parse("[a\rb]\nk=1\n");
    ini.WriteString("a\rb", "k", "2");
    EXPECT_EQ(ini.Serialize(), "[a\rb]\nk=1\n\n[a b]\nk=2\n\n");
}

TEST(MegaIniWrite, SerializedTextReadsBackTheSameValues) {
    TMegaIni ini;
    ini.WriteString("Sector1|System7|Planet2", "Name", "Ørb = of \"light\"");
    ini.WriteInteger("Sector1|System7|Planet2", "PosX", -2147483648LL);
    ini.WriteString("Sector1|System7|Planet2", "Empty", "");
    const auto back = TMegaIni::Parse(ini.Serialize());
    EXPECT_EQ(back.ReadString("sector1|system7|planet2", "name", "?"), "Ørb = of \"light\"");
    EXPECT_EQ(back.ReadInteger("Sector1|System7|Planet2", "PosX", 0), INT32_MIN);
    EXPECT_EQ(back.ReadString("Sector1|System7|Planet2", "Empty", "?"), "");
    EXPECT_EQ(back.Serialize(), ini.Serialize());
}

TEST(MegaIniFile, LoadsWindows1252AndSavesUtf8) {
    test::TempFolder folder;
    test::WriteBytes(folder / "old.sav", "[Captain]\r\nName=Zo\xEB\r\n");
    const auto ini = TMegaIni::Load(folder / "old.sav");
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->ReadString("Captain", "Name", "?"), "Zo\xC3\xAB");
    ASSERT_TRUE(ini->Save(folder / "new.sav"));
    EXPECT_EQ(test::ReadBytes(folder / "new.sav"), "[Captain]\nName=Zo\xC3\xAB\n\n");
}

TEST(MegaIniFile, MissingFileIsAnErrorNamingIt) {
    test::TempFolder folder;
    const auto ini = TMegaIni::Load(folder / "gone.sav");
    ASSERT_FALSE(ini);
    EXPECT_NE(ini.error().message.find("gone.sav"), std::string::npos);
}

} // namespace
} // namespace veltrane
