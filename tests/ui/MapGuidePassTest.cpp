// One pass through the real window on the shipped pictures and script, in the
// standard window and drawn twice as large on a big screen: the map's ring,
// reach and marks, the name and distance under the pointer, a click beside a
// marker, the headquarters' move on arrival and the SERO ship's tooltip.

#include "PassFixture.h"

#include "game/Course.h"
#include "ui/MapOverlay.h"
#include "ui/NewShape.h"
#include "ui/PlayAreaScaler.h"
#include "ui/SectorMapView.h"
#include "ui/SystemView.h"

#include <QGraphicsView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace veltrane::test {
namespace {

class MapGuidePass : public ShippedPass, public ::testing::WithParamInterface<QSize> {
  protected:
    void SetUp() override {
        ShippedPass::SetUp();
        if (GetParam().isEmpty())
            return;
        // Full screen on a screen of that size, as the scaler test sets it up.
        options.WindowType = 0;
        window->ApplyWindowType();
        QCoreApplication::processEvents();
        // The test screen is smaller than the one played on: leave the full-screen state that clings to it.
        window->setWindowState(Qt::WindowNoState);
        window->resize(GetParam());
        QCoreApplication::processEvents();
    }

    bool Scaled() const { return window->Scaler().Scale() > 1; }
    // Where a point of `widget` is drawn, and the widget that takes events there.
    QPoint Drawn(QWidget* widget, QPointF local) const {
        if (!Scaled())
            return local.toPoint();
        const QPointF inPlayArea = widget->mapTo(window->Background(), local.toPoint());
        return window->Scaler().View()->mapFromScene(inPlayArea);
    }
    QWidget* Target(QWidget* widget) const { return Scaled() ? window->Scaler().View()->viewport() : widget; }

    // The pointer comes from a pixel away and rests there, as a hand moves it.
    void MoveTo(QWidget* widget, QPointF local) {
        QTest::mouseMove(Target(widget), Drawn(widget, local - QPointF(1, 0)));
        QTest::mouseMove(Target(widget), Drawn(widget, local));
    }
    void ClickAt(QWidget* widget, QPointF local, bool twice = false) {
        QTest::mouseClick(Target(widget), Qt::LeftButton, {}, Drawn(widget, local));
        if (twice)
            QTest::mouseDClick(Target(widget), Qt::LeftButton, {}, Drawn(widget, local));
    }

    MapOverlay* Overlay() const { return window->SectorPage(window->World().CurrentSector)->overlay(); }
    QPointF Centre(int k) const {
        const TNewShape* marker = window->SectorPage(window->World().CurrentSector)->marker(k);
        return Overlay()->mapFrom(marker->parentWidget(), QRectF(marker->geometry()).center().toPoint());
    }
    // How far the nearest marker but `k` lies from `at`.
    double Clearance(QPointF at, int except = 0) const {
        double nearest = 1e9;
        for (int j = 1; j <= kSystemsPerSector; ++j)
            if (j != except)
                nearest = std::min(nearest, std::hypot(Centre(j).x() - at.x(), Centre(j).y() - at.y()));
        return nearest;
    }
    // A system other than the current one with no other marker within 30 pixels.
    int Lonely() const {
        for (int k = 1; k <= kSystemsPerSector; ++k)
            if (k != window->World().CurrentSystem && Clearance(Centre(k), k) > 30 &&
                QRectF(Overlay()->rect()).adjusted(20, 20, -20, -20).contains(Centre(k)))
                return k;
        return 0;
    }
    void Picture(const std::string& name) {
        const QString size = QString("%1x%2").arg(window->width()).arg(window->height());
        Shot((name + "-" + size.toStdString()).c_str());
    }
};

TEST_P(MapGuidePass, RingReachHoverClickAndTheHeadquartersFound) {
    TGameState& world = window->World();
    ASSERT_EQ(window->CurrentView(), TView::Sector1);
    ASSERT_EQ(Scaled(), !GetParam().isEmpty());
    MapOverlay* overlay = Overlay();
    EXPECT_EQ(overlay->RingedSystem(), world.CurrentSystem)
        << "the map opens with the ship's system selected";
    EXPECT_GT(overlay->ReachRadius(), 0);
    ASSERT_FALSE(overlay->Marks().empty()) << "a new game starts at the headquarters";
    EXPECT_EQ(overlay->Marks().front().System, world.Headquarter.System);

    const int k = Lonely();
    ASSERT_NE(k, 0);
    const std::string name = world.System(world.CurrentSector, k).Name;
    const std::string infoBefore = Info();
    MoveTo(overlay, Centre(k) + QPointF(7, 7));
    EXPECT_EQ(overlay->HoveredSystem(), k);
    const std::string hover = overlay->HoverText().toStdString();
    EXPECT_NE(hover.find(name), std::string::npos) << hover;
    EXPECT_NE(hover.find(std::to_string(SystemDistance(world, k))), std::string::npos) << hover;
    EXPECT_EQ(Info(), infoBefore) << "resting the pointer selects nothing";

    // Eleven pixels below the marker's centre still selects it; beyond twelve from every marker nothing is.
    ClickAt(overlay, Centre(k) + QPointF(0, 11));
    EXPECT_NE(Info().find(name), std::string::npos) << Info();
    EXPECT_EQ(overlay->RingedSystem(), k);
    QPointF empty;
    for (int y = 20; y < overlay->height() - 20 && empty.isNull(); y += 3)
        for (int x = 20; x < overlay->width() - 20 && empty.isNull(); x += 3)
            if (Clearance(QPointF(x, y)) > 13 && Clearance(QPointF(x, y)) < 20)
                empty = QPointF(x, y);
    ASSERT_FALSE(empty.isNull());
    const std::string selected = Info();
    ClickAt(overlay, empty);
    EXPECT_EQ(Info(), selected);
    EXPECT_EQ(overlay->RingedSystem(), k);

    world.Transport.push_back({name, "120", 1});
    window->timBlinkerTimer(); // the overlay notices the new job on the blinker's beat
    const std::vector<TMapMark> marks = overlay->Marks();
    EXPECT_NE(std::find(marks.begin(), marks.end(), TMapMark{k, TMapMarkKind::Destination}), marks.end());
    world.Captain.Energy = 40; // a reach that ends on the map
    window->RefreshStatus();
    window->timBlinkerTimer();
    EXPECT_LT(overlay->ReachRadius(), overlay->width() / 2);
    MoveTo(overlay, Centre(k) + QPointF(3, -4));
    Picture("map-guide");
    world.Transport.clear();

    // Fly back and forth by double clicks beside the markers until an arrival moves the headquarters.
    int moves = 0;
    for (int flight = 0; flight < 40 && moves == 0; ++flight) {
        world.Captain.Energy = 100;
        const TArtefact before = world.Headquarter;
        const int to = world.CurrentSystem == k ? window->Session().PassageFromSystem : k;
        QTest::mouseClick(window->StatusArea()->btnStarMap(), Qt::LeftButton);
        ClickAt(Overlay(), Centre(to) + QPointF(-8, 0), true);
        ASSERT_TRUE(window->Session().InFlight()) << Info();
        for (int tick = 0; tick < 100 && window->Session().InFlight(); ++tick)
            window->timMainTimer();
        ASSERT_EQ(world.CurrentSystem, to);
        if (!(world.Headquarter == before)) {
            ++moves;
            EXPECT_NE(Info().find(world.Headquarter.Name), std::string::npos) << Info();
        }
    }
    EXPECT_EQ(moves, 1) << "no arrival in 40 moved the headquarters";

    // Aboard the SERO ship: its tooltip says what a double click does.
    world.Headquarter = {
        world.Here().Name, {}, static_cast<std::uint8_t>(world.CurrentSector), world.CurrentSystem};
    QTest::mouseClick(window->StatusArea()->btnSystem(), Qt::LeftButton);
    QLabel* ship = window->SystemPage()->imgSEROShip();
    ASSERT_TRUE(ship->isVisible());
    ASSERT_FALSE(ship->toolTip().isEmpty());
    MoveTo(ship, QPointF(ship->rect().center()));
    const QPoint at = Drawn(ship, QPointF(ship->rect().center()));
    QHelpEvent help(QEvent::ToolTip, at, Target(ship)->mapToGlobal(at));
    QCoreApplication::sendEvent(Target(ship), &help);
    EXPECT_EQ(QToolTip::text(), ship->toolTip());
    if (std::getenv("VELTRANE_SHOTS")) {
        // The tooltip is a window of its own: paint it where it shows over the window's picture.
        QImage picture = window->grab().toImage();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible()) {
                QPainter p(&picture);
                p.drawPixmap(window->mapFromGlobal(top->pos()), top->grab());
            }
        picture.save(QString("%1/ship-tooltip-%2x%3.png")
                         .arg(std::getenv("VELTRANE_SHOTS"))
                         .arg(window->width())
                         .arg(window->height()));
    }
    QToolTip::hideText();
    EXPECT_EQ(Scaled(), !GetParam().isEmpty()) << "the whole pass ran at one size";
}

INSTANTIATE_TEST_SUITE_P(Sizes, MapGuidePass, ::testing::Values(QSize(), QSize(1900, 1500)),
                         [](const auto& row) {
                             return row.param.isEmpty() ? std::string("StandardWindow")
                                                        : std::string("FullScreenTwiceAsLarge");
                         });

} // namespace
} // namespace veltrane::test
