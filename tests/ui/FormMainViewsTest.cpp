#include "FormMainFixture.h"
#include "game/Views.h"

#include "game/Course.h"
#include "ui/CityView.h"
#include "ui/NewShape.h"
#include "ui/SectorMapView.h"
#include "ui/StatusPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace veltrane::test {
namespace {

const TView kAllViews[] = {TView::Sector1,   TView::Sector2, TView::Sector3,    TView::Sector4, TView::System,
                           TView::Landscape, TView::City,    TView::StarFlight, TView::Tunnel};
const char* const kPageNames[] = {"pnlSector1",   "pnlSector2", "pnlSector3",    "pnlSector4", "pnlSystem",
                                  "pnlLandscape", "pnlCity",    "pnlStarFlight", "pnlTunnel"};

class Views : public FormMainTest {
  protected:
    // The button's own state; the whole command panel waits for the start-up step.
    bool ChangeSectorEnabled() {
        return Find<QPushButton>("btnSector")->isEnabledTo(Find<QWidget>("pnlBottom"));
    }

    std::vector<std::string> VisiblePages() {
        std::vector<std::string> shown;
        for (const char* name : kPageNames)
            if (!Find<QWidget>(name)->isHidden())
                shown.push_back(name);
        return shown;
    }
};

TEST_F(Views, TheFirstSectorMapIsShownAtStart) {
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{"pnlSector1"});
    EXPECT_TRUE(ChangeSectorEnabled());
}

TEST_F(Views, ExactlyOnePageIsVisibleAndChangeSectorOnlyOnMaps) {
    for (std::size_t i = 0; i < std::size(kAllViews); ++i) {
        veltrane::ShowView(Window().Game().Ctx(), kAllViews[i]);
        EXPECT_EQ(VisiblePages(), std::vector<std::string>{kPageNames[i]});
        EXPECT_EQ(Window().CurrentView(), kAllViews[i]);
        EXPECT_EQ(ChangeSectorEnabled(), i < 4) << kPageNames[i];
    }
}

TEST_F(Views, PagesFillTheClientAreaOfTheCentralPanel) {
    for (const char* name : kPageNames)
        EXPECT_EQ(Find<QWidget>(name)->geometry(), QRect(2, 2, 817, 450)) << name;
}

TEST_F(Views, MapButtonShowsTheCurrentSectorWithAClick) {
    veltrane::ShowView(Window().Game().Ctx(), TView::System);
    Window().World().CurrentSector = 3;
    Window().Post(MakeCommand(TCommandKind::Map));
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{"pnlSector3"});
    EXPECT_EQ(sound.effects, std::vector<std::string>{"button.wav"});
    veltrane::ShowSectorMap(Window().Game().Ctx(), false);
    EXPECT_EQ(sound.effects.size(), 1u);
}

TEST_F(Views, EverySectorHasOneMarkerPerSystemWhereTheSystemLies) {
    const TGameState& world = Window().World();
    for (int s = 1; s <= kSectorCount; ++s) {
        SectorMapView* page = Window().SectorPage(s);
        ASSERT_EQ(page->markerCount(), kSystemsPerSector);
        EXPECT_EQ(page->findChildren<TNewShape*>().size(), kSystemsPerSector);
        for (int k : {1, 75, 150}) {
            const TSystem& sys = world.System(s, k);
            const TNewShape* m = page->marker(k);
            EXPECT_EQ(m->tag(), k);
            EXPECT_EQ(m->geometry(), QRect(sys.PosX, sys.PosY, sys.Size, sys.Size));
            EXPECT_EQ(m->brushColor(), QColor(Qt::white));
        }
        EXPECT_EQ(page->marker(0), nullptr);
        EXPECT_EQ(page->marker(151), nullptr);
    }
}

TEST_F(Views, ANewGameReplacesTheMarkers) {
    TNewShape* before = Window().SectorPage(2)->marker(10);
    QPointer<TNewShape> watch(before);
    Window().Post(MakeCommand(TCommandKind::NewGame, {}, "yes"));
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(Window().SectorPage(2)->markerCount(), kSystemsPerSector);
    EXPECT_EQ(Window().SectorPage(2)->findChildren<TNewShape*>().size(), kSystemsPerSector);
}

TEST_F(Views, BlinkerSwapsTheCurrentMarkerBetweenItsColourAndBlack) {
    const TGameState& w = Window().World();
    TNewShape* current = Window().SectorPage(w.CurrentSector)->marker(w.CurrentSystem);
    current->setBrushColor(QColor(0, 200, 0));
    Window().timBlinkerTimer();
    EXPECT_EQ(current->brushColor(), QColor(Qt::black));
    EXPECT_EQ(current->trueColor(), QColor(0, 200, 0));
    Window().timBlinkerTimer();
    EXPECT_EQ(current->brushColor(), QColor(0, 200, 0));
    // Other markers never blink.
    const int other = w.CurrentSystem == 1 ? 2 : 1;
    EXPECT_EQ(Window().SectorPage(w.CurrentSector)->marker(other)->brushColor(), QColor(Qt::white));
}

TEST_F(Views, BlinkerRunsFromTheStart) {
    EXPECT_TRUE(Window().findChild<QTimer*>("timBlinker")->isActive());
    EXPECT_EQ(Window().findChild<QTimer*>("timBlinker")->interval(), 300);
    EXPECT_FALSE(Window().findChild<QTimer*>("timStarFlight")->isActive());
    EXPECT_TRUE(Window().findChild<QTimer*>("timMain")->isActive());
}

TEST_F(Views, ThumbnailsMarkTheCurrentSector) {
    Window().World().CurrentSector = 3;
    Window().UpdateSectorThumbnails();
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(Find<QLabel>(QString("imgSector%1a").arg(s).toLatin1())->isHidden(), s == 3) << s;
        EXPECT_EQ(Find<QLabel>(QString("imgSector%1b").arg(s).toLatin1())->isHidden(), s != 3) << s;
    }
    const QPixmap map = Find<QLabel>("imgSectorBg3")->pixmap();
    ASSERT_FALSE(map.isNull());
    EXPECT_EQ(map.toImage().pixelColor(0, 0), ColourOf("Pics/SectorC1.jpg"));
}

TEST_F(Views, UpgradeTreeHasFiveClassesOfThreeVariantsInShopOrder) {
    const std::vector<QTreeWidgetItem*> nodes = Window().CityPage()->UpgradeNodesDepthFirst();
    ASSERT_EQ(nodes.size(), 20u);
    for (int c = 0; c < 5; ++c) {
        const QTreeWidgetItem* head = nodes[static_cast<std::size_t>(c) * 4];
        EXPECT_EQ(head->parent(), nullptr);
        EXPECT_EQ(head->childCount(), 3);
        EXPECT_EQ(head->data(0, Qt::UserRole + 1).toInt(), c + 1);
    }
    // Silver shows the second energy cell picture.
    EXPECT_EQ(nodes[6]->data(0, Qt::UserRole + 2).toInt(), 8);
}

TEST_F(Views, UpgradeNodesShowTheirEquipmentPictures) {
    const std::vector<QTreeWidgetItem*> nodes = Window().CityPage()->UpgradeNodesDepthFirst();
    auto colourOf = [](QTreeWidgetItem* node) {
        return node->icon(0).pixmap(8, 8).toImage().pixelColor(0, 0);
    };
    EXPECT_EQ(colourOf(nodes[4]), ColourOf("Pics/equip7.bmp"));   // Energy Cell
    EXPECT_EQ(colourOf(nodes[6]), ColourOf("Pics/equip8.bmp"));   // Silver
    EXPECT_EQ(colourOf(nodes[19]), ColourOf("Pics/equip15.bmp")); // Triple
}

TEST_F(Views, MarkerPressSelectsAndDoubleClickFlies) {
    SectorMapView* page = Window().SectorPage(1);
    std::vector<std::pair<int, int>> presses;
    QObject::connect(page, &SectorMapView::markerPressed,
                     [&presses](int sector, int system) { presses.emplace_back(sector, system); });
    int target = 0;
    for (int k = 1; k <= kSystemsPerSector && target == 0; ++k)
        if (SystemDistance(Window().World(), k) > 0 &&
            FlightCost(SystemDistance(Window().World(), k), 1) <= 100)
            target = k;
    ASSERT_NE(target, 0);
    TNewShape* marker = page->marker(target);
    const QPoint centre = marker->rect().center();
    QTest::mouseClick(marker, Qt::LeftButton, {}, centre);
    EXPECT_EQ(Window().World().CurrentSystem == target, false);
    EXPECT_NE(
        Window().StatusArea()->lblInfo()->text().toStdString().find(Window().World().System(1, target).Name),
        std::string::npos);
    QTest::mouseDClick(marker, Qt::LeftButton, {}, centre);
    EXPECT_FALSE(marker->doubleClickPending());
    EXPECT_EQ(presses, (std::vector<std::pair<int, int>>{{1, target}, {1, target}}));
    EXPECT_EQ(Window().World().CurrentSystem, target);
    QTest::mouseClick(marker, Qt::RightButton, {}, centre);
    EXPECT_EQ(presses.size(), 2u);
}

TEST_F(Views, UpgradeCaptionsComeFromTheScriptInTreeOrder) {
    WriteScript("English.lng", "[UpgradeTree]\nItem0=Abtaster\nItem1=Einfach\nItem19=Dreifach\n");
    Window().Post(MakeCommand(TCommandKind::Options));
    const std::vector<QTreeWidgetItem*> nodes = Window().CityPage()->UpgradeNodesDepthFirst();
    EXPECT_EQ(nodes[0]->text(0), "Abtaster");
    EXPECT_EQ(nodes[1]->text(0), "Einfach");
    EXPECT_EQ(nodes[2]->text(0), "???");
    EXPECT_EQ(nodes[19]->text(0), "Dreifach");
}

TEST_F(Views, CityPanelsShowOneAtATimeCentred) {
    CityView* city = Window().CityPage();
    city->ShowCityPanel(city->pnlUpgrade());
    EXPECT_FALSE(city->pnlUpgrade()->isHidden());
    EXPECT_TRUE(city->pnlPhrasesMain()->isHidden());
    const QRect area = city->pnlPhrases()->contentsRect();
    EXPECT_EQ(city->pnlUpgrade()->x(), area.width() / 2 - city->pnlUpgrade()->width() / 2);
    EXPECT_EQ(city->pnlUpgrade()->y(), area.height() / 2 - city->pnlUpgrade()->height() / 2);
}

TEST_F(Views, EveryDesignControlIsThereByName) {
    const char* names[] = {"pnlBackground",     "pnlTop",           "imgTopLeft",        "imgTitleBg",
                           "imgLogo",           "imgTopRight",      "btnOptions",        "btnExit",
                           "pnlLeft",           "imgpnlLeft",       "imgStorage",        "gauStorage",
                           "lblStoragePercent", "pnlRight",         "imgpnlRight",       "imgEnergyCell",
                           "gauEnergy",         "lblEnergyPercent", "pnlBottom",         "imgBottomTop",
                           "imgBottomCenter",   "imgBottomBotttom", "shpCaptain",        "lblCaptainTop",
                           "pnlImgCaptain",     "imgCaptain",       "lblBudget",         "lblInfoTop",
                           "pnlScreenInner",    "lblInfo",          "lblCargoTop",       "pnlCargoInner",
                           "lvwCargo",          "lblTransport",     "pnlTransportInner", "lvwTransDisplay",
                           "lblModules",        "pnlModules",       "imgModule1",        "imgModule4",
                           "lblGalaxyTop",      "pnlGalaxyInner",   "imgSector1a",       "imgSector4b",
                           "lblSector1",        "lblSector4",       "lblTime",           "shpCommands",
                           "lblCommands",       "btnStarMap",       "btnSystem",         "btnOrder",
                           "btnNavigator",      "btnSector",        "pnlMain",           "imgSectorBg1",
                           "imgSectorBg4",      "imgSun",           "imgPlanet1",        "imgPlanet6",
                           "imgSEROShip",       "pnlScanner",       "btnScan",           "imgScanner",
                           "imgLandscape",      "imgCity1",         "imgCity6",          "imgArtefact",
                           "imgPowerPack",      "imgAlienModule",   "imgSpaceShip",      "pnlCityTop",
                           "imgCity",           "imgPerson",        "lblPerson",         "imgEcoIndex",
                           "imgPoliceIndex",    "lblRefuelPrice",   "btnCityInfo",       "btnAlienInfo",
                           "pnlPhrases",        "pnlPhrasesMain",   "btnSellArtefacts",  "btnTransport",
                           "btnGetRefuel",      "btnGetUpgrade",    "btnCityExit",       "pnlSellArtefacts",
                           "pnlRefuel",         "pnlUpgrade",       "trvUpgrade",        "pnlTransport",
                           "imgStarFlight",     "imgTunnel"};
    for (const char* name : names)
        EXPECT_NE(Window().findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(Views, FrameRegionsSitWhereTheDesignPutsThem) {
    EXPECT_EQ(Find<QWidget>("pnlTop")->geometry(), QRect(0, 0, 900, 41));
    EXPECT_EQ(Find<QWidget>("pnlLeft")->geometry(), QRect(0, 41, 39, 454));
    EXPECT_EQ(Find<QWidget>("pnlRight")->geometry(), QRect(860, 41, 40, 454));
    EXPECT_EQ(Find<QWidget>("pnlMain")->geometry(), QRect(39, 41, 821, 454));
    EXPECT_EQ(Find<QWidget>("pnlBottom")->geometry(), QRect(0, 495, 900, 205));
    EXPECT_EQ(Find<QWidget>("gauStorage")->geometry(), QRect(15, 41, 13, 376));
    EXPECT_EQ(Find<QWidget>("gauEnergy")->geometry(), QRect(12, 41, 13, 376));
    EXPECT_EQ(Find<QWidget>("btnExit")->x(), Find<QWidget>("imgTopRight")->x() + 10);
    EXPECT_EQ(Find<QWidget>("btnStarMap")->geometry(), QRect(790, 44, 45, 37));
    EXPECT_EQ(Find<QWidget>("btnSector")->geometry(), QRect(788, 134, 100, 37));
    EXPECT_EQ(Find<QWidget>("imgSector4a")->geometry(), QRect(67, 38, 34, 34));
    EXPECT_EQ(Find<QWidget>("imgModule3")->geometry().top(), 50);
    EXPECT_EQ(Find<QLabel>("lblTime")->text(), "00:00:00");
    EXPECT_EQ(Find<QWidget>("gauStorage")->toolTip(), "Displays storage capacity");
    EXPECT_EQ(Find<QWidget>("btnNavigator")->toolTip(),
              "Navigation (N)"); // the key follows the translated hint
}

TEST_F(Views, StatusListsHaveTheirColumns) {
    auto* cargo = Find<QTreeWidget>("lvwCargo");
    EXPECT_EQ(cargo->columnCount(), 1);
    EXPECT_EQ(cargo->columnWidth(0), 230);
    EXPECT_TRUE(cargo->isHeaderHidden());
    EXPECT_EQ(cargo->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(cargo->selectionBehavior(), QAbstractItemView::SelectRows);
    auto* transport = Find<QTreeWidget>("lvwTransDisplay");
    EXPECT_EQ(transport->columnCount(), 2);
    EXPECT_EQ(transport->headerItem()->text(0), "Destination");
    EXPECT_EQ(transport->columnWidth(1), 40);
}

} // namespace
} // namespace veltrane::test
