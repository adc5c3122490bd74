// One pass through the real window on the shipped pictures and script: the
// map, a flight, a scan, a landing with everything a surface can hold, a
// module filter and the navigator. Time runs on a manual clock.

#include "PassFixture.h"

#include "core/MediaPaths.h"
#include "game/Course.h"
#include "game/Flight.h"
#include "game/Headless.h"
#include "ui/FormNavigator.h"
#include "ui/GameServices.h"
#include "ui/LandscapeView.h"
#include "ui/NewShape.h"
#include "ui/SectorMapView.h"
#include "ui/StatusPanel.h"
#include "ui/SystemView.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>
#include <filesystem>

namespace veltrane::test {
namespace {

using ExplorationPass = ShippedPass;

TEST_F(ExplorationPass, ScanLandTakeEverythingFilterAndFly) {
    TGameState& world = window->World();
    ASSERT_TRUE(window->StartupStepDone());
    EXPECT_EQ(window->CurrentView(), TView::Sector1);
    EXPECT_NE(Info().find(world.Here().Name), std::string::npos) << "the map names the current system";
    Shot("map");

    // The starting system holds artefact 50; give its planet a power pack and module 3 as well.
    QTest::mouseClick(window->StatusArea()->btnSystem(), Qt::LeftButton);
    EXPECT_EQ(window->CurrentView(), TView::System);
    QTest::mouseClick(window->SystemPage()->btnScan(), Qt::LeftButton);
    EXPECT_NE(Info().find("Scan"), std::string::npos);
    EXPECT_NE(world.Here().ShapeColor, kWhite);
    int p = 0;
    while (world.Here().Planets[static_cast<std::size_t>(p)].Artefact != 50)
        ++p;
    world.Here().Planets[static_cast<std::size_t>(p)].PowerUp = 1;
    world.AlienModules[3] = {1, static_cast<std::uint8_t>(world.CurrentSystem), static_cast<std::uint8_t>(p)};
    QLabel* planet = window->SystemPage()->imgPlanet(p + 1);
    ASSERT_TRUE(planet->isVisible());
    Shot("system");

    QTest::mouseClick(planet, Qt::LeftButton);
    QTest::mouseDClick(planet, Qt::LeftButton);
    ASSERT_EQ(window->CurrentView(), TView::Landscape);
    LandscapeView* surface = window->LandscapePage();
    ASSERT_TRUE(surface->imgArtefact()->isVisible());
    ASSERT_TRUE(surface->imgPowerPack()->isVisible());
    ASSERT_TRUE(surface->imgAlienModule()->isVisible());
    Shot("surface");

    QTest::mouseClick(surface->imgArtefact(), Qt::LeftButton);
    EXPECT_NE(Info().find(world.Artefacts[50].Name), std::string::npos);
    QTest::mouseDClick(surface->imgArtefact(), Qt::LeftButton);
    EXPECT_FALSE(surface->imgArtefact()->isVisible());
    ASSERT_EQ(window->StatusArea()->lvwCargo()->topLevelItemCount(), 1);
    EXPECT_FALSE(window->StatusArea()->lvwCargo()->topLevelItem(0)->icon(0).isNull());

    const int budget = world.Captain.Budget;
    QTest::mouseClick(surface->imgPowerPack(), Qt::LeftButton);
    QTest::mouseDClick(surface->imgPowerPack(), Qt::LeftButton);
    EXPECT_FALSE(surface->imgPowerPack()->isVisible());
    EXPECT_GT(world.Captain.Budget + world.Captain.Energy, budget + 100 - 1) << "budget or energy grew";

    QTest::mouseClick(surface->imgAlienModule(), Qt::LeftButton);
    EXPECT_TRUE(world.Captain.Module3);
    EXPECT_TRUE(window->StatusArea()->imgModule(3)->isVisible());
    EXPECT_NE(window->StatusArea()->imgModule(3)->toolTip().toStdString().find("click again"),
              std::string::npos);

    QTest::mouseDClick(surface->imgLandscape(), Qt::LeftButton);
    EXPECT_EQ(window->CurrentView(), TView::System);

    // The reach filter hides what the energy cannot reach.
    QTest::mouseClick(window->StatusArea()->imgModule(3), Qt::LeftButton);
    EXPECT_EQ(window->CurrentView(), TView::Sector1);
    SectorMapView* map = window->SectorPage(1);
    int hidden = 0;
    int target = 0;
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        const bool reach = world.Captain.Energy - FlightCost(SystemDistance(world, k), 1) > 0;
        EXPECT_EQ(map->marker(k)->isVisible(), reach) << k;
        hidden += reach ? 0 : 1;
        if (reach && SystemDistance(world, k) >= 20 && target == 0)
            target = k;
    }
    ASSERT_NE(target, 0);
    Shot("filter");

    // A double click flies; the flight pays as it goes and arrives on the main timer.
    const int energy = world.Captain.Energy;
    const int distance = SystemDistance(world, target);
    TNewShape* marker = map->marker(target);
    QTest::mouseClick(marker, Qt::LeftButton, {}, marker->rect().center());
    QTest::mouseDClick(marker, Qt::LeftButton, {}, marker->rect().center());
    ASSERT_EQ(window->CurrentView(), TView::StarFlight);
    EXPECT_EQ(world.CurrentSystem, target);
    for (int i = 0; i < 30; ++i)
        window->timStarFlightTimer();
    Shot("flight");
    for (int t = 0; t < FlightSeconds(distance); ++t)
        window->timMainTimer();
    EXPECT_EQ(window->CurrentView(), TView::System);
    EXPECT_EQ(world.Captain.Energy, energy - FlightSeconds(distance) * FlightDrain(1));
    EXPECT_NE(Info().find(world.Here().Name), std::string::npos);
    EXPECT_EQ(problems, std::vector<std::string>{});
}

TEST_F(ExplorationPass, NavigatorListsTheSectorAndSetsACourseAtLevelThree) {
    TGameState& world = window->World();
    world.Captain.Navigator = 3;
    int chosen = 0;
    // The dialog is modal: look at it and answer it from inside its own loop.
    QTimer::singleShot(0, [&] {
        auto* dialog = testing::ModalDialog<FormNavigator>();
        ASSERT_NE(dialog, nullptr);
        QTreeWidget* list = dialog->lvwSystemList();
        EXPECT_EQ(list->topLevelItemCount(), kSystemsPerSector);
        EXPECT_TRUE(dialog->btnSetCourse()->isVisible());
        EXPECT_TRUE(dialog->imgNavPic(3)->isVisible());
        EXPECT_NE(dialog->lblTitle()->text().toStdString().find("1"), std::string::npos);
        ShotOf(QApplication::activeModalWidget(), "navigator");
        for (int r = 0; r < list->topLevelItemCount() && chosen == 0; ++r) {
            const int k = list->topLevelItem(r)->data(0, Qt::UserRole + 1).toInt();
            if (k != world.CurrentSystem && list->topLevelItem(r)->text(3) == "X") {
                chosen = k;
                list->setCurrentItem(list->topLevelItem(r));
            }
        }
        QTest::mouseClick(dialog->btnSetCourse(), Qt::LeftButton);
    });
    QTest::mouseClick(window->StatusArea()->btnNavigator(), Qt::LeftButton);
    ASSERT_NE(chosen, 0);
    EXPECT_EQ(world.CurrentSystem, chosen);
    EXPECT_EQ(window->CurrentView(), TView::StarFlight);
}

} // namespace
} // namespace veltrane::test
