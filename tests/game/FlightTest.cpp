#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Flight.h"
#include "game/StatusDisplay.h"
#include "game/Views.h"

namespace veltrane::test {
namespace {

struct FlightCase {
    const char* Name;
    int Pixels, Cell, Energy, Ticks, EnergyAfter;
    TView SwitchTo; // the page the player turns to after the first second
};

class Flights : public EngineTest, public ::testing::WithParamInterface<FlightCase> {};

TEST_P(Flights, LastDistanceDivTenPlusTwoSecondsAndDrainEachOfThem) {
    const FlightCase& c = GetParam();
    game.Options().RandomEvents = 100;
    World().Captain.EnergyCell = static_cast<std::uint8_t>(c.Cell);
    World().Captain.Energy = static_cast<std::uint8_t>(c.Energy);
    const int k = Other();
    PlaceAt(k, c.Pixels, 0);
    ASSERT_TRUE(FlyToMarker(Ctx(), k).Done);
    int ticks = 0;
    while (game.Session().InFlight() && ticks < 1000) {
        game.Tick();
        if (++ticks == 1 && c.SwitchTo != TView::StarFlight) {
            // Other pages stay usable during a flight; selecting there must not shorten it.
            if (IsSectorView(c.SwitchTo))
                ShowSectorMap(Ctx(), true);
            else
                ShowSystemView(Ctx());
            SelectSystem(Ctx(), World().CurrentSystem);
        }
    }
    EXPECT_EQ(ticks, c.Ticks);
    EXPECT_EQ(World().Captain.Energy, c.EnergyAfter);
    EXPECT_EQ(game.Session().CurrentView, TView::System);
    EXPECT_EQ(game.Session().PendingDistance, 0);
    EXPECT_FALSE(game.Clock.TimerRunning(TTimer::StarFlight));
}

INSTANTIATE_TEST_SUITE_P(
    Flight, Flights,
    ::testing::Values(FlightCase{"TwoLightYears", 4, 1, 100, 2, 92, TView::StarFlight},
                      FlightCase{"GaugeStopsAtZero", 30, 1, 8, 3, 0, TView::StarFlight},
                      FlightCase{"BestCell", 198, 3, 100, 11, 89, TView::StarFlight},
                      FlightCase{"PaysWhileOnTheMap", 100, 1, 100, 7, 72, TView::Sector1},
                      FlightCase{"PaysWhileOnTheSystemView", 100, 2, 50, 7, 36, TView::System}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

class Arrival : public EngineTest {};

TEST_F(Arrival, NamesTheSystemOnlyUntilTheViewSelectsIt) {
    game.Options().RandomEvents = 100;
    PlaceAt(Other(), 10, 0);
    FlyToMarker(Ctx(), Other());
    game.FinishPassage();
    // The system view selected the current system after the arrival text.
    EXPECT_EQ(game.Window.InfoText.rfind("System Name: " + Here().Name, 0), 0u);
    EXPECT_EQ(game.Window.Page, TView::System);
}

TEST_F(Arrival, EventsFollowTheSettingAndNeverComeWithoutTexts) {
    game.Tables().EventTexts = {"Good %d", "Bad %d"};
    PlaceAt(Other(), 10, 0);
    int events = 0;
    auto fly = [&](int setting) {
        game.Options().RandomEvents = static_cast<std::uint8_t>(setting);
        const std::size_t before = game.Messages.Shown.size();
        World().Captain.Energy = 100;
        World().Captain.Budget = 100;
        FlyToMarker(Ctx(), World().CurrentSystem == 1 ? 2 : 1);
        game.FinishPassage();
        return game.Messages.Shown.size() - before;
    };
    PlaceAt(1, 0, 0);
    PlaceAt(2, 10, 0);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(fly(99), 0u);
    for (int i = 0; i < 200; ++i)
        events += static_cast<int>(fly(0));
    EXPECT_GT(events, 180) << "99 in 100 arrivals";
    game.Tables().EventTexts.clear();
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(fly(0), 0u);
}

TEST(Clock, HoursGoOnPastTwentyFour) {
    EXPECT_EQ(ClockText(0), "00:00:00");
    EXPECT_EQ(ClockText(86399), "23:59:59");
    EXPECT_EQ(ClockText(86400), "24:00:00");
    EXPECT_EQ(ClockText(27 * 3600 + 4 * 60 + 9), "27:04:09");
}

} // namespace
} // namespace veltrane::test
