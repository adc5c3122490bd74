// The map's hit test, and its guidance, the headquarters' move and the ship's tip in the real window at two
// sizes.

#include "PassFixture.h"

#include "game/Course.h"
#include "ui/MapOverlay.h"
#include "ui/NewShape.h"
#include "ui/PlayAreaScaler.h"
#include "ui/SectorMapView.h"
#include "ui/SystemView.h"

#include <QGraphicsView>
#include <QPainter>
#include <QToolTip>

namespace veltrane::test {
namespace {

TEST(NearestMarker, NearestWithinTwelvePixelsFirstOnATie) {
    const MapOverlay::TSpot a{3, QPointF(100, 100)}, b{9, QPointF(110, 100)};
    EXPECT_EQ(MapOverlay::NearestMarker({a}, QPointF(112, 100)), 3);
    EXPECT_EQ(MapOverlay::NearestMarker({a}, QPointF(100, 112.1)), 0);
    EXPECT_EQ(MapOverlay::NearestMarker({a}, QPointF(109, 109)), 0) << "12.7 pixels on the diagonal";
    EXPECT_EQ(MapOverlay::NearestMarker({a, b}, QPointF(106, 100)), 9) << "nearer, though listed later";
    EXPECT_EQ(MapOverlay::NearestMarker({b, a}, QPointF(105, 100)), 9) << "a tie";
}

class MapGuidePass : public ShippedPass, public ::testing::WithParamInterface<QSize> {
  protected:
    QWidget* Target(QWidget* w) const { return Scaled() ? window->Scaler().View()->viewport() : w; }
    bool Scaled() const { return window->Scaler().Scale() > 1; }
    QPoint Drawn(QWidget* w, QPointF p) const {
        return Scaled() ? window->Scaler().View()->mapFromScene(w->mapTo(window->Background(), p.toPoint()))
                        : p.toPoint();
    }
    void MoveTo(QWidget* w, QPointF p) { // from a pixel away, as a hand moves the pointer
        QTest::mouseMove(Target(w), Drawn(w, p - QPointF(1, 0)));
        QTest::mouseMove(Target(w), Drawn(w, p));
    }
    MapOverlay* Overlay() const { return window->SectorPage(window->World().CurrentSector)->overlay(); }
    QPointF Centre(int k) const {
        return QRectF(window->SectorPage(window->World().CurrentSector)->marker(k)->geometry()).center();
    }
    // A system but the current one, well inside the map, with no other marker within 40 pixels.
    int Lonely() const {
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            bool alone = k != window->World().CurrentSystem &&
                         QRectF(Overlay()->rect()).adjusted(25, 25, -25, -25).contains(Centre(k));
            for (int j = 1; j <= kSystemsPerSector && alone; ++j)
                alone = j == k || QLineF(Centre(j), Centre(k)).length() > 40;
            if (alone)
                return k;
        }
        return 0;
    }
};

TEST_P(MapGuidePass, RingReachHoverClickAndTheHeadquartersFound) {
    if (!GetParam().isEmpty()) { // the test screen is small: leave the full-screen state for a larger window
        options.WindowType = 0;
        window->ApplyWindowType();
        window->setWindowState(Qt::WindowNoState);
        window->resize(GetParam());
        QCoreApplication::processEvents();
        ASSERT_TRUE(Scaled());
    }
    const double scale = window->Scaler().Scale();
    TGameState& world = window->World();
    EXPECT_EQ(Overlay()->Marks().at(0).System, world.Headquarter.System) << "a new game starts there";
    const int k = Lonely();
    ASSERT_NE(k, 0);
    const std::string name = world.System(world.CurrentSector, k).Name, before = Info();
    MoveTo(Overlay(), Centre(k) + QPointF(7, 7));
    EXPECT_NE(Overlay()->HoverText().toStdString().find(name), std::string::npos);
    EXPECT_NE(Overlay()->HoverText().indexOf(QString::number(SystemDistance(world, k))), -1);
    EXPECT_EQ(Info(), before) << "resting the pointer selects nothing";
    QTest::mouseClick(Target(Overlay()), Qt::LeftButton, {}, Drawn(Overlay(), Centre(k) + QPointF(0, 11)));
    EXPECT_NE(Info().find(name), std::string::npos);
    EXPECT_EQ(Overlay()->RingedSystem(), k);

    world.Transport.push_back({name, "120", 1});
    world.Captain.Energy = 40; // a reach that ends on the map
    window->RefreshStatus();
    window->timBlinkerTimer(); // the overlay catches up on the blinker's beat
    EXPECT_GT(Overlay()->ReachRadius(), 0);
    Shot(("map-guide-" + std::to_string(window->width())).c_str());
    world.Transport.clear();

    bool moved = false;
    for (int flight = 0; flight < 40; ++flight) { // back and forth till an arrival moves the headquarters
        world.Captain.Energy = 100;
        const TArtefact hq = world.Headquarter;
        const int to = world.CurrentSystem == k ? window->Session().PassageFromSystem : k;
        QTest::mouseClick(window->StatusArea()->btnStarMap(), Qt::LeftButton);
        const QPoint at = Drawn(Overlay(), Centre(to) + QPointF(-8, 0));
        QTest::mouseClick(Target(Overlay()), Qt::LeftButton, {}, at);
        QTest::mouseDClick(Target(Overlay()), Qt::LeftButton, {}, at);
        for (int tick = 0; tick < 100 && window->Session().InFlight(); ++tick)
            window->timMainTimer();
        if ((moved = !(world.Headquarter == hq)))
            break;
    }
    ASSERT_TRUE(moved) << "in forty arrivals";
    EXPECT_NE(Info().find(world.Headquarter.Name), std::string::npos) << Info();

    world.Headquarter = {world.Here().Name, {}, std::uint8_t(world.CurrentSector), world.CurrentSystem};
    QTest::mouseClick(window->StatusArea()->btnSystem(), Qt::LeftButton);
    QLabel* ship = window->SystemPage()->imgSEROShip();
    MoveTo(ship, ship->rect().center());
    QHelpEvent help(QEvent::ToolTip, Drawn(ship, ship->rect().center()), QCursor::pos());
    QCoreApplication::sendEvent(Target(ship), &help);
    EXPECT_TRUE(!ship->toolTip().isEmpty() && QToolTip::text() == ship->toolTip())
        << QToolTip::text().toStdString();
    if (const char* dir = std::getenv("VELTRANE_SHOTS")) { // the tip is a window of its own
        QImage picture = window->grab().toImage();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                QPainter(&picture).drawPixmap(window->mapFromGlobal(top->pos()), top->grab());
        picture.save(QString("%1/ship-tooltip-%2.png").arg(dir).arg(window->width()));
    }
    QToolTip::hideText();
    EXPECT_EQ(window->Scaler().Scale(), scale) << "the whole pass at one size";
}

INSTANTIATE_TEST_SUITE_P(Sizes, MapGuidePass, ::testing::Values(QSize(), QSize(1900, 1500)),
                         [](const auto& row) { return row.param.isEmpty() ? "Standard" : "TwiceAsLarge"; });

} // namespace
} // namespace veltrane::test
