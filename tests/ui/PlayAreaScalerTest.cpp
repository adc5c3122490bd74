#include "FormMainFixture.h"
#include "ModalDriver.h"

#include "game/Course.h"
#include "ui/DialogScaler.h"
#include "ui/MessDlg.h"
#include "ui/NewShape.h"
#include "ui/PlayAreaScaler.h"
#include "ui/SectorMapView.h"
#include "ui/StatusPanel.h"

#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QPushButton>
#include <QResizeEvent>
#include <QTest>

namespace veltrane::test {
namespace {

struct ScaleCase {
    const char* name;
    QSize available;
    int scale;
};

class ScaleFor : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleFor, LargestWholeFactorThatFits) {
    EXPECT_EQ(PlayAreaScaler::ScaleFor(GetParam().available, QSize(900, 700)), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaleFor,
                         ::testing::Values(ScaleCase{"Empty", QSize(0, 0), 1},
                                           ScaleCase{"SmallerThanThePlayArea", QSize(800, 600), 1},
                                           ScaleCase{"Sxga", QSize(1280, 1024), 1},
                                           ScaleCase{"OnePixelShortOfTwice", QSize(1800, 1399), 1},
                                           ScaleCase{"ExactlyTwice", QSize(1800, 1400), 2},
                                           ScaleCase{"UhdHeightDecides", QSize(3840, 2160), 3},
                                           ScaleCase{"TallScreenWidthDecides", QSize(2000, 4000), 2}),
                         [](const auto& row) { return std::string(row.param.name); });

class ScaledFullScreen : public FormMainTest {
  protected:
    // Full screen on a window of `size`, as a screen of that size gives it.
    void FullScreenAt(QSize size) {
        options.WindowType = 0;
        Window().show();
        const QSize old = Window().size();
        Window().resize(size);
        QResizeEvent resize(size, old);
        QCoreApplication::sendEvent(&Window(), &resize);
    }

    // A click in the view where `widget`'s centre is drawn.
    QPoint DrawnAt(QWidget* widget) {
        const QPoint inPlayArea = widget->mapTo(Window().Background(), widget->rect().center());
        return Window().Scaler().View()->mapFromScene(QPointF(inPlayArea));
    }
};

TEST_F(ScaledFullScreen, DoubleClickOnADrawnMarkerFliesThere) {
    FullScreenAt(QSize(1900, 1500));
    ASSERT_EQ(Window().Scaler().Scale(), 2);
    QGraphicsView* view = Window().Scaler().View();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());

    TGameState& world = Window().World();
    world.Captain.Energy = 100;
    int nearest = 0;
    for (int k = 1; k <= kSystemsPerSector; ++k)
        if (k != world.CurrentSystem &&
            (nearest == 0 || SystemDistance(world, k) < SystemDistance(world, nearest)))
            nearest = k;
    TNewShape* marker = Window().SectorPage(1)->marker(nearest);
    ASSERT_NE(marker, nullptr);
    const QPoint at = DrawnAt(marker);
    // Drawn twice as large: where the unscaled, centred play area had it is elsewhere.
    const QPoint unscaled = marker->mapTo(Window().Background(), marker->rect().center()) + QPoint(500, 400);
    EXPECT_GT((at - unscaled).manhattanLength(), 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(Window().Session().InFlight());
    EXPECT_EQ(world.CurrentSystem, nearest);
}

TEST_F(ScaledFullScreen, StandardWindowTakesThePlayAreaBack) {
    FullScreenAt(QSize(3840, 2160));
    EXPECT_EQ(Window().Scaler().Scale(), 3);
    EXPECT_EQ(Window().property(kPlayAreaScaleProperty), 3); // dialogs follow it
    EXPECT_EQ(Window().Background()->parentWidget(), nullptr);
    options.WindowType = 1;
    Window().ApplyWindowType();
    EXPECT_EQ(Window().Scaler().Scale(), 1);
    EXPECT_EQ(Window().Background()->parentWidget(), &Window());
    EXPECT_EQ(Window().Background()->geometry(), QRect(62, 34, 900, 700));
    EXPECT_FALSE(Window().Scaler().View()->isVisible());
    // Clicks reach the play area directly again.
    QTest::mouseClick(Window().StatusArea()->btnStarMap(), Qt::LeftButton);
    EXPECT_EQ(Window().CurrentView(), TView::Sector1);
}

// A dialog over an enlarged play area is drawn as large, in a window of its
// own, and answers clicks where they are drawn and keys as it always does.
TEST(DialogScaler, DialogsAreDrawnAsLargeAsThePlayAreaOfTheirWindow) {
    QWidget window;
    window.setProperty(kPlayAreaScaleProperty, 2);
    window.resize(1800, 1400);
    window.show();
    // A message box sizes itself as it is shown; Enter reaches its button.
    testing::WhenModal([](QWidget* modal) {
        EXPECT_TRUE(QTest::qWaitFor([modal] { return modal->isAncestorOf(QApplication::focusWidget()); }));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    TDlgCaptions captions;
    EXPECT_TRUE(ShowMessDlg("Not enough energy.", "", "w", captions));

    QDialog dialog(&window);
    dialog.resize(300, 200);
    auto* ok = new QPushButton("OK", &dialog);
    ok->setGeometry(200, 150, 80, 30);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    QSize drawn;
    int opensAt = 0;
    testing::WhenModal([&](QWidget* modal) {
        auto* host = dynamic_cast<TScaledDialogHost*>(modal);
        ASSERT_NE(host, nullptr);
        EXPECT_EQ(host->Dialog(), &dialog);
        drawn = host->size();
        opensAt = PlayAreaScaleFor(&dialog); // what the dialog opens is drawn as large
        const QPointF button = dialog.graphicsProxyWidget()->mapToScene(QPointF(ok->geometry().center()));
        QTest::mouseClick(host->View()->viewport(), Qt::LeftButton, {}, host->View()->mapFromScene(button));
    });
    EXPECT_EQ(ExecDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(drawn, QSize(600, 400));
    EXPECT_EQ(opensAt, 2);
    EXPECT_EQ(dialog.parentWidget(), &window);

    // A dialog that is not modal and deletes itself on close takes its window along.
    QPointer<QDialog> note = new QDialog(&window);
    note->setAttribute(Qt::WA_DeleteOnClose);
    ShowDialog(*note);
    ASSERT_NE(note->graphicsProxyWidget(), nullptr);
    QPointer<QWidget> noteWindow = note->graphicsProxyWidget()->scene()->views().front()->window();
    EXPECT_TRUE(noteWindow->isVisible());
    note->close();
    QTRY_VERIFY(note.isNull() && noteWindow.isNull());
}

} // namespace
} // namespace veltrane::test
