#include "EngineFixture.h"

#include "game/Hints.h"
#include "lang/TextCatalogue.h"

namespace veltrane::test {
namespace {

// A newcomer's steps, each as a change the command made; what the hints make of it.
struct StepCase {
    const char* Name;
    TCommandKind Kind;
    void (*Change)(THintSnapshot& before, THintSnapshot& after);
    std::vector<THint> Steps;
};

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, EachChangeIsTheStepItStandsFor) {
    const StepCase& c = GetParam();
    THintSnapshot before;
    before.StartupDone = true;
    before.Sector = 1;
    before.System = 7;
    before.Energy = 100;
    THintSnapshot after = before;
    c.Change(before, after);
    EXPECT_EQ(StepsTaken(c.Kind, before, after), c.Steps);
}

using K = TCommandKind;
using S = THintSnapshot;

constexpr TPassage kFlight = TPassage::StarFlight;
constexpr TView kSystem = TView::System;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Hints, Steps, ::testing::Values(
    StepCase{"StartUp", K::Options, [](S& b, S&) { b.StartupDone = false; }, {THint::Map}},
    StepCase{"Flight", K::Fly, [](S&, S& a) { a.Passage = kFlight; }, {THint::Flight}},
    StepCase{"Arrival", K::Tick, [](S& b, S& a) { b.Passage = kFlight, a.View = kSystem; }, {THint::Arrival}},
    StepCase{"ArrivalOnLowEnergyTellsThatFirst", K::Tick,
             [](S& b, S& a) { b.Passage = kFlight, a.View = kSystem, a.Energy = kLowEnergy - 1; },
             {THint::LowEnergy, THint::Arrival}},
    StepCase{"EnergyJustEnoughIsNotLow", K::Tick, [](S&, S& a) { a.Energy = kLowEnergy; }, {}},
    StepCase{"TunnelIsNoArrival", K::Tick,
             [](S& b, S& a) { b.Passage = TPassage::Tunnel, a.View = kSystem; }, {}},
    StepCase{"Scan", K::Scan, [](S& b, S& a) { b.View = a.View = kSystem, a.ScannedHere = 3; },
             {THint::Scan}},
    StepCase{"ScannedElsewhereIsNoScan", K::Fly, [](S&, S& a) { a.System = 8, a.ScannedHere = 3; }, {}},
    StepCase{"Landing", K::Land, [](S& b, S& a) { b.View = kSystem, a.View = TView::Landscape; },
             {THint::Landing}},
    StepCase{"BackFromTheCityIsNoLanding", K::Back,
             [](S& b, S& a) { b.View = TView::City, a.View = TView::Landscape; }, {}},
    StepCase{"Artefact", K::Pickup, [](S&, S& a) { a.Cargo = 1; }, {THint::Artefact}},
    StepCase{"City", K::City, [](S& b, S& a) { b.View = TView::Landscape, a.View = TView::City; },
             {THint::City}},
    StepCase{"Headquarter", K::System, [](S&, S& a) { a.View = kSystem, a.HeadquarterHere = true; },
             {THint::Headquarter}},
    StepCase{"HeadquarterOnTheSamePage", K::Planet,
             [](S& b, S& a) { b.View = a.View = kSystem, b.HeadquarterHere = a.HeadquarterHere = true; }, {}},
    StepCase{"Transport", K::Accept, [](S&, S& a) { a.Transport = 2; }, {THint::Transport}},
    StepCase{"Hyperdrive", K::Install, [](S&, S& a) { a.Hyperdrive = 1; }, {THint::Hyperdrive}},
    StepCase{"ABetterHyperdriveIsNoNews", K::Install,
             [](S& b, S& a) { b.Hyperdrive = 1, a.Hyperdrive = 2; }, {}},
    StepCase{"ALoadedGameIsNoStep", K::Load,
             [](S&, S& a) { a.Cargo = 3, a.Hyperdrive = 2, a.Transport = 1; }, {}},
    StepCase{"ANewGameIsNoStep", K::NewGame, [](S& b, S& a) { b.Energy = 50, a.Energy = 0; }, {}}),
    [](const auto& param) { return std::string(param.param.Name); });
// clang-format on

TEST(TakeHint, OnceEachWhileOnAndNeverWhenOff) {
    TGameOptions options;
    options.HintsSeen = {"Scan"};
    EXPECT_EQ(TakeHint(options, {THint::Scan, THint::Landing}), THint::Landing) << "a seen hint gives way";
    EXPECT_EQ(TakeHint(options, {THint::Landing}), std::nullopt);
    EXPECT_EQ(options.HintsSeen, (std::vector<std::string>{"Scan", "Landing"}));
    options.Hints = false;
    EXPECT_EQ(TakeHint(options, {THint::City}), std::nullopt);
    EXPECT_EQ(options.HintsSeen.size(), 2u) << "a hint not shown stays unseen";
}

TEST(WithHint, FollowsTheCommandsOwnLineInItsColour) {
    EXPECT_EQ(WithHint(TInfoLine{"Found!", kGreen}, "Tip: x").Text, "Found!   Tip: x");
    EXPECT_EQ(WithHint(TInfoLine{"Scanned.   ", kWhite}, "Tip: x").Text, "Scanned.   Tip: x");
    EXPECT_EQ(WithHint(TInfoLine{"Found!", kGreen}, "Tip: x").Colour, kGreen);
    EXPECT_EQ(WithHint(std::nullopt, "Tip: x").Text, "Tip: x") << "not after an older command's line";
    EXPECT_EQ(WithHint(TInfoLine{"", kRed}, "Tip: x").Colour, kWhite);
}

class HintsInPlay : public EngineTest {
  protected:
    TCommandReport FlyAndArrive() {
        const int k = Other();
        PlaceAt(k, 30, 0);
        game.Execute(MakeCommand(TCommandKind::Fly, {k}));
        TCommandReport last;
        for (int i = 0; i < 100 && game.Session().InFlight(); ++i)
            last = game.Tick();
        return last;
    }
};

TEST_F(HintsInPlay, TheFirstArrivalTellsToScanOnceAfterTheCommandsOwnLine) {
    game.Options().Hints = true;
    game.Options().RandomEvents = 100;
    const std::string arrivalHint = HintText(game.Game().Script(), THint::Arrival);
    const TCommandReport first = FlyAndArrive();
    const std::size_t at = first.InfoLine.find(arrivalHint);
    ASSERT_NE(at, std::string::npos) << first.InfoLine;
    EXPECT_TRUE(first.InfoLine.starts_with(Lookup(game.Game().Script(), texts::SystemName)))
        << first.InfoLine;
    EXPECT_EQ(at + arrivalHint.size(), first.InfoLine.size());
    EXPECT_EQ(FlyAndArrive().InfoLine.find(arrivalHint), std::string::npos) << "only the first time";
}

TEST_F(HintsInPlay, AHeadlessGameShowsNoneAndNothingOfTheGameDiffers) {
    THeadlessGame hinted(1234, nullptr);
    hinted.Options().Hints = true;
    ASSERT_TRUE(hinted.NewGame().ok());
    EXPECT_FALSE(game.Options().Hints) << "tests, bots and replays see the rules' own lines";
    for (THeadlessGame* g : {&game, &hinted}) {
        g->Options().RandomEvents = 100;
        g->Execute(MakeCommand(TCommandKind::System));
        g->Execute(MakeCommand(TCommandKind::Scan));
        g->Execute(MakeCommand(TCommandKind::Land, {0}));
    }
    EXPECT_EQ(game.Window.InfoText.find("Tip:"), std::string::npos);
    EXPECT_NE(hinted.Window.InfoText.find("Tip:"), std::string::npos);
    EXPECT_EQ(hinted.Session().CurrentView, game.Session().CurrentView);
    EXPECT_TRUE(hinted.World().Galaxy[1] == game.World().Galaxy[1]);
    EXPECT_TRUE(hinted.World().Captain == game.World().Captain);
    EXPECT_EQ(hinted.Game().Journal().Text(), game.Game().Journal().Text());
}

} // namespace
} // namespace veltrane::test
