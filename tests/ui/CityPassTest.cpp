// One pass through a capital and the headquarter in the real window: sell,
// refuel, upgrade, take a passenger who pays on arrival with a hint, deliver
// the order and win.

#include "PassFixture.h"

#include "game/Course.h"
#include "game/Flight.h"
#include "lang/TextCatalogue.h"
#include "ui/CityView.h"
#include "ui/FormHeadQuarter.h"
#include "ui/LandscapeView.h"
#include "ui/NewShape.h"
#include "ui/SectorMapView.h"
#include "ui/SystemView.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

namespace veltrane::test {
namespace {

using CityPass = ShippedPass;

TEST_F(CityPass, SellRefuelUpgradeCarryAPassengerAndWin) {
    TGameState& world = window->World();
    CityView* city = window->CityPage();
    auto click = [&](const char* name) {
        auto* button = Control<QPushButton>(name);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    };

    const int p = ScanAndMakeACapital(5); // industrial: the shop is open
    TPlanet& planet = world.Here().Planets[static_cast<std::size_t>(p)];
    planet.Cities[0].PriceFactor = 1.0;
    int sellable = 1;
    while (std::find(world.FindIdx.begin(), world.FindIdx.end(), sellable) != world.FindIdx.end())
        ++sellable;
    world.Cargo = {{world.Artefacts[sellable].Name, sellable}};
    world.Captain.Energy = 50;
    world.Captain.Budget = 1000;
    QTest::mouseDClick(window->SystemPage()->imgPlanet(p + 1), Qt::LeftButton);
    QLabel* capital = window->LandscapePage()->imgCity(1);
    ASSERT_TRUE(capital->isVisible());
    QTest::mouseClick(capital, Qt::LeftButton);
    EXPECT_NE(Info().find(planet.Cities[0].Name), std::string::npos);
    QTest::mouseDClick(capital, Qt::LeftButton);
    ASSERT_EQ(window->CurrentView(), TView::City);
    EXPECT_NE(city->lblPerson()->text().toStdString().find(planet.Cities[0].Name), std::string::npos);
    Shot("city");

    click("btnSellArtefacts");
    auto* sellList = city->findChild<QTreeWidget*>("lvwSellList");
    ASSERT_EQ(sellList->topLevelItemCount(), 1);
    sellList->topLevelItem(0)->setSelected(true);
    const int price = sellList->topLevelItem(0)->text(1).toInt();
    EXPECT_EQ(city->findChild<QLabel*>("lblTotalProfit")->text(), QString("%1 G$").arg(price));
    Shot("city-sell");
    click("btnSellSelection");
    EXPECT_EQ(world.Captain.Budget, 1000 + price);
    EXPECT_TRUE(world.Cargo.empty());
    EXPECT_FALSE(city->findChild<QPushButton*>("btnSellArtefacts")->isEnabled());

    click("btnGoBack1");
    click("btnGetRefuel");
    city->findChild<QSlider*>("srbRefuel")->setValue(20);
    EXPECT_EQ(city->findChild<QLabel*>("lblRefuelCosts")->text(), "Your costs: 20 G$");
    Shot("city-refuel");
    click("btnFillEnergy");
    EXPECT_EQ(world.Captain.Energy, 70);
    EXPECT_EQ(world.Captain.Budget, 1000 + price - 20);

    click("btnGoBack2");
    click("btnGetUpgrade");
    QTreeWidget* tree = city->trvUpgrade();
    for (int c = 0; c < tree->topLevelItemCount(); ++c)
        EXPECT_TRUE(tree->topLevelItem(c)->isExpanded()) << "every equipment class shows its variants";
    QTreeWidgetItem* power = tree->topLevelItem(0)->child(1);
    const QString variant = power->text(0).left(power->text(0).indexOf('['));
    EXPECT_TRUE(power->text(0).endsWith("]")) << "prices are rolled into the node texts";
    tree->setCurrentItem(power);
    Shot("city-upgrade");
    click("btnInstallItem");
    EXPECT_EQ(world.Captain.Scanner, 2);
    EXPECT_EQ(city->findChild<QTreeWidget*>("lvwConfig")->topLevelItem(0)->text(0), variant);

    // A passenger for a system in reach.
    click("btnGoBack4");
    int target = 0;
    for (int k = 1; k <= kSystemsPerSector && target == 0; ++k)
        if (k != world.CurrentSystem && SystemDistance(world, k) >= 10 &&
            FlightCost(SystemDistance(world, k), 1) < 60)
            target = k;
    ASSERT_NE(target, 0);
    window->Session().Visit.Offers = {{world.System(1, target).Name, "25", 3}};
    click("btnTransport");
    auto* offers = city->findChild<QTreeWidget*>("lvwTransObjects");
    ASSERT_EQ(offers->topLevelItemCount(), 1);
    offers->topLevelItem(0)->setSelected(true);
    Shot("city-transport");
    click("btnAcceptTransport");
    ASSERT_EQ(world.Transport.size(), 1u);
    EXPECT_EQ(window->StatusArea()->lvwTransDisplay()->topLevelItemCount(), 1);
    click("btnGoBack6");
    click("btnCityExit");
    EXPECT_EQ(window->CurrentView(), TView::Landscape);

    QTest::mouseClick(window->StatusArea()->btnStarMap(), Qt::LeftButton);
    TNewShape* marker = window->SectorPage(1)->marker(target);
    QTest::mouseClick(marker, Qt::LeftButton, {}, marker->rect().center());
    QTest::mouseDClick(marker, Qt::LeftButton, {}, marker->rect().center());
    const int budget = world.Captain.Budget;
    while (window->Session().InFlight())
        window->timMainTimer();
    EXPECT_EQ(world.Captain.Budget, budget + 25);
    ASSERT_FALSE(messages->asked.empty());
    EXPECT_NE(messages->asked.back().find("passenger's tip"), std::string::npos) << messages->asked.back();

    // The order, found: the headquarter is here and all four ride along.
    world.Headquarter = {world.Here().Name, "", 1, world.CurrentSystem, 0, 0};
    for (int i = 1; i <= 4; ++i)
        world.Cargo.push_back({world.Artefacts[world.FindIdx[i]].Name, world.FindIdx[i]});
    QTest::mouseClick(window->StatusArea()->btnSystem(), Qt::LeftButton);
    QLabel* ship = window->SystemPage()->imgSEROShip();
    ASSERT_TRUE(ship->isVisible());
    const std::string galaxy = world.GalaxyName;
    bool greeted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = testing::ModalDialog<FormHeadQuarter>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->lvwHQArtefacts()->topLevelItemCount(), 4);
        greeted = dialog->lblMessage()->text().contains("Congratulation");
        EXPECT_TRUE(dialog->timScroller()->isActive()) << "the greeting rises";
        if (std::getenv("VELTRANE_SHOTS")) {
            QTest::qWait(3000); // the greeting has risen into view
            ShotOf(QApplication::activeModalWidget(), "headquarter");
        }
        QTest::mouseClick(dialog->btnHQYes(), Qt::LeftButton);
    });
    QTest::mouseDClick(ship, Qt::LeftButton);
    EXPECT_TRUE(greeted);
    EXPECT_EQ(messages->asked.back(), Lookup(window->Script(), texts::StartNew) + "||c");
    EXPECT_EQ(sound.effects.back(), "button.wav") << "the new game shows the map as the map button does";
    EXPECT_NE(world.GalaxyName, galaxy);
    EXPECT_TRUE(world.Cargo.empty());
    EXPECT_TRUE(world.HQArtefacts[1].Name.empty());
    EXPECT_EQ(problems, std::vector<std::string>{});
}

} // namespace
} // namespace veltrane::test
