// The real window in the game's own look: a press that changes nothing says
// why, and the sky around the play area stays as it was across the options.

#include "ModalDriver.h"
#include "PassFixture.h"

#include "ui/CityView.h"
#include "ui/FormMessage.h"
#include "ui/LandscapeView.h"
#include "ui/MessDlg.h"
#include "ui/SystemView.h"

#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace veltrane::test {
namespace {

class LookPass : public ShippedPass {
  protected:
    // With VELTRANE_SHOTS set: the window with the dialog `open` raises drawn over its middle.
    void ShotWithDialog(const char* name, const std::function<void()>& open) {
        const char* dir = std::getenv("VELTRANE_SHOTS");
        if (!dir)
            return;
        QImage dialog;
        testing::WhenModal([&dialog](QWidget* box) {
            dialog = box->grab().toImage();
            box->close();
        });
        open();
        QImage shot = window->grab().toImage();
        QPainter(&shot).drawImage((shot.width() - dialog.width()) / 2, (shot.height() - dialog.height()) / 2,
                                  dialog);
        shot.save(QString("%1/%2.png").arg(dir, name));
    }
};

TEST_F(LookPass, AcceptWithNothingSelectedSaysWhyInRed) {
    const int p = ScanAndMakeACapital(4);
    QTest::mouseDClick(window->SystemPage()->imgPlanet(p + 1), Qt::LeftButton);
    QTest::mouseClick(window->LandscapePage()->imgCity(1), Qt::LeftButton);
    QTest::mouseDClick(window->LandscapePage()->imgCity(1), Qt::LeftButton);
    ASSERT_EQ(window->CurrentView(), TView::City);
    QTest::mouseClick(window->findChild<QPushButton*>("btnTransport"), Qt::LeftButton);
    const std::size_t jobs = window->World().Transport.size();
    const std::string before = Info();

    auto* accept = window->findChild<QPushButton*>("btnAcceptTransport");
    ASSERT_TRUE(accept->isVisible() && accept->isEnabled());
    QTest::mouseClick(accept, Qt::LeftButton);
    Shot("look-accept-nothing");
    EXPECT_EQ(window->World().Transport.size(), jobs);
    EXPECT_FALSE(Info().empty());
    EXPECT_NE(Info(), before);
    ShotWithDialog("look-confirmation",
                   [&] { ShowMessDlg("Are you sure?", "", "c", window->Tables().DlgCaptions); });
    ShotWithDialog("look-incoming", [&] {
        TMessageWindowEnv env{window.get(),
                              &window->Script(),
                              [&](const QString& relative) {
                                  auto picture = window->Pictures().Load(relative.toStdString());
                                  return picture ? *picture : QImage();
                              },
                              {}};
        ShowIncomingMessage(env, "A grateful colonist tips you %d G$ for the ride.", 25);
    });
    const QColor shown = window->StatusArea()->lblInfo()->palette().color(QPalette::WindowText);
    EXPECT_GT(shown.red(), 200);
    EXPECT_LT(shown.green(), 60);

    // The greyed-out sell wish, pressed with an empty hold, answers as well.
    window->World().Cargo.clear();
    QTest::mouseClick(window->findChild<QPushButton*>("btnGoBack6"), Qt::LeftButton);
    auto* sell = window->findChild<QPushButton*>("btnSellArtefacts");
    ASSERT_FALSE(sell->isEnabled());
    const std::string accepted = Info();
    QTest::mouseClick(sell, Qt::LeftButton);
    EXPECT_NE(Info(), accepted);
    EXPECT_FALSE(Info().empty());
}

TEST_F(LookPass, TheSkyKeepsItsPatternAcrossTheOptionsDialog) {
    const QRect play = window->Background()->geometry();
    ASSERT_GT(play.top(), 8) << "a standard window shows a margin of sky";
    const QRect margin(0, 0, window->width(), play.top());
    const QImage before = window->grab(margin).toImage();
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<FormOptions*>(QApplication::activeModalWidget()))
            QTest::mouseClick(dialog->btnStart(), Qt::LeftButton);
    });
    window->btnOptionsClick();
    window->repaint();
    const QImage after = window->grab(margin).toImage();
    EXPECT_EQ(before, after);
}

} // namespace
} // namespace veltrane::test
