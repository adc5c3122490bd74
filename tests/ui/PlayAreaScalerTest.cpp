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
#include <QPushButton>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <string>

namespace veltrane::test {
namespace {

struct LetterboxCase {
    const char* name;
    QSize available;
    QSize frame; // what must fit: the play area in full screen, the designed window in a window
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
constexpr QSize kDesigned(1024, 768);

INSTANTIATE_TEST_SUITE_P(
    Screens, Letterbox,
    ::testing::Values(
        LetterboxCase{"SmoothWideHeightDecides",
                      {1920, 1080},
                      kPlay,
                      TScaling::Smooth,
                      1080.0 / 700,
                      {265, 0, 1389, 1080}},
        LetterboxCase{
            "SmoothBarelyLarger", {1280, 720}, kPlay, TScaling::Smooth, 720.0 / 700, {177, 0, 926, 720}},
        LetterboxCase{"SmoothUhd", {3840, 2160}, kPlay, TScaling::Smooth, 2160.0 / 700, {531, 0, 2777, 2160}},
        LetterboxCase{
            "SmoothTallWidthDecides", {1080, 1920}, kPlay, TScaling::Smooth, 1.2, {0, 540, 1080, 840}},
        LetterboxCase{
            "SmoothExactFitHasNoBars", {1800, 1400}, kPlay, TScaling::Smooth, 2, {0, 0, 1800, 1400}},
        LetterboxCase{"SharpUhdWholeSteps", {3840, 2160}, kPlay, TScaling::Sharp, 3, {570, 30, 2700, 2100}},
        LetterboxCase{
            "SharpFullHdStaysAtOnce", {1920, 1080}, kPlay, TScaling::Sharp, 1, {510, 190, 900, 700}},
        LetterboxCase{"SharpExactlyTwice", {1800, 1400}, kPlay, TScaling::Sharp, 2, {0, 0, 1800, 1400}},
        LetterboxCase{
            "SharpOnePixelShortOfTwice", {1800, 1399}, kPlay, TScaling::Sharp, 1, {450, 349, 900, 700}},
        LetterboxCase{
            "SmoothTinyShrinks", {640, 480}, kPlay, TScaling::Smooth, 480.0 / 700, {11, 0, 617, 480}},
        LetterboxCase{"SharpTinyShrinksRatherThanCuts",
                      {640, 480},
                      kPlay,
                      TScaling::Sharp,
                      480.0 / 700,
                      {11, 0, 617, 480}},
        LetterboxCase{
            "WindowAsDesignedKeepsItsMargin", kDesigned, kDesigned, TScaling::Smooth, 1, {62, 34, 900, 700}},
        LetterboxCase{"WindowMaximisedScalesTheMarginToo",
                      {2048, 1536},
                      kDesigned,
                      TScaling::Smooth,
                      2,
                      {124, 68, 1800, 1400}},
        LetterboxCase{
            "NoWindowYetKeepsTheDesignedSize", {0, 0}, kPlay, TScaling::Smooth, 1, {-450, -350, 900, 700}}),
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
    EXPECT_GT(Window().Scaler().Scale(), 3);
    // dialogs follow it
    EXPECT_DOUBLE_EQ(Window().property(kPlayAreaScaleProperty).toDouble(), Window().Scaler().Scale());
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

// The rectangle `widget` is drawn in, in the viewport of the view showing it.
QRect DrawnRect(QGraphicsView* view, const QWidget* widget) {
    const QGraphicsProxyWidget* proxy = widget->window()->graphicsProxyWidget();
    const QRectF inWindow(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
    return view->mapFromScene(proxy->mapToScene(inWindow)).boundingRect();
}

bool AllBlack(const QImage& image) {
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

// One pass through the real window per screen, full screen as the screen
// gives it: the play area fills it, the options dialog is drawn as large with
// its drop-down list where the control is, Enter and Escape act in dialogs,
// and after Escape the command keys work at once, without a click.
class AnyScreen : public ScaledFullScreen, public ::testing::WithParamInterface<QSize> {
  protected:
    // A key as the platform delivers it: to whichever window has the focus.
    void Press(Qt::Key key) {
        QWindow* focus = QGuiApplication::focusWindow();
        ASSERT_NE(focus, nullptr) << "no window takes the keys";
        QTest::keyClick(focus, key);
    }
};

TEST_P(AnyScreen, PlayAreaFillsDialogsFollowAndKeysComeBack) {
    const QSize screen = GetParam();
    options.WindowType = 0;
    Window().timMainTimer();
    Window().timMainTimer(); // the start-up step enables the commands and sets the window type
    Window().show();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    FullScreenAt(screen);
    QGraphicsView* view = Window().Scaler().View();
    ASSERT_NE(view, nullptr);

    // Filled: one side edge to edge, the aspect kept, even black bars on the others.
    const double scale = Window().Scaler().Scale();
    const QRect drawn = DrawnRect(view, Window().Background());
    EXPECT_NEAR(std::max(double(drawn.width()) / screen.width(), double(drawn.height()) / screen.height()),
                1.0, 0.002);
    EXPECT_NEAR(double(drawn.width()) / drawn.height(), 900.0 / 700, 0.003);
    EXPECT_NEAR(drawn.left(), screen.width() - 1 - drawn.right(), 1);
    EXPECT_NEAR(drawn.top(), screen.height() - 1 - drawn.bottom(), 1);
    ASSERT_GT(drawn.left(), 2);
    EXPECT_TRUE(AllBlack(view->grab(QRect(0, 0, drawn.left() - 1, screen.height())).toImage()));
    EXPECT_FALSE(AllBlack(view->grab(drawn).toImage()));

    // The options dialog, drawn as large; a click picks from its drop-down list, Escape closes it.
    QTemporaryDir user;
    TOptionsServices services;
    services.UserFolder = user.path().toStdString() + "/";
    services.ProgramFolder = ProgramFolder();
    services.Translate = [](QWidget*, const ITextSource&) {};
    FormOptions dialog(Window().Game(), services, &Window());
    QRect comboDrawn, popupDrawn;
    QSize hostSize;
    testing::WhenModal([&](QWidget* modal) {
        auto* host = dynamic_cast<TScaledDialogHost*>(modal);
        ASSERT_NE(host, nullptr);
        hostSize = host->size();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host));
        QComboBox* combo = dialog.cbxScaling();
        comboDrawn = DrawnRect(host->View(), combo);
        QTest::mouseClick(host->View()->viewport(), Qt::LeftButton, {}, comboDrawn.center());
        QWidget* popup = combo->view()->window();
        ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }));
        popupDrawn = popup->graphicsProxyWidget()
                         ? DrawnRect(host->View(), popup)
                         : QRect(host->View()->viewport()->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))),
                                 popup->size());
        // A click on the second item where it is drawn picks it.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QAbstractItemView* list = combo->view();
        const QRect item = list->visualRect(list->model()->index(1, 0));
        const QRect itemDrawn =
            DrawnRect(host->View(), list->viewport()).adjusted(0, int(item.top() * scale), 0, 0);
        QTest::mouseClick(host->View()->viewport(), Qt::LeftButton, {},
                          itemDrawn.topLeft() +
                              QPoint(itemDrawn.width() / 2, int(item.height() * scale / 2)));
        ASSERT_TRUE(QTest::qWaitFor([popup] { return !popup->isVisible(); }));

        Press(Qt::Key_Escape); // the list has taken the focus along as it closed
        EXPECT_FALSE(dialog.isVisible()) << "Escape closes the dialog";
    });
    dialog.Run();
    EXPECT_NEAR(hostSize.width(), dialog.width() * scale, 1);
    EXPECT_NEAR(hostSize.height(), dialog.height() * scale, 1);
    // The list opens at its control: the same left edge and width, over or right below it.
    EXPECT_NEAR(popupDrawn.left(), comboDrawn.left(), 2 * scale);
    EXPECT_NEAR(popupDrawn.width(), comboDrawn.width(), 4 * scale);
    EXPECT_LE(popupDrawn.top(), comboDrawn.bottom() + 4 * scale);
    EXPECT_GE(popupDrawn.bottom(), comboDrawn.top());
    EXPECT_EQ(options.Scaling, TScaling::Sharp) << "the click picks the item";

    // Keys come back to the window: S and M without a click.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Window().isActiveWindow(); }));
    Press(Qt::Key_S);
    EXPECT_EQ(Window().CurrentView(), TView::System);
    Press(Qt::Key_M);
    EXPECT_EQ(Window().CurrentView(), SectorView(Window().World().CurrentSector));

    // A message box drawn as large: Enter says yes, Escape no, and the keys come back again.
    TDlgCaptions captions;
    testing::WhenModal([&](QWidget*) { Press(Qt::Key_Return); });
    EXPECT_TRUE(ShowMessDlg("Leave the sector?", "", "c", captions));
    testing::WhenModal([&](QWidget*) { Press(Qt::Key_Escape); });
    EXPECT_FALSE(ShowMessDlg("Leave the sector?", "", "c", captions));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Window().isActiveWindow(); }));
    Press(Qt::Key_S);
    EXPECT_EQ(Window().CurrentView(), TView::System);

    // The choice made in the dialog takes effect with the window type: whole steps now.
    Window().Post(MakeCommand(TCommandKind::Options));
    FullScreenAt(screen);
    EXPECT_EQ(Window().Scaler().Scale(), std::floor(scale));
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
