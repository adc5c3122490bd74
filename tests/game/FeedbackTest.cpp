// Buttons whose press changes nothing: every one tells the player why in the
// info line, in the words of the language script that is loaded.

#include "game/Headless.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Views.h"
#include "lang/ScriptLookup.h"

#include <gtest/gtest.h>

namespace veltrane::test {
namespace {

struct SilentCase {
    const char* Name;
    TCommand Press;
    const char* Panel = nullptr; // the wish panel the button sits on
    int Energy = 50;
    int Budget = 1000;
    bool Cargo = false;
    bool Refused = true; // filling nothing still completes, as it always has
};

class SilentButtons : public ::testing::TestWithParam<SilentCase> {
  protected:
    // The info line after the press, in a capital, with the given shipped script.
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
        game.World().Captain.Energy = static_cast<std::uint8_t>(c.Energy);
        game.World().Captain.Budget = c.Budget;
        if (c.Cargo)
            game.World().Cargo = {{"Orb", 5}};
        game.Session().Visit.SellEnabled = c.Cargo;
        if (c.Panel) {
            EXPECT_TRUE(game.Execute(MakeCommand(TCommandKind::Panel, {}, c.Panel)).Outcome) << c.Panel;
        }
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

using K = TCommandKind;
INSTANTIATE_TEST_SUITE_P(
    Feedback, SilentButtons,
    ::testing::Values(
        SilentCase{.Name = "AcceptNothingSelected", .Press = MakeCommand(K::Accept), .Panel = "transport"},
        SilentCase{
            .Name = "SellNothingSelected", .Press = MakeCommand(K::Sell), .Panel = "sell", .Cargo = true},
        SilentCase{.Name = "SellWishWithAnEmptyHold", .Press = MakeCommand(K::Panel, {}, "sell")},
        SilentCase{.Name = "InstallNothingSelected", .Press = MakeCommand(K::Install), .Panel = "upgrade"},
        SilentCase{
            .Name = "InstallAClassNotAVariant", .Press = MakeCommand(K::Install, {1}), .Panel = "upgrade"},
        SilentCase{.Name = "InstallBeyondTheBudget",
                   .Press = MakeCommand(K::Install, {3}),
                   .Panel = "upgrade",
                   .Budget = 0},
        SilentCase{.Name = "FillAtZero", .Press = MakeCommand(K::Fill), .Panel = "refuel", .Refused = false},
        SilentCase{.Name = "FillFullCells",
                   .Press = MakeCommand(K::Fill),
                   .Panel = "refuel",
                   .Energy = 100,
                   .Refused = false},
        SilentCase{.Name = "SetCourseNoSystemSelected", .Press = MakeCommand(K::Course)},
        SilentCase{.Name = "ChangeSectorAwayFromTheMap", .Press = MakeCommand(K::Sector)}),
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
