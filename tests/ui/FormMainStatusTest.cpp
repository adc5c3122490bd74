#include "FormMainFixture.h"
#include "game/Views.h"

#include "ui/Gauge.h"

#include <QLabel>

namespace veltrane::test {
namespace {

class StatusDisplay : public FormMainTest {
  protected:
    // Fills the hold with `cargo` artefacts and `jobs` transport jobs, then refreshes.
    void Aboard(int cargo, int jobs) {
        TGameState& w = Window().World();
        w.Cargo.assign(static_cast<std::size_t>(cargo), TCargoItem{"Relic", 1});
        w.Transport.assign(static_cast<std::size_t>(jobs), TTransportItem{"Aza", "12", 1});
        Window().RefreshStatus();
    }
    int StorageGauge() { return Find<Gauge>("gauStorage")->progress(); }
    QString StorageText() { return Find<QLabel>("lblStoragePercent")->text(); }
    QColor EnergyColour() { return Find<Gauge>("gauEnergy")->foreColor(); }
    void SetEnergy(int e) {
        Window().World().Captain.Energy = static_cast<std::uint8_t>(e);
        Window().RefreshStatus();
    }
    QColor PictureColour(const char* label) {
        const QPixmap pixmap = Find<QLabel>(label)->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
    }
};

TEST_F(StatusDisplay, StorageOfCapacityThreeStepsByAThird) {
    const int expected[] = {0, 33, 66, 99};
    for (int items = 0; items <= 3; ++items) {
        Aboard(items, 0);
        EXPECT_EQ(StorageGauge(), expected[items]) << items << " items";
        EXPECT_EQ(StorageText(), QString("%1%").arg(expected[items]));
    }
}

TEST_F(StatusDisplay, CargoAndTransportShareTheHold) {
    Aboard(1, 2);
    EXPECT_EQ(StorageGauge(), 99);
}

TEST_F(StatusDisplay, StorageUpgradeWithThreeItemsShowsFortyEight) {
    Aboard(3, 0);
    Window().World().Captain.Storage = 2;
    Window().RefreshStatus();
    EXPECT_EQ(Window().World().Captain.StorageCapacity, 6);
    EXPECT_EQ(StorageGauge(), 48);
}

TEST_F(StatusDisplay, FullHoldOfNineShowsNinetyNine) {
    Window().World().Captain.Storage = 3;
    Aboard(5, 4);
    EXPECT_EQ(StorageGauge(), 99);
    EXPECT_EQ(StorageText(), "99%");
}

TEST_F(StatusDisplay, EnergyColourChangesBelowFiftyAndBelowTwenty) {
    SetEnergy(50);
    EXPECT_EQ(EnergyColour(), QColor(0, 128, 0));
    SetEnergy(49);
    EXPECT_EQ(EnergyColour(), QColor(255, 255, 0));
    SetEnergy(20);
    EXPECT_EQ(EnergyColour(), QColor(255, 255, 0));
    SetEnergy(19);
    EXPECT_EQ(EnergyColour(), QColor(255, 0, 0));
    EXPECT_EQ(Find<Gauge>("gauEnergy")->progress(), 19);
    EXPECT_EQ(Find<QLabel>("lblEnergyPercent")->text(), "19%");
}

TEST_F(StatusDisplay, EnergyAboveHundredIsHeldAtHundred) {
    SetEnergy(250);
    EXPECT_EQ(Find<Gauge>("gauEnergy")->progress(), 100);
    EXPECT_EQ(Find<QLabel>("lblEnergyPercent")->text(), "100%");
}

TEST_F(StatusDisplay, ModulePicturesShowOnlyOwnedModules) {
    Window().RefreshStatus();
    for (const char* name : {"imgModule1", "imgModule2", "imgModule3", "imgModule4"})
        EXPECT_TRUE(Find<QLabel>(name)->isHidden()) << name;
    Window().World().Captain.Module3 = true;
    Window().RefreshStatus();
    EXPECT_TRUE(Find<QLabel>("imgModule1")->isHidden());
    EXPECT_FALSE(Find<QLabel>("imgModule3")->isHidden());
    Window().World().Captain.Module3 = false;
    Window().RefreshStatus();
    EXPECT_TRUE(Find<QLabel>("imgModule3")->isHidden());
}

TEST_F(StatusDisplay, EquipmentPicturesFollowTheLevels) {
    TCaptain& c = Window().World().Captain;
    c.Storage = 2;
    c.EnergyCell = 3;
    c.Scanner = 2;
    Window().RefreshStatus();
    EXPECT_EQ(PictureColour("imgStorage"), ColourOf("Pics/equip5.bmp"));
    EXPECT_EQ(PictureColour("imgEnergyCell"), ColourOf("Pics/equip9.bmp"));
    EXPECT_EQ(PictureColour("imgScanner"), ColourOf("Pics/equip2.bmp"));
}

TEST_F(StatusDisplay, BudgetLabelUsesTheScriptsText) {
    Window().World().Captain.Budget = 1234;
    Window().RefreshStatus();
    EXPECT_EQ(Find<QLabel>("lblBudget")->text(), "Budget: 1234 G$");

    WriteScript("English.lng", "[Captions]\nBudget: %d G$=Guthaben %d G$\n");
    Window().Post(MakeCommand(TCommandKind::Options));
    EXPECT_EQ(Find<QLabel>("lblBudget")->text(), "Guthaben 1234 G$");
}

TEST_F(StatusDisplay, BudgetTextThatDoesNotFitFallsBackToTheBuiltInText) {
    WriteScript("English.lng", "[Captions]\nBudget: %d G$=Budget %s\n");
    Window().Post(MakeCommand(TCommandKind::Options));
    Window().World().Captain.Budget = -5;
    Window().RefreshStatus();
    EXPECT_EQ(Find<QLabel>("lblBudget")->text(), "Budget: -5 G$");
}

class InfoLine : public FormMainTest {};

TEST_F(InfoLine, RedRefusesWithTheBadSound) {
    Refuse(Window().Game().Ctx(), "No energy");
    QLabel* info = Find<QLabel>("lblInfo");
    EXPECT_EQ(info->text(), "No energy");
    EXPECT_EQ(info->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(sound.effects, std::vector<std::string>{"bad.wav"});
}

TEST_F(InfoLine, GreenCongratulatesWithTheGoodSound) {
    Congratulate(Window().Game().Ctx(), "Found it");
    EXPECT_EQ(Find<QLabel>("lblInfo")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(sound.effects, std::vector<std::string>{"good.wav"});
}

TEST_F(InfoLine, OtherColoursPlayNothing) {
    Window().ShowInfoLine("Aza system", kWhite);
    Window().ShowInfoLine("Yellowish", kYellow);
    EXPECT_TRUE(sound.effects.empty());
    EXPECT_EQ(Find<QLabel>("lblInfo")->text(), "Yellowish");
    EXPECT_EQ(Find<QLabel>("lblInfo")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
}

} // namespace
} // namespace veltrane::test
