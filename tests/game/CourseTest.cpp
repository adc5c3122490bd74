#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Flight.h"
#include "game/Views.h"

namespace veltrane::test {
namespace {

struct DistanceCase {
    const char* Name;
    int Dx, Dy, LightYears;
};

class Distance : public EngineTest, public ::testing::WithParamInterface<DistanceCase> {};

TEST_P(Distance, TwoPixelsMakeOneLightYearTruncated) {
    PlaceAt(Other(), GetParam().Dx, GetParam().Dy);
    EXPECT_EQ(SystemDistance(World(), Other()), GetParam().LightYears);
}

INSTANTIATE_TEST_SUITE_P(Course, Distance,
                         ::testing::Values(DistanceCase{"FivePixels", 5, 0, 2},
                                           DistanceCase{"TenPixels", 0, -10, 5},
                                           DistanceCase{"Pythagoras", 3, 4, 2}, DistanceCase{"Same", 0, 0, 0},
                                           DistanceCase{"Diagonal", 817, 450, 466},
                                           DistanceCase{"TruncatesRoot", 7, 7, 4}),
                         [](const auto& testInfo) { return std::string(testInfo.param.Name); });

struct CostCase {
    int Distance, Cell, Cost;
};

class Cost : public ::testing::TestWithParam<CostCase> {};

TEST_P(Cost, DrainTimesStartedTenLightYears) {
    EXPECT_EQ(FlightCost(GetParam().Distance, GetParam().Cell), GetParam().Cost);
}

INSTANTIATE_TEST_SUITE_P(Course, Cost,
                         ::testing::Values(CostCase{2, 1, 4}, CostCase{9, 2, 2}, CostCase{10, 1, 8},
                                           CostCase{19, 3, 2}, CostCase{95, 2, 20}, CostCase{99, 1, 40},
                                           CostCase{249, 1, 100}, CostCase{250, 1, 104},
                                           CostCase{499, 2, 100}, CostCase{999, 3, 100},
                                           CostCase{1000, 3, 101}, CostCase{15, 0, 8}));

class CourseRules : public EngineTest {};

TEST_F(CourseRules, SelectShowsNamePositionAndDistanceAndRemembersIt) {
    const int k = Other();
    PlaceAt(k, 20, 0);
    TSystem& there = World().System(World().CurrentSector, k);
    SelectSystem(Ctx(), k);
    EXPECT_EQ(game.Window.InfoText, "System Name: " + there.Name +
                                        "   Position: " + std::to_string(there.PosX) + "," +
                                        std::to_string(there.PosY) + "   Distance: 10 Lightyears");
    EXPECT_EQ(game.Window.InfoColour, kWhite);
    EXPECT_EQ(game.Session().PendingDistance, 10);
    EXPECT_EQ(World().CurrentSystem == k, false);
}

TEST_F(CourseRules, ExactEnergyIsAdmittedAndTheFlightEndsEmpty) {
    World().Captain.Energy = 8;
    World().Captain.Navigator = 2;
    const int k = Other();
    PlaceAt(k, 30, 0); // 15 light years: cost 8
    SelectSystem(Ctx(), k);
    ASSERT_TRUE(FlyToSystem(Ctx(), k).Done);
    EXPECT_EQ(World().CurrentSystem, k) << "the ship counts as there from the start";
    EXPECT_EQ(game.Session().CurrentView, TView::StarFlight);
    int ticks = 0;
    while (game.Session().InFlight() && ticks < 100) {
        game.Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(World().Captain.Energy, 0);
}

TEST_F(CourseRules, NavigatorMarksOnlyASpareRemainderAndOnlyFromLevelTwo) {
    World().Captain.Energy = 8;
    const int k = Other();
    PlaceAt(k, 30, 0);
    auto rowOf = [&](int system) {
        for (const TNavigatorRow& row : NavigatorRows(Ctx()))
            if (row.System == system)
                return row;
        return TNavigatorRow{};
    };
    World().Captain.Navigator = 2;
    EXPECT_FALSE(rowOf(k).InRange) << "cost equals the energy: nothing to spare";
    World().Captain.Energy = 9;
    EXPECT_TRUE(rowOf(k).InRange);
    World().Captain.Navigator = 1;
    EXPECT_FALSE(rowOf(k).InRange);
    World().Transport.push_back({World().System(World().CurrentSector, k).Name, "5", 1});
    EXPECT_TRUE(rowOf(k).Destination);

    const auto rows = NavigatorRows(Ctx());
    ASSERT_EQ(rows.size(), 150u);
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_LE(strcasecmp(rows[i - 1].Name.c_str(), rows[i].Name.c_str()), 0);
}

TEST_F(CourseRules, TooLittleEnergyRefusesAndChangesNothing) {
    World().Captain.Energy = 7;
    const int here = World().CurrentSystem;
    PlaceAt(Other(), 30, 0);
    SelectSystem(Ctx(), Other());
    const TOutcome outcome = FlyToSystem(Ctx(), Other());
    EXPECT_FALSE(outcome.Done);
    EXPECT_EQ(outcome.Text, "You need more energy for the distance of 15 lightyears.");
    EXPECT_EQ(game.Window.InfoColour, kRed);
    EXPECT_EQ(World().CurrentSystem, here);
    EXPECT_EQ(World().Captain.Energy, 7);
    EXPECT_FALSE(game.Session().InFlight());
}

TEST_F(CourseRules, DoubleClickOnTheCurrentSystemOpensItsViewWithoutAFlight) {
    ASSERT_TRUE(FlyToMarker(Ctx(), World().CurrentSystem).Done);
    EXPECT_EQ(game.Session().CurrentView, TView::System);
    EXPECT_FALSE(game.Session().InFlight());
    EXPECT_EQ(World().Captain.Energy, 100);
}

TEST_F(CourseRules, SetCourseFromTheNavigatorFliesOverTheRealDistance) {
    PlaceAt(Other(), 40, 0);
    game.Session().PendingDistance = 0; // whatever was selected before
    ASSERT_TRUE(SetCourse(Ctx(), Other()).Done);
    EXPECT_EQ(game.Session().FlightDistance, 20);
    EXPECT_FALSE(SetCourse(Ctx(), 0).Done) << "closed without a choice";
}

} // namespace
} // namespace veltrane::test
