#include "ui/QtMessagePort.h"
#include "game/Direction.h"

#include "ModalDriver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace veltrane {
namespace {

using veltrane::testing::WhenModal;

class NoScript : public ITextSource {
  public:
    std::optional<std::string> Lookup(std::string_view, std::string_view) const override {
        return std::nullopt;
    }
};

class QtMessagePortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        world.CurrentSector = 1;
        world.CurrentSystem = 10;
        world.System(1, 10).PosX = 300;
        world.System(1, 10).PosY = 200;
        world.FindIdx[1] = 33;
        world.Artefacts[33].System = 20;
        world.AlienModules[2] = TModulePlacement{1, 30, 0};
    }

    QtMessagePort Port() {
        return QtMessagePort(
            nullptr, [this]() -> TDlgCaptions& { return captions; },
            [this]() -> const ITextSource& { return script; },
            [this](const QString& relative) {
                requested << relative;
                QImage image(4, 4, QImage::Format_RGB32);
                image.fill(Qt::white);
                return image;
            },
            [this] { ++clicks; });
    }

    void Place(int system, int x, int y) {
        world.System(1, system).PosX = x;
        world.System(1, system).PosY = y;
    }

    TGameState world;
    TDlgCaptions captions;
    NoScript script;
    QStringList requested;
    int clicks = 0;
};

TEST_F(QtMessagePortTest, ShipLowerRightOfTheArtefactPointsUpLeft) {
    Place(20, 100, 50);
    EXPECT_EQ(DirectionArrow(world, 'A'), 8);
}

TEST_F(QtMessagePortTest, ModuleDirectlyBelowPointsDown) {
    Place(30, 300, 400);
    EXPECT_EQ(DirectionArrow(world, 'M'), 5);
}

TEST_F(QtMessagePortTest, TakenModuleOrNoSystemGivesNoArrow) {
    world.AlienModules[2].System = 0;
    EXPECT_EQ(DirectionArrow(world, 'M'), std::nullopt);
    world.CurrentSystem = 0;
    EXPECT_EQ(DirectionArrow(world, 'A'), std::nullopt);
}

TEST_F(QtMessagePortTest, DirectionMessageLoadsTheArrowTowardsTheTarget) {
    Place(20, 301, 200); // right of the ship
    bool arrowShown = false;
    WhenModal([&](QWidget* w) {
        arrowShown = static_cast<FormMessage*>(w)->directionShown();
        QTest::mouseClick(w->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QtMessagePort port = Port();
    port.ShowDirectionMessage("Hint from a passenger.", DirectionArrow(world, 'A'));
    EXPECT_TRUE(arrowShown);
    EXPECT_EQ(requested.last(), "Pics/arrow3.jpg");
    EXPECT_EQ(clicks, 1);
}

TEST_F(QtMessagePortTest, IncomingMessageGoesThroughTheWindowWithItsClick) {
    QString text;
    WhenModal([&](QWidget* w) {
        text = static_cast<FormMessage*>(w)->text();
        QTest::mouseClick(w->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QtMessagePort port = Port();
    port.ShowIncomingMessage("You got %d percent energy.", 12);
    EXPECT_EQ(text, "You got 12 percent energy.");
    EXPECT_EQ(clicks, 1);
}

TEST_F(QtMessagePortTest, MessDlgUsesAndFillsTheHeldCaptions) {
    captions.No = "Nein";
    bool found = false;
    WhenModal([&](QWidget* box) {
        for (auto* b : box->findChildren<QAbstractButton*>())
            if (b->text() == "Nein") {
                found = true;
                QTest::mouseClick(b, Qt::LeftButton);
            }
    });
    QtMessagePort port = Port();
    EXPECT_FALSE(port.ShowMessDlg("Are you sure?", "", TMessageKind::Confirm));
    EXPECT_TRUE(found);
    EXPECT_EQ(captions.Yes, "Yes");
    EXPECT_EQ(captions.No, "Nein");
}

} // namespace
} // namespace veltrane
