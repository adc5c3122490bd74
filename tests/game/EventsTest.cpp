#include "EngineFixture.h"

#include "game/Events.h"

#include <set>

namespace veltrane::test {
namespace {

class Events : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        game.Tables().EventTexts = {"Good %d", "Bad %d"};
    }
    // Arrival events until one of the wanted parity comes.
    std::string EventOf(bool good) {
        for (int i = 0; i < 200; ++i) {
            const int budget = World().Captain.Budget;
            game.Messages.Shown.clear();
            ArrivalEvent(Ctx());
            if (!game.Messages.Shown.empty() && game.Messages.Shown[0].rfind(good ? "Good" : "Bad", 0) == 0)
                return game.Messages.Shown[0];
            World().Captain.Budget = budget;
        }
        return {};
    }
};

TEST_F(Events, ABadEventNeverCostsMoreThanTheBudgetAndNothingAtZero) {
    World().Captain.Budget = 5;
    EXPECT_EQ(EventOf(false), "Bad 5");
    EXPECT_EQ(World().Captain.Budget, 0);
    for (int i = 0; i < 50; ++i) {
        game.Messages.Shown.clear();
        ArrivalEvent(Ctx());
        for (const std::string& shown : game.Messages.Shown)
            EXPECT_EQ(shown.rfind("Bad", 0), std::string::npos) << "a bad event at zero shows nothing";
        World().Captain.Budget = 0;
    }
}

TEST_F(Events, AGoodEventAtZeroMayPayNothingAndSaysSo) {
    std::set<std::string> seen;
    for (int i = 0; i < 300; ++i) {
        World().Captain.Budget = 0;
        seen.insert(EventOf(true));
    }
    EXPECT_TRUE(seen.count("Good 0")) << "Random(10) reaches 0";
    for (const std::string& text : seen)
        EXPECT_LE(std::stoi(text.substr(5)), 9);
}

TEST_F(Events, OddTextsPayEvenTextsCost) {
    game.Tables().EventTexts = {"1 %d", "2 %d", "3 %d", "4 %d"};
    for (int i = 0; i < 100; ++i) {
        World().Captain.Budget = 1000;
        game.Messages.Shown.clear();
        ArrivalEvent(Ctx());
        ASSERT_EQ(game.Messages.Shown.size(), 1u);
        const int n = game.Messages.Shown[0][0] - '0';
        EXPECT_EQ(World().Captain.Budget > 1000, n % 2 == 1) << game.Messages.Shown[0];
    }
}

TEST_F(Events, ThePoliceGiveABonusToAnEmptyPurseAndComeOncePerPlanet) {
    game.Options().RandomEvents = 0;
    Here().Planets.resize(1);
    game.Session().CurrentPlanet = 0;
    game.Session().Visit.PoliceLevel = 0; // harsh
    World().Captain.Budget = 0;
    int checks = 0;
    for (int i = 0; i < 10 && !Here().Planets[0].EventOccured; ++i, ++checks)
        PoliceCheck(Ctx());
    ASSERT_TRUE(Here().Planets[0].EventOccured);
    EXPECT_GE(World().Captain.Budget, 10);
    EXPECT_LE(World().Captain.Budget, 109);
    EXPECT_EQ(game.Sound.Played.back(), "goodmsg.wav");
    const int budget = World().Captain.Budget;
    for (int i = 0; i < 20; ++i)
        PoliceCheck(Ctx());
    EXPECT_EQ(World().Captain.Budget, budget) << "no second event on this planet";
}

TEST(EventAmount, AQuarterOfTheBudgetAtMostPlusTenCappedAtTheBudget) {
    TRandom rng(3);
    for (int i = 0; i < 500; ++i) {
        const int a = EventAmount(100, rng);
        EXPECT_GE(a, 10);
        EXPECT_LE(a, 34);
        EXPECT_LE(EventAmount(7, rng), 7);
        EXPECT_EQ(EventAmount(0, rng), 0);
    }
}

} // namespace
} // namespace veltrane::test
