// The upgrade shop, transport jobs and the headquarter.

#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Flight.h"
#include "game/Headquarter.h"
#include "game/Transport.h"
#include "game/UpgradeShop.h"

namespace veltrane::test {
namespace {

struct ShopCase {
    const char* Name;
    const char* Node;
    int Sector, Budget;
    const char* Answer; // the start of what the dealer says
    bool Installs;
};

class Shop : public InTheCity, public ::testing::WithParamInterface<ShopCase> {};

TEST_P(Shop, ChecksBudgetThenSectorThenClass) {
    const ShopCase& c = GetParam();
    World().CurrentSector = c.Sector;
    World().Captain.Budget = c.Budget;
    World().Captain.Storage = 1;
    World().Captain.Scanner = 2;
    Enter();
    OpenUpgradeShop(Ctx());
    const std::optional<int> node = c.Node[0] ? FindUpgradeNode(game.Session(), c.Node) : std::nullopt;
    if (c.Budget > 0) // an exact budget is enough
        World().Captain.Budget = node ? game.Session().UpgradePrices[static_cast<std::size_t>(*node)] : 0;
    EXPECT_EQ(InstallItem(Ctx(), node).Done, c.Installs);
    EXPECT_EQ(Visit().Person.rfind(c.Answer, 0), 0u) << Visit().Person;
    if (c.Installs) {
        EXPECT_EQ(World().Captain.Budget, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    UpgradeShop, Shop,
    ::testing::Values(ShopCase{"NothingSelected", "", 1, 1, "Sorry, Sir, but you did not select", false},
                      ShopCase{"ClassRootEvenWithoutMoney", "Scanner", 1, 0,
                               "Sorry, Sir, but you need to specify", false},
                      ShopCase{"MoneyFirst", "Double", 1, 0, "Sorry Sir, but you need more budget", false},
                      ShopCase{"DoubleHyperdriveNeedsSectorTwo", "Double", 1, 1,
                               "Sorry sir, but this item can only be bought in sector 2", false},
                      ShopCase{"DoubleHyperdriveInSectorThree", "Double", 3, 1, "Thank you", true},
                      ShopCase{"SameScanner", "Power", 1, 1, "Sorry sir, but you already have", false},
                      ShopCase{"LowerScanner", "Basic", 1, 1, "Sorry sir, but you already have", false},
                      ShopCase{"MegaStraightFromStandard", "Mega", 1, 1, "Thank you", true}),
    [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST_F(InTheCity, MegaStorageHoldsNineAndPricesKeepOneBlankBeforeTheBracket) {
    World().Captain.Budget = 5000;
    Enter();
    OpenUpgradeShop(Ctx());
    InstallItem(Ctx(), FindUpgradeNode(game.Session(), "Mega"));
    game.Window.RefreshStatus();
    EXPECT_EQ(World().Captain.Storage, 3);
    EXPECT_EQ(EquipmentRows(game.Session())[2].Text, "Mega ");
    for (int visit = 0; visit < 3; ++visit) {
        LeaveCity(Ctx());
        Enter();
        OpenUpgradeShop(Ctx());
        const std::string& text = game.Session().UpgradeTexts[1]; // Basic
        EXPECT_EQ(text.find("  "), std::string::npos) << text;
        const int price = game.Session().UpgradePrices[1];
        EXPECT_EQ(text, "Basic [" + std::to_string(price) + "]");
        EXPECT_GE(price, 100);
        EXPECT_LE(price, 149);
    }
}

TEST_F(InTheCity, AcceptingThreeOffersWithOneFreeSlotTakesTheLastAndRefusesTwice) {
    World().Captain.StorageCapacity = 3;
    World().Cargo = {{"a", 1}, {"b", 2}};
    Enter();
    Visit().Offers = {{"One", "10", 1}, {"Two", "11", 0}, {"Three", "12", 2}};
    const int played = game.Window.Refreshes;
    AcceptOffers(Ctx(), {0, 1, 2});
    ASSERT_EQ(World().Transport.size(), 1u);
    EXPECT_EQ(World().Transport[0].Destination, "Three");
    EXPECT_EQ(Visit().Offers.size(), 2u);
    EXPECT_EQ(game.Window.InfoText, "Sorry, you need more storage capacity to load this item.");
    EXPECT_GT(game.Window.Refreshes, played);
}

// A sector where the current system stands alone, or beside one system that is never drawn.
TEST_F(InTheCity, OffersEndEvenWhereNoOtherSystemCanBeDrawn) {
    for (int k = 1; k <= kSystemsPerSector; ++k)
        if (k != World().CurrentSystem)
            PlaceAt(k, 400, 400); // every other system far away
    for (int i = 0; i < 20; ++i) {
        GenerateTransportOffers(Ctx());
        EXPECT_TRUE(Visit().Offers.empty());
    }
    // Two candidates with the current system first: the other is the last, never drawn.
    const int other = World().CurrentSystem < kSystemsPerSector ? kSystemsPerSector : 1;
    PlaceAt(other, 20, 0);
    GenerateTransportOffers(Ctx());
    if (other > World().CurrentSystem) {
        EXPECT_TRUE(Visit().Offers.empty());
    }
}

class Delivery : public EngineTest {
  protected:
    // Flies to a system 10 light years away that carries `name`.
    void ArriveAt(const std::string& name) {
        game.Options().RandomEvents = 100;
        World().System(World().CurrentSector, Other()).Name = name;
        PlaceAt(Other(), 20, 0);
        FlyToMarker(Ctx(), Other());
        game.FinishPassage();
    }
};

TEST_F(Delivery, PassengersAndBoxesForOneDestinationArePaidInOneMessage) {
    World().Transport = {{"Ardo", "20", 3}, {"Ardo", "5", 0}, {"Elsewhere", "9", 0}, {"Ardo", "6", 1}};
    const int budget = World().Captain.Budget;
    ArriveAt("Ardo");
    ASSERT_EQ(game.Messages.Shown.size(), 1u);
    EXPECT_EQ(game.Messages.Shown[0].rfind(
                  "2 Passengers, 1 Boxes have been picked up. You got a payment of 31 G$", 0),
              0u)
        << game.Messages.Shown[0];
    EXPECT_NE(game.Messages.Shown[0].find("Hint from a passenger"), std::string::npos);
    EXPECT_EQ(World().Captain.Budget, budget + 31);
    ASSERT_EQ(World().Transport.size(), 1u);
}

TEST_F(Delivery, BoxesWorthNothingLeaveSilentlyAndTheEventRollStillComes) {
    game.Tables().EventTexts = {"Good %d"};
    World().Transport = {{"Ardo", "0", 0}};
    game.Options().RandomEvents = 0;
    World().System(World().CurrentSector, Other()).Name = "Ardo";
    PlaceAt(Other(), 20, 0);
    int events = 0;
    for (int i = 0; i < 20; ++i) {
        World().Transport = {{"Ardo", "0", 0}};
        World().Captain.Energy = 100;
        game.Messages.Shown.clear();
        FlyToMarker(Ctx(), World().CurrentSystem == Other() ? (Other() == 1 ? 2 : 1) : Other());
        game.FinishPassage();
        events += static_cast<int>(game.Messages.Shown.size());
        if (Here().Name == "Ardo") {
            EXPECT_TRUE(World().Transport.empty());
        }
    }
    EXPECT_GT(events, 10) << "events come as if nothing had been delivered";
}

TEST_F(Delivery, TheHintPointsAtTheModuleUntilItIsTakenThenAtTheOrder) {
    for (TModulePlacement& m : World().AlienModules)
        if (m.Sector == World().CurrentSector)
            m.System = 0; // taken
    World().Transport = {{"Ardo", "20", 3}};
    ArriveAt("Ardo");
    EXPECT_NE(game.Messages.Shown.at(0).find("artefact"), std::string::npos) << game.Messages.Shown[0];
    World().Cargo = {{"Ordered", World().FindIdx[World().CurrentSector]}};
    World().Transport = {{"Ardo", "20", 3}};
    game.Messages.Shown.clear();
    const int ardo = World().CurrentSystem;
    const int away = Other();
    PlaceAt(away, 20, 0);
    for (int k : {away, ardo}) {
        World().Captain.Energy = 100;
        FlyToMarker(Ctx(), k);
        game.FinishPassage();
    }
    ASSERT_FALSE(game.Messages.Shown.empty());
    EXPECT_EQ(game.Messages.Shown.back().find("Hint"), std::string::npos)
        << "nothing left to point at: " << game.Messages.Shown.back() << " at " << Here().Name;
}

class AtHeadquarter : public EngineTest {};

TEST_F(AtHeadquarter, TheLastTwoInOneVisitWinWithTheFanfareAndNoGoodLuck) {
    World().HQArtefacts[1] = {"First", "", 0, 0, 0, World().FindIdx[1]};
    World().HQArtefacts[2] = {"Second", "", 0, 0, 0, World().FindIdx[2]};
    int stone = 1;
    while (std::find(World().FindIdx.begin(), World().FindIdx.end(), stone) != World().FindIdx.end())
        ++stone;
    World().Cargo = {{"Third", World().FindIdx[3]}, {"Stone", stone}, {"Fourth", World().FindIdx[4]}};
    game.Messages.Answer = false;
    const THeadquarterVisit visit = VisitHeadquarter(Ctx());
    EXPECT_TRUE(visit.Won);
    EXPECT_EQ(visit.Rows.size(), 4u);
    EXPECT_EQ(visit.Text.rfind("Hi Captain Jon Kestrel. Nice to see you again. Congratulation!", 0), 0u);
    EXPECT_EQ(visit.Text.find("Good luck!"), std::string::npos);
    EXPECT_EQ(game.Sound.Played.back(), "fanfare.wav");
    ASSERT_EQ(World().Cargo.size(), 1u) << "only ordered artefacts are delivered";
    EXPECT_NE(OrderText(Ctx()).find(World().Artefacts[World().FindIdx[1]].Name), std::string::npos);
}

TEST_F(AtHeadquarter, ThreeDeliveredEndWithGoodLuckAndASoldArtefactFoundAgainCounts) {
    World().Cargo = {{"A", World().FindIdx[1]}, {"B", World().FindIdx[2]}};
    THeadquarterVisit visit = VisitHeadquarter(Ctx());
    EXPECT_EQ(visit.Rows.size(), 2u);
    World().Cargo = {{"C", World().FindIdx[3]}}; // sold once, picked up again
    visit = VisitHeadquarter(Ctx());
    EXPECT_EQ(visit.Rows.size(), 3u);
    EXPECT_FALSE(visit.Won);
    EXPECT_EQ(visit.Text.substr(visit.Text.size() - 10), "Good luck!");
}

} // namespace
} // namespace veltrane::test
