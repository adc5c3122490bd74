// Buttons whose press changes nothing: every one tells the player why in the
// info line, in the words of the language script that is loaded.

#include "game/Headless.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Views.h"
#include "lang/ScriptLookup.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace veltrane::test {
namespace {

struct SilentCase {
    const char* Name;
    std::function<void(THeadlessGame&)> Arrange; // the game as the button finds it, in a city
    TCommand Press;
    bool Refused = true; // filling nothing still completes, as it always has
};

class SilentButtons : public ::testing::TestWithParam<SilentCase> {
  protected:
    // The info line after the press, with the given shipped script.
    static std::string Answer(const std::string& script, const SilentCase& c) {
        THeadlessGame game(99, std::make_shared<TScriptFile>(VELTRANE_SOURCE_DIR "/data/LScripts/" + script));
        EXPECT_TRUE(game.NewGame());
        ShowSystemView(game.Ctx());
        ScanSystem(game.Ctx());
        TPlanet& planet = game.World().Here().Planets.at(0);
        planet.Surface = 4;
        planet.Lifeform = 5;
        planet.Cities.resize(1);
        planet.Cities[0].Size = 1;
        EXPECT_TRUE(LandOnPlanet(game.Ctx(), 0));
        EXPECT_TRUE(game.Execute(MakeCommand(TCommandKind::City, {0})).Outcome);
        c.Arrange(game);
        game.Ctx().Window.ShowInfoLine("", kWhite);
        const TCommandReport report = game.Execute(c.Press);
        EXPECT_EQ(report.Outcome.Done, !c.Refused) << script;
        if (c.Refused) {
            EXPECT_EQ(report.Outcome.Text, report.InfoLine)
                << script << ": the reason given is the one shown";
        }
        return report.InfoLine;
    }
};

TEST_P(SilentButtons, SayWhyInEveryLanguage) {
    const SilentCase& c = GetParam();
    const std::string english = Answer("English.lng", c);
    const std::string german = Answer("German.lng", c);
    EXPECT_FALSE(english.empty());
    EXPECT_FALSE(german.empty());
    EXPECT_NE(english, german) << "the reason comes from the script, not from the program";
}

void Panel(THeadlessGame& game, const char* wish) {
    ASSERT_TRUE(game.Execute(MakeCommand(TCommandKind::Panel, {}, wish)).Outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Feedback, SilentButtons,
    ::testing::Values(
        SilentCase{"AcceptWithNothingSelected", [](THeadlessGame& g) { Panel(g, "transport"); },
                   MakeCommand(TCommandKind::Accept)},
        SilentCase{"SellWithNothingSelected",
                   [](THeadlessGame& g) {
                       g.World().Cargo = {{"Orb", 5}};
                       g.Session().Visit.SellEnabled = true;
                       Panel(g, "sell");
                   },
                   MakeCommand(TCommandKind::Sell)},
        SilentCase{"SellWishWithAnEmptyHold", [](THeadlessGame& g) { g.World().Cargo.clear(); },
                   MakeCommand(TCommandKind::Panel, {}, "sell")},
        SilentCase{"InstallWithNothingSelected", [](THeadlessGame& g) { Panel(g, "upgrade"); },
                   MakeCommand(TCommandKind::Install)},
        SilentCase{"InstallAClassInsteadOfAVariant", [](THeadlessGame& g) { Panel(g, "upgrade"); },
                   MakeCommand(TCommandKind::Install, {1})},
        SilentCase{"InstallBeyondTheBudget",
                   [](THeadlessGame& g) {
                       g.World().Captain.Budget = 0;
                       Panel(g, "upgrade");
                   },
                   MakeCommand(TCommandKind::Install, {3})},
        SilentCase{"FillWithTheSliderAtZero",
                   [](THeadlessGame& g) {
                       g.World().Captain.Energy = 40;
                       Panel(g, "refuel");
                   },
                   MakeCommand(TCommandKind::Fill), false},
        SilentCase{"FillWithFullCells",
                   [](THeadlessGame& g) {
                       g.World().Captain.Energy = 100;
                       Panel(g, "refuel");
                   },
                   MakeCommand(TCommandKind::Fill), false},
        SilentCase{"SetCourseWithNoSystemSelected", [](THeadlessGame&) {}, MakeCommand(TCommandKind::Course)},
        SilentCase{"ChangeSectorAwayFromTheMap", [](THeadlessGame&) {}, MakeCommand(TCommandKind::Sector)}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST(SilentButtons, RowlessClicksAreCommandsAJournalReadsBack) {
    for (const TCommand& click : {MakeCommand(TCommandKind::Accept), MakeCommand(TCommandKind::Sell),
                                  MakeCommand(TCommandKind::Course)}) {
        const auto read = ParseCommand(PrintCommand(click));
        ASSERT_TRUE(read) << PrintCommand(click);
        EXPECT_EQ(*read, click);
    }
}

} // namespace
} // namespace veltrane::test
