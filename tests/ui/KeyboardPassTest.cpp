#include "FormMainFixture.h"
#include "ModalDriver.h"

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

// One pass with the keyboard only: pages, the navigator, the map, the tunnel
// and the exit, with the autosaves they write beside a player's "Autosave".
TEST_F(FormMainTest, KeyboardPassWithAutosaves) {
    QTemporaryDir home;
    userFolder = home.path().toStdString() + "/";
    const auto key = [&](int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(&Window(), Qt::Key(k), m); };
    const auto finish = [&] {
        for (int tick = 0; tick < 1000 && Window().Session().InFlight(); ++tick)
            Window().timMainTimer();
    };
    TGameState& world = Window().World();
    const auto shown = [&] { // the system the info line names, and twice its centre's x
        for (int k = 1; k <= kSystemsPerSector; ++k)
            if (const TSystem& s = world.System(world.CurrentSector, k);
                Window().StatusArea()->lblInfo()->text().contains(
                    QString::fromStdString(": " + s.Name + "   ")))
                return std::pair{k, 2 * s.PosX + s.Size};
        return std::pair{0, 0};
    };
    Window().show();
    QApplication::setActiveWindow(&Window());
    Window().timMainTimer();
    Window().timMainTimer(); // the start-up step
    const auto games = GamesFolder(userFolder);
    ASSERT_TRUE(SaveGame(world, kAutosaveGameName, games / "20240101000000.sav"));
    const std::string players = ReadWholeFile(games / "20240101000000.sav").value();

    key(Qt::Key_S);
    EXPECT_EQ(Window().CurrentView(), TView::System);
    key(Qt::Key_M);
    EXPECT_EQ(Window().CurrentView(), SectorView(world.CurrentSector));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(optionsPages, (std::vector{TOptionsPage::Settings, TOptionsPage::SavedGames}));

    world.Captain.Navigator = 3;
    QTimer::singleShot(0, [] {
        auto* navigator = testing::ModalDialog<FormNavigator>();
        ASSERT_NE(navigator, nullptr);
        navigator->lvwSystemList()->setCurrentItem(navigator->lvwSystemList()->topLevelItem(0));
        QTest::keyClick(navigator, Qt::Key_Escape);
    });
    key(Qt::Key_N);
    EXPECT_EQ(Window().Session().Passage, TPassage::None) << "Escape sets no course";
    QApplication::setActiveWindow(&Window()); // as the window manager does when a dialog closes

    const int startX = 2 * world.Here().PosX + world.Here().Size;
    key(Qt::Key_Right);
    const auto [right, rightX] = shown();
    EXPECT_GT(rightX, startX);
    world.Captain.Energy = 100;
    key(Qt::Key_Return);
    EXPECT_EQ(world.CurrentSystem, right);
    finish();
    key(Qt::Key_M);
    key(Qt::Key_Left);
    EXPECT_LT(shown().second, rightX);

    world.Captain.Hyperdrive = 1;
    world.Captain.Energy = 100;
    key(Qt::Key_C);
    ASSERT_EQ(Window().Session().Passage, TPassage::Tunnel);
    EXPECT_FALSE(std::filesystem::exists(games / kAutosaveFileName));
    finish();
    EXPECT_TRUE(std::filesystem::remove(games / kAutosaveFileName)) << "the tunnel's end autosaves";
    Window().close();
    EXPECT_TRUE(std::filesystem::exists(games / kAutosaveFileName)) << "the confirmed exit autosaves";
    EXPECT_EQ(ReadWholeFile(games / "20240101000000.sav").value(), players);
}

} // namespace
} // namespace veltrane::test
