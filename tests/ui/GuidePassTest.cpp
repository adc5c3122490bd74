// One pass through the real window for the guide and the first-time hints:
// F1 and Escape, the keys afterwards, and the hints switched off in the options.

#include "PassFixture.h"

#include "game/Hints.h"
#include "lang/GuideTexts.h"
#include "persist/Settings.h"
#include "ui/FormGuide.h"
#include "ui/GuideOptions.h"
#include "ui/SystemView.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>

namespace veltrane::test {
namespace {

using GuidePass = ShippedPass;

bool Has(const std::string& info, const std::string& part) {
    return info.find(part) != std::string::npos;
}

TEST_F(GuidePass, F1OpensTheGuideAndTheOptionsSwitchTheHintsOff) {
    const ITextSource& script = window->Script();
    const std::string user = home.path().toStdString() + "/";
    EXPECT_TRUE(Has(Info(), HintText(script, THint::Map))) << "the first hint comes with the map: " << Info();
    QApplication::setActiveWindow(window.get()); // as the window manager does at start

    FormGuide* shown = nullptr;
    int pictures = 0;
    bool clockStood = false;
    QTimer::singleShot(0, [&] {
        shown = testing::ModalDialog<FormGuide>();
        if (!shown)
            return;
        pictures = shown->Pictures();
        clockStood = !clock.TimerRunning(TTimer::Main);
        if (std::getenv("VELTRANE_SHOTS")) {
            ShotOf(shown, "guide");
            shown->txtGuide()->scrollToAnchor("city");
            ShotOf(shown, "guide-cities");
        }
        QTest::keyClick(shown->txtGuide(), Qt::Key_Escape);
    });
    QTest::keyClick(window.get(), Qt::Key_F1);
    QApplication::processEvents(); // the window system's activation arrives as between two key presses
    ASSERT_NE(shown, nullptr) << "F1 opens the guide";
    EXPECT_EQ(pictures, 8) << "every chapter has its picture from the game's own";
    EXPECT_TRUE(clockStood);
    EXPECT_TRUE(clock.TimerRunning(TTimer::Main)) << "the clock goes on when the guide closes";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The keys are the game's again at once.
    QTest::keyClick(window.get(), Qt::Key_S);
    EXPECT_EQ(window->CurrentView(), TView::System);
    EXPECT_TRUE(Has(Info(), HintText(script, THint::Headquarter))) << "a new game starts at the headquarter";
    Shot("guide-hint");
    QTest::keyClick(window.get(), Qt::Key_M);
    EXPECT_TRUE(IsSectorView(window->CurrentView()));
    const std::vector<std::string> seen = LoadSettings(user).HintsSeen;
    EXPECT_NE(std::find(seen.begin(), seen.end(), "Headquarter"), seen.end()) << "kept for the next game";

    QTimer::singleShot(0, [&] {
        auto* dialog = testing::ModalDialog<FormOptions>();
        if (!dialog)
            return;
        dialog->pgcOptions()->setCurrentWidget(dialog->tabInfo());
        QTest::mouseClick(dialog->Guide()->chbHints(), Qt::LeftButton);
        ShotOf(QApplication::activeModalWidget(), "guide-options");
        dialog->close();
    });
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_FALSE(window->Game().Options().Hints);
    EXPECT_FALSE(LoadSettings(user).Hints);
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_S);
    QTest::mouseClick(Control<QPushButton>("btnScan"), Qt::LeftButton);
    EXPECT_FALSE(Has(Info(), Lookup(script, texts::HintPrefix))) << Info();
}

} // namespace
} // namespace veltrane::test
