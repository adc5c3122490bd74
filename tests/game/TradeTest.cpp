#include "EngineFixture.h"

#include "game/City.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Trade.h"
#include "game/Views.h"

#include <fstream>
#include <sstream>

namespace veltrane::test {
namespace {

std::vector<std::vector<std::string>> ReadCsv(const std::string& name) {
    std::ifstream in(std::string(VELTRANE_TESTDATA_DIR) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line); // the column names
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, ',');)
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// Reference tables computed independently in 80-bit arithmetic.
TEST(TradeTables, SellPricesMatchEveryReferenceRow) {
    const auto rows = ReadCsv("sell_prices.csv");
    ASSERT_EQ(rows.size(), 810u);
    const char* markers[] = {"", "A plain stone.", "A plain stone. $$", "A royal seal. $$$"};
    for (const auto& r : rows)
        ASSERT_EQ(SellPrice(std::stoi(r[0]), markers[std::stoi(r[1])], std::stoi(r[2])), std::stoi(r[3]))
            << r[0] << "," << r[1] << "," << r[2];
}

TEST(TradeTables, RefuelCostsMatchEveryReferenceRow) {
    const auto rows = ReadCsv("refuel_costs.csv");
    ASSERT_EQ(rows.size(), 30300u);
    for (const auto& r : rows)
        ASSERT_EQ(RefuelCost(r[0], std::stoi(r[1])), std::stoi(r[2])) << r[0] << " x " << r[1];
}

TEST_F(InTheCity, OnlyTheCapitalHasASpacePort) {
    EXPECT_FALSE(EnterCity(Ctx(), 1).Done);
    EXPECT_EQ(game.Window.InfoColour, kRed);
    EXPECT_EQ(game.Session().CurrentView, TView::Landscape);
    ASSERT_TRUE(Enter().Done);
    EXPECT_EQ(game.Session().CurrentView, TView::City);
    EXPECT_EQ(Visit().RefuelPrice, "0.50");
    EXPECT_TRUE(Visit().UpgradeOffered);
    EXPECT_FALSE(Visit().SellEnabled) << "nothing aboard to sell";
}

TEST_F(InTheCity, PricesHoldForTheVisitAndAreRolledAgainOnTheNext) {
    World().Cargo = {{"Orb", 3}, {"Key", 4}, {"Mask", 5}};
    Enter();
    OpenSellPanel(Ctx());
    const auto first = Visit().SellList;
    ASSERT_EQ(first.size(), 3u);
    GoBack(Ctx());
    OpenSellPanel(Ctx());
    EXPECT_EQ(Visit().SellList, first);
    bool changed = false;
    for (int i = 0; i < 5 && !changed; ++i) {
        LeaveCity(Ctx());
        Enter();
        OpenSellPanel(Ctx());
        changed = Visit().SellList != first;
    }
    EXPECT_TRUE(changed);
}

TEST_F(InTheCity, SellingPaysHidesTheArtefactsAgainAndLeavesTheLandingPlanetAlone) {
    World().Cargo = {{"Orb", 3}, {"Key", 4}};
    Here().Planets[0].Artefact = 9; // still lying on the surface
    Enter();
    OpenSellPanel(Ctx());
    const int budget = World().Captain.Budget;
    const int price = std::stoi(Visit().SellList[1].Price);
    EXPECT_EQ(SellTotal(Ctx(), {1}), std::to_string(price) + " G$");
    SellSelection(Ctx(), {1});
    EXPECT_EQ(World().Captain.Budget, budget + price);
    ASSERT_EQ(World().Cargo.size(), 1u);
    EXPECT_EQ(World().Cargo[0].StateIndex, 3);
    EXPECT_EQ(World().Artefacts[4].Sector, World().CurrentSector);
    const TArtefact& where = World().Artefacts[4];
    EXPECT_EQ(World()
                  .System(where.Sector, where.System)
                  .Planets.at(static_cast<std::size_t>(where.Planet))
                  .Artefact,
              4);
    EXPECT_EQ(Here().Planets[0].Artefact, 9);
    SellSelection(Ctx(), {0});
    EXPECT_FALSE(Visit().SellEnabled);
    EXPECT_EQ(Visit().Person, "Thank you for selling these treasures to us. Any more wishes?");
}

struct RefuelCase {
    const char* Name;
    int Energy, Budget, Percent;
    bool Fills;
};

class Refuelling : public InTheCity, public ::testing::WithParamInterface<RefuelCase> {};

TEST_P(Refuelling, TheBudgetMustCoverTheCostShown) {
    const RefuelCase& c = GetParam();
    World().Captain.Energy = static_cast<std::uint8_t>(c.Energy);
    World().Captain.Budget = c.Budget;
    Enter();
    OpenRefuelPanel(Ctx());
    EXPECT_EQ(game.Session().Refuel.Maximum, 100 - c.Energy);
    MoveRefuelSlider(Ctx(), c.Percent);
    const int cost = game.Session().Refuel.PendingCost;
    EXPECT_EQ(FillEnergy(Ctx()).Done, c.Fills);
    // The slider never goes past a full cell.
    EXPECT_EQ(World().Captain.Energy, c.Fills ? c.Energy + std::min(c.Percent, 100 - c.Energy) : c.Energy);
    EXPECT_EQ(World().Captain.Budget, c.Fills ? c.Budget - cost : c.Budget);
    if (c.Fills) {
        EXPECT_EQ(game.Session().Refuel.PercentText, "0 %");
    }
}

INSTANTIATE_TEST_SUITE_P(Trade, Refuelling,
                         ::testing::Values(RefuelCase{"HalfToEven", 50, 100, 5, true},
                                           RefuelCase{"ExactBudget", 50, 2, 5, true},
                                           RefuelCase{"OneShort", 50, 1, 5, false},
                                           RefuelCase{"FullCellsFillNothing", 100, 0, 30, true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST_F(InTheCity, ThePendingCostOfOneCityIsPaidInTheNext) {
    World().Captain.Energy = 50;
    Enter();
    OpenRefuelPanel(Ctx());
    MoveRefuelSlider(Ctx(), 10); // 5 G$ here
    LeaveCity(Ctx());
    Here().Planets[0].Cities[0].PriceFactor = 2.5;
    Enter();
    OpenRefuelPanel(Ctx());
    const int budget = World().Captain.Budget;
    FillEnergy(Ctx());
    EXPECT_EQ(World().Captain.Budget, budget - 5);
    EXPECT_EQ(World().Captain.Energy, 60);
}

} // namespace
} // namespace veltrane::test
