#include "FormMainFixture.h"
#include "ModalDriver.h"

#include "game/Course.h"
#include "ui/DialogScaler.h"
#include "ui/FormOptions.h"
#include "ui/MessDlg.h"
#include "ui/NewShape.h"
#include "ui/PlayAreaScaler.h"
#include "ui/SectorMapView.h"
#include "ui/StatusPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include <string>

namespace veltrane::test {
namespace {

struct LetterboxCase {
    const char* name;
    QSize available, frame; // the frame must fit: the play area, or the designed window with its margin
    TScaling scaling;
    double scale;
    QRect area;
};

class Letterbox : public ::testing::TestWithParam<LetterboxCase> {};

TEST_P(Letterbox, FillsKeepingTheAspectWithEvenBars) {
    const LetterboxCase& c = GetParam();
    const TLetterbox fit = PlayAreaScaler::Letterbox(c.available, QSize(900, 700), c.frame, c.scaling);
    EXPECT_DOUBLE_EQ(fit.Scale, c.scale);
    EXPECT_EQ(fit.Area, c.area);
}

constexpr QSize kPlay(900, 700);
constexpr TScaling kSmooth = TScaling::Smooth, kSharp = TScaling::Sharp;
INSTANTIATE_TEST_SUITE_P(
    Screens, Letterbox,
    ::testing::Values(
        LetterboxCase{"SmoothWide", {1920, 1080}, kPlay, kSmooth, 1080.0 / 700, {265, 0, 1389, 1080}},
        LetterboxCase{"SmoothTall", {1080, 1920}, kPlay, kSmooth, 1.2, {0, 540, 1080, 840}},
        LetterboxCase{"SmoothExactFit", {1800, 1400}, kPlay, kSmooth, 2, {0, 0, 1800, 1400}},
        LetterboxCase{"SharpPixelShortOfTwice", {1800, 1399}, kPlay, kSharp, 1, {450, 349, 900, 700}},
        LetterboxCase{"SharpTinyShrinks", {640, 480}, kPlay, kSharp, 480.0 / 700, {11, 0, 617, 480}},
        LetterboxCase{"WindowMargin", {2048, 1536}, {1024, 768}, kSmooth, 2, {124, 68, 1800, 1400}}),
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
    ASSERT_GT(Window().Scaler().Scale(), 2);
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
    const int tipPixels = Window().font().pixelSize(); // tips speak as the play area
    EXPECT_GT(Window().Scaler().Scale(), 3);
    EXPECT_NEAR(QToolTip::font().pixelSize(), tipPixels * Window().Scaler().Scale(), 1)
        << "tooltips, windows of their own, grow with the play area";
    // dialogs follow it
    EXPECT_DOUBLE_EQ(Window().property(kPlayAreaScaleProperty).toDouble(), Window().Scaler().Scale());
    EXPECT_EQ(Window().Background()->parentWidget(), nullptr);
    options.WindowType = 1;
    Window().ApplyWindowType();
    EXPECT_EQ(Window().Scaler().Scale(), 1);
    EXPECT_EQ(Window().Background()->parentWidget(), &Window());
    EXPECT_EQ(Window().Background()->geometry(), QRect(62, 34, 900, 700));
    EXPECT_FALSE(Window().Scaler().View()->isVisible());
    EXPECT_EQ(QToolTip::font().pixelSize(), tipPixels);
    // Clicks reach the play area directly again.
    QTest::mouseClick(Window().StatusArea()->btnStarMap(), Qt::LeftButton);
    EXPECT_EQ(Window().CurrentView(), TView::Sector1);
}

// Where `widget` is drawn in the viewport of `view`.
QRect DrawnRect(QGraphicsView* view, const QWidget* widget) {
    const QRectF inWindow(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    return view->mapFromScene(widget->window()->graphicsProxyWidget()->mapToScene(inWindow)).boundingRect();
}

// Full screen on each screen: the play area fills it with black bars; the options dialog is drawn as
// large, its drop-down list opens at the control; Escape and Enter act in dialogs, and the command
// keys work after them without a click.
class AnyScreen : public ScaledFullScreen, public ::testing::WithParamInterface<QSize> {};

// A key as the platform delivers it: to the window with the focus.
void Press(Qt::Key key) {
    ASSERT_NE(QGuiApplication::focusWindow(), nullptr) << "no window takes the keys";
    QTest::keyClick(QGuiApplication::focusWindow(), key);
}

TEST_P(AnyScreen, PlayAreaFillsDialogsFollowAndKeysComeBack) {
    const QSize screen = GetParam();
    options.WindowType = 0;
    Window().timMainTimer();
    Window().timMainTimer(); // the start-up step enables the commands
    Window().show();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    FullScreenAt(screen);
    QGraphicsView* view = Window().Scaler().View();
    const double scale = Window().Scaler().Scale();
    const QRect drawn = DrawnRect(view, Window().Background());
    EXPECT_NEAR(drawn.height(), screen.height(), 1);
    EXPECT_NEAR(double(drawn.width()) / drawn.height(), 900.0 / 700, 0.003);
    EXPECT_NEAR(drawn.left(), screen.width() - 1 - drawn.right(), 1);
    EXPECT_LT(qGray(view->grab(QRect(0, screen.height() / 2, 1, 1)).toImage().pixel(0, 0)), 8)
        << "a black bar";

    QTemporaryDir user;
    TOptionsServices services;
    services.UserFolder = user.path().toStdString() + "/";
    services.Translate = [](QWidget*, const ITextSource&) {};
    FormOptions dialog(Window().Game(), services, &Window());
    QRect comboAt, popupAt;
    testing::WhenModal([&](QWidget* modal) {
        auto* host = dynamic_cast<TScaledDialogHost*>(modal);
        ASSERT_TRUE(host && QTest::qWaitForWindowActive(host));
        EXPECT_NEAR(host->width(), dialog.width() * scale, 1);
        comboAt = DrawnRect(host->View(), dialog.cbxScaling());
        QTest::mouseClick(host->View()->viewport(), Qt::LeftButton, {}, comboAt.center());
        QWidget* list = dialog.cbxScaling()->view()->viewport();
        ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
        popupAt = DrawnRect(host->View(), list);
        QTest::qWait(QApplication::doubleClickInterval() + 50); // a popup takes no click that early
        const int rowHeight = dialog.cbxScaling()->view()->sizeHintForRow(0);
        QTest::mouseClick(host->View()->viewport(), Qt::LeftButton, {},
                          popupAt.topLeft() + QPoint(popupAt.width() / 2, int(rowHeight * scale * 1.5)));
        ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
        Press(Qt::Key_Escape); // the closing list took the focus along
        EXPECT_FALSE(dialog.isVisible()) << "Escape closes the dialog";
    });
    dialog.Run();
    EXPECT_NEAR(popupAt.left(), comboAt.left(), 3 * scale);
    EXPECT_TRUE(popupAt.top() <= comboAt.bottom() + 4 * scale && popupAt.bottom() >= comboAt.top());
    EXPECT_EQ(options.Scaling, TScaling::Sharp) << "the click picks the second item";

    const auto keysWork = [&] {
        EXPECT_TRUE(QTest::qWaitFor([this] { return Window().isActiveWindow(); }));
        Press(Qt::Key_S);
        EXPECT_EQ(Window().CurrentView(), TView::System);
        Press(Qt::Key_M);
        EXPECT_EQ(Window().CurrentView(), SectorView(Window().World().CurrentSector));
    };
    keysWork();
    TDlgCaptions captions;
    testing::WhenModal([](QWidget* box) {
        ASSERT_TRUE(QTest::qWaitFor([box] { return QGuiApplication::focusWindow() == box->windowHandle(); }));
        Press(Qt::Key_Return);
    });
    EXPECT_TRUE(ShowMessDlg("Leave the sector?", "", "c", captions)) << "Enter says yes";
    keysWork();
}

INSTANTIATE_TEST_SUITE_P(Screens, AnyScreen,
                         ::testing::Values(QSize(1280, 720), QSize(1920, 1080), QSize(3840, 2160)),
                         [](const auto& row) {
                             return std::to_string(row.param.width()) + "x" +
                                    std::to_string(row.param.height());
                         });

// A dialog over an enlarged play area is drawn as large, in a window of its
// own, and answers clicks where they are drawn and keys as it always does.
TEST(DialogScaler, DialogsAreDrawnAsLargeAsThePlayAreaOfTheirWindow) {
    QWidget window;
    window.setProperty(kPlayAreaScaleProperty, 2);
    window.resize(1800, 1400);
    window.show();
    // A message box sizes itself as it is shown, its sign painted as large; Enter reaches its button.
    testing::WhenModal([](QWidget* modal) {
        EXPECT_TRUE(QTest::qWaitFor([modal] { return modal->isAncestorOf(QApplication::focusWidget()); }));
        const auto* sign = testing::ModalDialog<QMessageBox>()->findChild<QLabel*>("qt_msgboxex_icon_label");
        ASSERT_NE(sign, nullptr);
        EXPECT_EQ(sign->pixmap().devicePixelRatio(), 2) << "every drawn pixel painted";
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
    double opensAt = 0;
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
