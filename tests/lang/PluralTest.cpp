#include "lang/Plural.h"
#include "lang/LanguageName.h"
#include "lang/ScriptLookup.h"

#include "MapSource.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

using testing::TMapSource;

const TPluralText kBoxes{texts::BoxesOne, texts::BoxesOther, texts::Boxes};
const TPluralText kPassengers{texts::PassengersOne, texts::PassengersOther, texts::Passengers};

struct Counted {
    const char* Script;
    int Count;
    const char* Boxes;
    const char* Passengers;
};

class ShippedPlurals : public ::testing::TestWithParam<Counted> {};

TEST_P(ShippedPlurals, ReadRightForEveryCount) {
    const Counted& c = GetParam();
    const TScriptFile script(std::string(VELTRANE_SOURCE_DIR "/data/LScripts/") + c.Script);
    EXPECT_EQ(CountedText(script, kBoxes, c.Count), c.Boxes);
    EXPECT_EQ(CountedText(script, kPassengers, c.Count), c.Passengers);
}

INSTANTIATE_TEST_SUITE_P(Plural, ShippedPlurals,
                         ::testing::Values(Counted{"English.lng", 0, "0 freight boxes", "0 passengers"},
                                           Counted{"English.lng", 1, "1 freight box", "1 passenger"},
                                           Counted{"English.lng", 2, "2 freight boxes", "2 passengers"},
                                           Counted{"English.lng", 5, "5 freight boxes", "5 passengers"},
                                           Counted{"German.lng", 0, "0 Frachtkisten", "0 Passagiere"},
                                           Counted{"German.lng", 1, "1 Frachtkiste", "1 Passagier"},
                                           Counted{"German.lng", 2, "2 Frachtkisten", "2 Passagiere"},
                                           Counted{"German.lng", 5, "5 Frachtkisten", "5 Passagiere"}));

TEST(Plural, AScriptWithoutFormsKeepsTheOldCaptionAndAFormThatTakesNoNumberFallsBack) {
    const TMapSource old{{"Captions|Boxes", "Kisten"}};
    EXPECT_EQ(CountedText(old, kBoxes, 3), "3 Kisten");
    EXPECT_EQ(CountedText(TMapSource{}, kBoxes, 1), "1 Boxes") << "the built-in caption";
    const TMapSource broken{{"Plurals|Boxes.One", "one crate"},
                            {"Plurals|Boxes.Other", "%s crates"},
                            {"Captions|Boxes", "crate(s)"}};
    EXPECT_EQ(CountedText(broken, kBoxes, 1), "one crate") << "a form may spell its number out";
    EXPECT_EQ(CountedText(broken, kBoxes, 4), "4 crate(s)");
}

TEST(LanguageName, TheScriptsOwnNameElseTheFileWithoutItsEnding) {
    EXPECT_EQ(LanguageDisplayName(TMapSource{{"language|name", "Deutsch"}}, "German.lng"), "Deutsch");
    EXPECT_EQ(LanguageDisplayName(TMapSource{{"Language|Name", " "}}, "German.lng"), "German");
    EXPECT_EQ(LanguageDisplayName(TMapSource{}, "Klingon.LNG"), "Klingon");
    EXPECT_EQ(LanguageDisplayName(TMapSource{}, "notes.txt"), "notes.txt");
    EXPECT_EQ(LanguageDisplayName(TMapSource{}, ".lng"), ".lng");
}

} // namespace
} // namespace veltrane
