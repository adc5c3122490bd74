// One pass through the real window for a hyperdrive jump, the police at a
// city's gate, a game loaded through the options dialog, and the incoming
// message as the player sees it.

#include "PassFixture.h"

#include "game/Course.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"
#include "persist/SavedGame.h"
#include "ui/CityView.h"
#include "ui/FormOptions.h"
#include "ui/LandscapeView.h"
#include "ui/NewShape.h"
#include "ui/PictureView.h"
#include "ui/Pictures.h"
#include "ui/QtMessagePort.h"
#include "ui/SavedGamesPage.h"
#include "ui/SectorMapView.h"
#include "ui/SystemView.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace veltrane::test {
namespace {

using JourneyPass = ShippedPass;

TEST_F(JourneyPass, AHyperdriveJumpRunsThroughTheTunnelToTheNextSector) {
    TGameState& world = window->World();
    world.Captain.Hyperdrive = 1;
    const int system = world.CurrentSystem;
    EXPECT_FALSE(window->StatusArea()->btnSector()->isEnabled() && window->CurrentView() != TView::Sector1);
    QTest::mouseClick(window->StatusArea()->btnSector(), Qt::LeftButton); // the first choice: sector 2
    ASSERT_EQ(window->CurrentView(), TView::Tunnel);
    EXPECT_EQ(sound.effects.back(), "trance.mp3");
    for (int i = 0; i < 6; ++i)
        window->timStarFlightTimer();
    auto* tunnel = Control<QLabel>("imgTunnel");
    EXPECT_FALSE(tunnel->pixmap().isNull());
    Shot("tunnel");
    for (int t = 0; t < 4; ++t)
        window->timMainTimer();
    EXPECT_EQ(window->CurrentView(), TView::Sector2);
    EXPECT_EQ(world.CurrentSystem, system);
    EXPECT_EQ(world.Captain.Energy, 30);
    EXPECT_TRUE(window->StatusArea()->imgSector(2, true)->isVisible());
    EXPECT_FALSE(window->StatusArea()->imgSector(1, true)->isVisible());
    EXPECT_NE(std::find(sound.effects.begin(), sound.effects.end(), ""), sound.effects.end())
        << "the music stopped";
    EXPECT_EQ(window->StatusArea()->lblInfo()->text().toStdString(),
              Format(Lookup(window->Script(), texts::NowSector), {std::int64_t{2}}).value());
}

TEST_F(JourneyPass, ThePoliceWaitAtTheGateOfAHarshCity) {
    TGameState& world = window->World();
    window->Game().Options().RandomEvents = 0;
    const int p = ScanAndMakeACapital(4);
    TPlanet& planet = world.Here().Planets[static_cast<std::size_t>(p)];
    planet.Cities[0].PoliceLevel = 0;
    world.Captain.Budget = 0; // a harsh officer finds nothing to fine
    QTest::mouseDClick(window->SystemPage()->imgPlanet(p + 1), Qt::LeftButton);
    QTest::mouseDClick(window->LandscapePage()->imgCity(1), Qt::LeftButton);
    ASSERT_EQ(window->CurrentView(), TView::City);
    for (int i = 0; i < 10 && !planet.EventOccured; ++i) {
        QTest::mouseClick(window->StatusArea()->btnStarMap(), Qt::LeftButton);
        QTest::mouseClick(window->StatusArea()->btnSystem(), Qt::LeftButton);
        QTest::mouseDClick(window->SystemPage()->imgPlanet(p + 1), Qt::LeftButton);
        QTest::mouseDClick(window->LandscapePage()->imgCity(1), Qt::LeftButton);
    }
    ASSERT_TRUE(planet.EventOccured);
    EXPECT_GE(world.Captain.Budget, 10);
    EXPECT_NE(std::find(sound.effects.begin(), sound.effects.end(), "goodmsg.wav"), sound.effects.end());
}

TEST_F(JourneyPass, ALoadedGameShowsItsOwnCargoJobsModulesAndMarkers) {
    // A game saved elsewhere: cargo, a job, a module and a scanned system in sector 1.
    TGameState saved = window->World();
    saved.Cargo = {{saved.Artefacts[7].Name, 7}, {saved.Artefacts[8].Name, 8}};
    saved.Transport = {{"Farport", "30", 2}};
    saved.Captain.Module2 = true;
    saved.System(1, 5).ShapeColor = 0x0000FF;
    saved.GameSeconds = 5000;
    const std::string games = home.path().toStdString() + "/Games/";
    std::filesystem::create_directories(games);
    ASSERT_TRUE(SaveGame(saved, "Old voyage", games + "20250101120000.sav").ok());
    window->World().Cargo.clear();

    QTimer::singleShot(0, [&] {
        auto* dialog = testing::ModalDialog<FormOptions>();
        ASSERT_NE(dialog, nullptr);
        SavedGamesPage* page = dialog->tabGameList();
        ASSERT_EQ(page->lvwGameList()->topLevelItemCount(), 1);
        page->lvwGameList()->setCurrentItem(page->lvwGameList()->topLevelItem(0));
        if (std::getenv("VELTRANE_SHOTS")) {
            for (int tab = 0; tab < dialog->pgcOptions()->count(); ++tab) {
                dialog->pgcOptions()->setCurrentIndex(tab);
                ShotOf(QApplication::activeModalWidget(), QString("options%1").arg(tab));
            }
        }
        QTest::mouseClick(page->btnLoadGame(), Qt::LeftButton);
        QTest::mouseClick(dialog->btnStart(), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QPushButton>("btnOptions"), Qt::LeftButton);
    EXPECT_EQ(window->World().GameSeconds, 5000);
    QTreeWidget* cargo = window->StatusArea()->lvwCargo();
    ASSERT_EQ(cargo->topLevelItemCount(), 2);
    EXPECT_FALSE(cargo->topLevelItem(1)->icon(0).isNull());
    EXPECT_EQ(window->StatusArea()->lvwTransDisplay()->topLevelItemCount(), 1);
    EXPECT_TRUE(window->StatusArea()->imgModule(2)->isVisible());
    EXPECT_EQ(window->SectorPage(1)->marker(5)->trueColor(), QColor(Qt::red));
    EXPECT_EQ(window->CurrentView(), TView::Sector1);
    EXPECT_EQ(problems, std::vector<std::string>{});
}

TEST_F(JourneyPass, AnIncomingMessageAsThePlayerSeesIt) {
    QtMessagePort port(
        window.get(), [this]() -> TDlgCaptions& { return window->Tables().DlgCaptions; },
        [this]() -> const ITextSource& { return window->Script(); },
        [](const QString& relative) {
            auto picture = LoadPicture(relative.toStdString());
            return picture ? *picture : QImage();
        },
        [] {});
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        seen = true;
        ShotOf(QApplication::activeModalWidget(), "message");
        shown->close();
    });
    port.ShowIncomingMessage(window->Tables().EventTexts.at(0), 21);
    EXPECT_TRUE(seen);
}

} // namespace
} // namespace veltrane::test
