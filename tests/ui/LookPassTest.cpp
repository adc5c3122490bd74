// The real window in the game's own look: a press that changes nothing says
// why, and the sky around the play area stays as it was across the options.

#include "PassFixture.h"

#include "ui/CityView.h"
#include "ui/LandscapeView.h"
#include "ui/PlayAreaScaler.h"
#include "ui/SystemView.h"

#include <QPushButton>
#include <QTest>

namespace veltrane::test {
namespace {

using LookPass = ShippedPass;

TEST_F(LookPass, AcceptWithNothingSelectedSaysWhyInRed) {
    const int p = ScanAndMakeACapital(4);
    QTest::mouseDClick(window->SystemPage()->imgPlanet(p + 1), Qt::LeftButton);
    QTest::mouseClick(window->LandscapePage()->imgCity(1), Qt::LeftButton);
    QTest::mouseDClick(window->LandscapePage()->imgCity(1), Qt::LeftButton);
    ASSERT_EQ(window->CurrentView(), TView::City);
    QTest::mouseClick(Control<QPushButton>("btnTransport"), Qt::LeftButton);
    const std::size_t jobs = window->World().Transport.size();
    const std::string before = Info();

    auto* accept = Control<QPushButton>("btnAcceptTransport");
    ASSERT_TRUE(accept->isVisible() && accept->isEnabled());
    QTest::mouseClick(accept, Qt::LeftButton);
    Shot("look-accept-nothing");
    EXPECT_EQ(window->World().Transport.size(), jobs);
    EXPECT_FALSE(Info().empty());
    EXPECT_NE(Info(), before);
    const QColor shown = window->StatusArea()->lblInfo()->palette().color(QPalette::WindowText);
    EXPECT_GT(shown.red(), 200);
    EXPECT_LT(shown.green(), 60);

    // The greyed-out sell wish, pressed with an empty hold, answers as well.
    window->World().Cargo.clear();
    QTest::mouseClick(Control<QPushButton>("btnGoBack6"), Qt::LeftButton);
    auto* sell = Control<QPushButton>("btnSellArtefacts");
    ASSERT_FALSE(sell->isEnabled());
    const std::string accepted = Info();
    QTest::mouseClick(sell, Qt::LeftButton);
    EXPECT_NE(Info(), accepted);
}

TEST_F(LookPass, TheSkyKeepsItsPatternAcrossTheOptionsDialog) {
    options.WindowType = 1; // the sky shows round the play area of a standard window
    window->ApplyWindowType();
    const QRect play = window->Scaler().Area();
    ASSERT_GT(play.top(), 8) << "a standard window shows a margin of sky";
    const QRect margin(0, 0, window->width(), play.top());
    const QImage before = window->grab(margin).toImage();
    QTimer::singleShot(0, [] {
        if (auto* dialog = testing::ModalDialog<FormOptions>())
            QTest::mouseClick(dialog->btnStart(), Qt::LeftButton);
    });
    window->btnOptionsClick();
    window->repaint();
    const QImage after = window->grab(margin).toImage();
    EXPECT_EQ(before, after);
}

} // namespace
} // namespace veltrane::test
