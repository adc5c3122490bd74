#include "FormMainFixture.h"

#include "persist/FileIo.h"
#include "persist/SavedGame.h"
#include "ui/FormNavigator.h"
#include "ui/StatusPanel.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

namespace veltrane::test {
namespace {

class KeyboardPass : public FormMainTest {
  protected:
    void SetUp() override {
        FormMainTest::SetUp();
        ASSERT_TRUE(home_.isValid());
        userFolder = home_.path().toStdString() + "/";
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Window(), static_cast<Qt::Key>(key), modifiers);
    }
    std::filesystem::path Games() const { return GamesFolder(userFolder); }
    // The system whose name the info line shows.
    int InfoSystem() {
        const std::string info = Window().StatusArea()->lblInfo()->text().toStdString();
        const TGameState& world = Window().World();
        for (int k = 1; k <= kSystemsPerSector; ++k)
            if (info.find(": " + world.System(world.CurrentSector, k).Name + "   ") != std::string::npos)
                return k;
        return 0;
    }
    void FinishPassage() {
        for (int tick = 0; tick < 1000 && Window().Session().InFlight(); ++tick)
            Window().timMainTimer();
        ASSERT_FALSE(Window().Session().InFlight());
    }

  private:
    QTemporaryDir home_;
};

// One pass with the keyboard only: pages, the navigator, the map, the
// tunnel and the exit, with the autosaves they write.
TEST_F(KeyboardPass, CommandsMapArrowsEscapeAndAutosaves) {
    Window().show();
    QApplication::setActiveWindow(&Window());
    Window().timMainTimer();
    Window().timMainTimer(); // the start-up step: the fake options close at once
    ASSERT_EQ(optionsRuns, 1);
    TGameState& world = Window().World();
    // A game the player named like the autosave, saved before anything else.
    const auto players = Games() / "20240101000000.sav";
    ASSERT_TRUE(SaveGame(world, kAutosaveGameName, players));
    const std::string playersBytes = ReadWholeFile(players).value();

    Key(Qt::Key_S);
    EXPECT_EQ(Window().CurrentView(), TView::System);
    Key(Qt::Key_M);
    EXPECT_EQ(Window().CurrentView(), SectorView(world.CurrentSector));
    Key(Qt::Key_S, Qt::ControlModifier);
    Key(Qt::Key_F2);
    ASSERT_EQ(optionsPages.size(), 3u);
    EXPECT_EQ(optionsPages[1], TOptionsPage::SavedGames);
    EXPECT_EQ(optionsPages[2], TOptionsPage::Settings);
    EXPECT_TRUE(Find<QWidget>("btnStarMap")->toolTip().endsWith(" (M)"));

    // Escape leaves the navigator as "Close" does, whatever row was picked.
    world.Captain.Navigator = 3;
    const int start = world.CurrentSystem;
    bool navigatorShown = false;
    QTimer::singleShot(0, [&] {
        auto* navigator = qobject_cast<FormNavigator*>(QApplication::activeModalWidget());
        navigatorShown = navigator != nullptr;
        if (!navigator)
            return;
        navigator->lvwSystemList()->setCurrentItem(navigator->lvwSystemList()->topLevelItem(0));
        QTest::keyClick(navigator, Qt::Key_Escape);
    });
    Key(Qt::Key_N);
    EXPECT_TRUE(navigatorShown);
    QApplication::setActiveWindow(&Window()); // as the window manager does when a dialog closes
    EXPECT_EQ(world.CurrentSystem, start);
    EXPECT_EQ(Window().Session().Passage, TPassage::None);

    // The arrows walk the map the way they point; Enter flies to the system reached.
    const auto centreX = [&](int k) {
        const TSystem& system = world.System(world.CurrentSector, k);
        return 2 * system.PosX + system.Size;
    };
    world.Captain.Energy = 100;
    Key(Qt::Key_Right);
    const int right = InfoSystem();
    ASSERT_GT(right, 0);
    EXPECT_GT(centreX(right), centreX(start));
    Key(Qt::Key_Return);
    EXPECT_EQ(Window().Session().Passage, TPassage::StarFlight);
    EXPECT_EQ(world.CurrentSystem, right);
    FinishPassage();
    Key(Qt::Key_M);
    Key(Qt::Key_Left);
    const int left = InfoSystem();
    ASSERT_GT(left, 0);
    EXPECT_LT(centreX(left), centreX(right));

    // C opens the tunnel; its end autosaves, beside the player's "Autosave" game.
    Key(Qt::Key_M);
    world.Captain.Hyperdrive = 1;
    world.Captain.Energy = 100;
    const int sector = world.CurrentSector;
    Key(Qt::Key_C);
    ASSERT_EQ(Window().Session().Passage, TPassage::Tunnel);
    EXPECT_FALSE(std::filesystem::exists(Games() / kAutosaveFileName));
    FinishPassage();
    EXPECT_NE(world.CurrentSector, sector);
    EXPECT_TRUE(std::filesystem::exists(Games() / kAutosaveFileName));

    std::filesystem::remove(Games() / kAutosaveFileName);
    messages->answer = false;
    Window().close();
    EXPECT_FALSE(std::filesystem::exists(Games() / kAutosaveFileName))
        << "no autosave when the exit is refused";
    messages->answer = true;
    Window().close();
    EXPECT_TRUE(std::filesystem::exists(Games() / kAutosaveFileName));
    EXPECT_EQ(ReadWholeFile(players).value(), playersBytes);
}

} // namespace
} // namespace veltrane::test
