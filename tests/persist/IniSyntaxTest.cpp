#include "persist/IniSyntax.h"
#include "persist/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrane {
namespace {

TEST(ParseIniInt, ReadsSignedDecimal) {
    EXPECT_EQ(ParseIniInt("0"), 0);
    EXPECT_EQ(ParseIniInt("-1"), -1);
    EXPECT_EQ(ParseIniInt("+17"), 17);
    EXPECT_EQ(ParseIniInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInt("-2147483648"), INT32_MIN);
}

TEST(ParseIniInt, ReadsHexAfterZeroX) {
    EXPECT_EQ(ParseIniInt("0x1F"), 31);
    EXPECT_EQ(ParseIniInt("0XfF"), 255);
    EXPECT_EQ(ParseIniInt("-0x10"), -16);
    // Colours were stored as unsigned 32-bit hex by hand editors: they wrap.
    EXPECT_EQ(ParseIniInt("0xFFFFFFFF"), -1);
}

TEST(ParseIniInt, RefusesEverythingElse) {
    for (const char* text : {"", "-", "+", "abc", "12abc", "1 2", " 5", "5 ", "1.5", "0x", "0xG1", "--3",
                             "+-3", "2147483648", "-2147483649", "0x100000000", "99999999999999999999"})
        EXPECT_FALSE(ParseIniInt(text).has_value()) << '"' << text << '"';
}

TEST(IniNames, CompareWithoutCase) {
    EXPECT_TRUE(SameIniName("Powerup", "PowerUp"));
    EXPECT_TRUE(SameIniName("GENERAL", "general"));
    EXPECT_FALSE(SameIniName("General", "Generals"));
    EXPECT_FALSE(SameIniName("Sector1", "Sector2"));
    EXPECT_EQ(IniNameHash{}("Captain"), IniNameHash{}("cAPTAIN"));
}

TEST(IniNames, TrimDropsBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimIni(" \t a b \r"), "a b");
    EXPECT_EQ(TrimIni("   "), "");
    EXPECT_EQ(TrimIni(""), "");
}

TEST(TextEncoding, ValidUtf8StaysAsItIs) {
    const std::string text = "Zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x9A\x80";
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(DecodeTextFile(text), text);
}

TEST(TextEncoding, ByteOrderMarkIsDropped) {
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF[General]"), "[General]");
}

TEST(TextEncoding, InvalidUtf8IsReadAsWindows1252) {
    // "Zoë costs 5€" in 1252.
    EXPECT_EQ(DecodeTextFile("Zo\xEB costs 5\x80"), "Zo\xC3\xAB costs 5\xE2\x82\xAC");
    // A file that starts like UTF-8 but breaks later is 1252 throughout.
    EXPECT_EQ(DecodeTextFile("\xC3\xAB\xEB"), "\xC3\x83\xC2\xAB\xC3\xAB");
}

TEST(TextEncoding, Windows1252HighControlsMapToTheirCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro
    EXPECT_EQ(Cp1252ToUtf8("\x8A"), "\xC5\xA0");     // S caron
    EXPECT_EQ(Cp1252ToUtf8("\x93\x94"), "\xE2\x80\x9C\xE2\x80\x9D");
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8"); // Y diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
    // Every one of the 256 bytes comes out as valid UTF-8.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_TRUE(IsValidUtf8(Cp1252ToUtf8(all)));
}

TEST(TextEncoding, RejectsMalformedUtf8) {
    for (const char* bad : {"\x80", "\xC0\xAF", "\xC3", "\xE2\x82", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xF8\x88\x80\x80\x80", "\xE0\x80\xAF", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

struct Mended {
    const char* name;
    const char* bytes;
    const char* utf8;
};

class ToValidUtf8Case : public ::testing::TestWithParam<Mended> {};

TEST_P(ToValidUtf8Case, KeepsWellFormedCharactersAndReadsEveryOtherByteAs1252) {
    EXPECT_EQ(ToValidUtf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(TextEncoding, ToValidUtf8Case,
                         ::testing::Values(Mended{"ValidAroundInvalid", "\xC3\xAB\xE9\xE2\x82\xAC",
                                                  "\xC3\xAB\xC3\xA9\xE2\x82\xAC"},
                                           Mended{"CutAtTheEnd", "Caf\xC3", "Caf\xC3\x83"},
                                           Mended{"LeadBeforeAscii", "\xE2\x82(", "\xC3\xA2\xE2\x80\x9A("},
                                           Mended{"Surrogate", "\xED\xA0\x80",
                                                  "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(TextEncoding, PrefixCountsCharactersNotBytes) {
    const std::string text = "a\xC3\xAB\xE2\x82\xAC"
                             "b";
    EXPECT_EQ(Utf8Prefix(text, 0), "");
    EXPECT_EQ(Utf8Prefix(text, 2), "a\xC3\xAB");
    EXPECT_EQ(Utf8Prefix(text, 3), "a\xC3\xAB\xE2\x82\xAC");
    EXPECT_EQ(Utf8Prefix(text, 10), text);
}

} // namespace
} // namespace veltrane
