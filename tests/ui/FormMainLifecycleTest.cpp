#include "FormMainFixture.h"
#include "game/Views.h"
#include "ui/PlayAreaScaler.h"

#include "ui/CityView.h"
#include "ui/SectorMapView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace veltrane::test {
namespace {

class Lifecycle : public FormMainTest {};

TEST_F(Lifecycle, CreationStartsAGameAndOpensAudioOnlyAfterTheFirstFrame) {
    Window();
    EXPECT_EQ(audioInits, 0);
    Window().show();
    Window().repaint();
    EXPECT_TRUE(QTest::qWaitFor([this] { return audioInits == 1; }, 1000));
    Window().repaint();
    QTest::qWait(20);
    EXPECT_EQ(audioInits, 1);
    const TGameState& w = Window().World();
    EXPECT_EQ(w.Captain.Name, "Jon Kestrel");
    EXPECT_EQ(w.Captain.Budget, 100);
    EXPECT_EQ(w.CurrentSector, 1);
    EXPECT_GE(w.CurrentSystem, 1);
    EXPECT_EQ(Find<QLabel>("lblGalaxyTop")->text(), QString::fromStdString("Galaxy " + w.GalaxyName));
    EXPECT_EQ(Find<QLabel>("lblCaptainTop")->text(), "Jon Kestrel");
    EXPECT_EQ(Window().Tables().DlgCaptions.StartColor, 0x00FFFFu);
    EXPECT_EQ(Window().Tables().DlgCaptions.EndColor, 0x0000FFu);
    // The command panel waits for the start-up step.
    EXPECT_FALSE(Find<QWidget>("pnlBottom")->isEnabled());
}

TEST_F(Lifecycle, AFullScreenScaledInAViewOpensAudioAfterItsFirstFrameToo) {
    options.WindowType = 0;
    Window().show();
    Window().resize(1920, 1080); // the play area is drawn scaled, in a view over the window
    ASSERT_NE(Window().Scaler().Scale(), 1.0);
    Window().grab();
    EXPECT_TRUE(QTest::qWaitFor([this] { return audioInits == 1; }, 1000));
}

TEST_F(Lifecycle, AScaledPlayAreaIsTranslatedAsTheWindow) {
    WriteScript("Klingon.lng", "[FormMain]\nbtnOptions.Caption=tlhIngan\n");
    options.Language = "Klingon.lng";
    options.WindowType = 0;
    Window().resize(1920, 1080);
    Window().show();
    ASSERT_NE(Window().Scaler().Scale(), 1.0);
    ASSERT_FALSE(Window().isAncestorOf(Window().Background()));
    Window().Post(MakeCommand(TCommandKind::Options)); // the dialog closed: the script is read again
    EXPECT_EQ(Window().Background()->findChild<QPushButton*>("btnOptions")->text(), "tlhIngan");
}

TEST_F(Lifecycle, ArtworkOfTheWaitingCommandPanelKeepsItsColours) {
    const auto* captain = Find<QLabel>("imgCaptain");
    ASSERT_FALSE(captain->isEnabled());
    ASSERT_FALSE(captain->pixmap().isNull());
    const QImage shown = Find<QLabel>("imgCaptain")->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.rect().center()), captain->pixmap().toImage().pixelColor(4, 4));
}

TEST_F(Lifecycle, StandardWindowOpensAtTheGamesSizeAndResizes) {
    EXPECT_EQ(Window().size(), QSize(1024, 768));
    EXPECT_EQ(Find<QWidget>("pnlBackground")->geometry(), QRect(62, 34, 900, 700));
    Window().show();
    Window().resize(2048, 1536);
    Window().ApplyWindowType(); // as the options dialog closes: the player's size stays
    EXPECT_EQ(Window().Scaler().Scale(), 2);
}

TEST_F(Lifecycle, OtherWindowTypesAskForFullScreen) {
    options.WindowType = 0;
    EXPECT_TRUE(Window().windowState() & Qt::WindowFullScreen);
    options.WindowType = 7;
    Window().ApplyWindowType();
    EXPECT_TRUE(Window().windowState() & Qt::WindowFullScreen);
    options.WindowType = 1;
    Window().ApplyWindowType();
    EXPECT_FALSE(Window().windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(Window().size(), QSize(1024, 768));
}

TEST_F(Lifecycle, PlayAreaFillsTheWidthOfAnSxgaScreenCentred) {
    options.WindowType = 0;
    Window().resize(1280, 1024);
    QResizeEvent resize(QSize(1280, 1024), QSize(1024, 768));
    QCoreApplication::sendEvent(&Window(), &resize);
    EXPECT_EQ(Window().Scaler().Area(), QRect(0, 14, 1280, 996));
}

TEST_F(Lifecycle, AnsweringNoKeepsTheGameAndTheWindow) {
    Window().show();
    messages->answer = false;
    const TGameState before = Window().World();
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Window().World(), before);
    ASSERT_EQ(messages->asked.size(), 1u);
    EXPECT_EQ(messages->asked[0], "Are you sure?||c");
    EXPECT_TRUE(Window().findChild<QTimer*>("timBlinker")->isActive());
    EXPECT_EQ(audioShutdowns, 0);
}

TEST_F(Lifecycle, AnsweringYesStopsTheBlinkerAndTheAudio) {
    WriteScript("English.lng", "[Events]\nText1=Tip %d\n");
    Window().show();
    ASSERT_FALSE(Window().Tables().EventTexts.empty());
    messages->answer = true;
    EXPECT_TRUE(Window().close());
    EXPECT_FALSE(Window().findChild<QTimer*>("timBlinker")->isActive());
    EXPECT_EQ(audioShutdowns, 1);
    EXPECT_TRUE(Window().Tables().EventTexts.empty());
}

TEST_F(Lifecycle, ExitButtonAsksTheSameQuestion) {
    Window().show();
    messages->answer = false;
    Find<QPushButton>("btnExit")->click();
    EXPECT_EQ(messages->asked, std::vector<std::string>{"Are you sure?||c"});
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(Lifecycle, TheQuestionComesFromTheScript) {
    WriteScript("English.lng", "[Messages]\nAYS=Wirklich beenden?\n");
    Window().show();
    messages->answer = false;
    Window().close();
    EXPECT_EQ(messages->asked, std::vector<std::string>{"Wirklich beenden?||c"});
}

TEST_F(Lifecycle, ClockTicksAndTheStartUpStepRunsOnceAtTwoSeconds) {
    Window().timMainTimer();
    EXPECT_EQ(Find<QLabel>("lblTime")->text(), "00:00:01");
    EXPECT_EQ(optionsRuns, 0);
    Window().timMainTimer();
    EXPECT_EQ(Find<QLabel>("lblTime")->text(), "00:00:02");
    EXPECT_EQ(optionsRuns, 1);
    EXPECT_TRUE(Window().StartupStepDone());
    EXPECT_TRUE(Find<QWidget>("pnlBottom")->isEnabled());
    EXPECT_EQ(sound.musicUpdates, 1);

    // A new game winds the clock back; the step must not come again.
    Window().Post(MakeCommand(TCommandKind::NewGame, {}, "yes"));
    Window().timMainTimer();
    Window().timMainTimer();
    EXPECT_EQ(Window().World().GameSeconds, 2);
    EXPECT_EQ(optionsRuns, 1);
}

TEST_F(Lifecycle, ClosingTheOptionsWithNewGameStartsAFreshGame) {
    Window().World().Captain.Name = "Mara Quill";
    Window().World().Captain.ImageIndex = 3;
    Window().World().Captain.Budget = 9999;
    optionsResult = TOptionsResult::NewGame;
    Window().btnOptionsClick();
    EXPECT_EQ(Window().World().Captain.Name, "Jon Kestrel");
    EXPECT_EQ(Window().World().Captain.ImageIndex, 1);
    EXPECT_EQ(Find<QLabel>("lblCaptainTop")->text(), "Jon Kestrel");
    EXPECT_EQ(Find<QLabel>("lblBudget")->text(), "Budget: 100 G$");
    // The options close onto the map, as if the map button had been pressed.
    EXPECT_EQ(Window().CurrentView(), TView::Sector1);
    EXPECT_EQ(sound.effects.back(), "button.wav");
}

TEST_F(Lifecycle, OptionsPlaceModulesMissingFromAnOldSavedGame) {
    for (auto& m : Window().World().AlienModules)
        m = TModulePlacement{-1, 0, 0};
    Window().btnOptionsClick();
    for (const auto& m : Window().World().AlienModules) {
        EXPECT_GE(m.Sector, 1);
        EXPECT_LE(m.Sector, 4);
    }
}

TEST_F(Lifecycle, SecondNewGameKeepsPictureListsAndEventTexts) {
    WriteScript("English.lng", "[Events]\nText1=A tip of %d G$.\n");
    Window().show();
    ASSERT_EQ(Window().imlTunnel().size(), 4u);
    ASSERT_EQ(Window().imlPlanets().size(), 24u);
    ASSERT_EQ(Window().imlShips().size(), 12u);
    ASSERT_EQ(Window().imlTransport().size(), 10u);
    const std::vector<std::string> events = Window().Tables().EventTexts;
    ASSERT_EQ(events.size(), 20u);
    EXPECT_EQ(events[0], "A tip of %d G$.");
    EXPECT_EQ(RequestsFor("Planets/planet24.jpg"), 1);

    Window().World().Cargo.push_back({"Relic", 5});
    Window().imlArtefacts().push_back(QImage(4, 4, QImage::Format_RGB32));
    Window().Post(MakeCommand(TCommandKind::NewGame, {}, "yes"));
    EXPECT_EQ(RequestsFor("Planets/planet24.jpg"), 1);
    EXPECT_EQ(RequestsFor("Pics/tunnel1.bmp"), 1);
    EXPECT_EQ(RequestsFor("Pics/SectorA1.jpg"), 2); // sector pictures come with every game
    EXPECT_EQ(Window().imlPlanets().size(), 24u);
    EXPECT_EQ(Window().Tables().EventTexts, events);
    EXPECT_TRUE(Window().World().Cargo.empty());
    EXPECT_TRUE(Window().imlArtefacts().empty());
}

TEST_F(Lifecycle, MissingPictureIsReportedOnceAndEndsThatLoading) {
    missing.insert("Pics/SectorB2.jpg");
    Window();
    Window().Post(MakeCommand(TCommandKind::NewGame, {}, "yes"));
    const auto reports = std::count_if(problems.begin(), problems.end(), [](const std::string& p) {
        return p.find("Pics/SectorB2.jpg") != std::string::npos;
    });
    EXPECT_EQ(reports, 1);
    // The rest of that new game's picture work was skipped, the game itself is there.
    EXPECT_EQ(RequestsFor("Pics/SectorC1.jpg"), 0);
    EXPECT_TRUE(Window().imlTunnel().empty());
    EXPECT_EQ(Window().SectorPage(1)->markerCount(), kSystemsPerSector);
}

TEST_F(Lifecycle, MissingPictureInAListLeavesTheListsToTheNextGame) {
    missing.insert("Pics/ship7.bmp");
    Window();
    EXPECT_TRUE(Window().imlTunnel().empty());
    EXPECT_TRUE(Window().imlShips().empty());
    missing.clear();
    Window().Post(MakeCommand(TCommandKind::NewGame, {}, "yes"));
    EXPECT_EQ(Window().imlShips().size(), 12u);
    EXPECT_EQ(Window().imlTunnel().size(), 4u);
}

TEST_F(Lifecycle, BackgroundTilesAreDecodedOnlyOnce) {
    Window();
    for (int i = 0; i < 12; ++i)
        Window().grab();
    EXPECT_LE(RequestsFor("Pics/bg1.jpg"), 1);
    EXPECT_LE(RequestsFor("Pics/bg2.jpg"), 1);
    EXPECT_EQ(RequestsFor("Pics/bg3.jpg"), 1); // half of all repaints use the third tile
    EXPECT_GE(Window().BackgroundTilesDecoded(), 1);
}

TEST_F(Lifecycle, LanguageChangeRenamesArtefactsAndRacesButNotCargo) {
    const std::string common = "[Captions]\nAlien name suffix=ians\n[Subjects]\nText1=art\nText2=war\n"
                               "Text3=song\nText4=stars\nText5=trade\n";
    std::string english = common + "[Artefact1]\nName=Glass Key\n[Artefact2]\nName=Star Map\n";
    std::string german = "[Captions]\nAlien name suffix=ier\n[Subjects]\nText1=Kunst\nText2=Krieg\n"
                         "Text3=Gesang\nText4=Sterne\nText5=Handel\n"
                         "[Artefact1]\nName=Glasschluessel\n[Artefact2]\nName=Sternkarte\n"
                         "[FormMain]\nbtnExit.Caption=Ende\n";
    WriteScript("English.lng", english);
    WriteScript("German.lng", german);
    Window().show();
    TGameState& w = Window().World();
    ASSERT_EQ(w.Artefacts[1].Name, "Glass Key");
    w.Cargo.push_back({w.Artefacts[2].Name, 2});
    const std::string englishRace = Window().Tables().AlienRaces[1].Name;
    EXPECT_TRUE(englishRace.ends_with("nians"));

    options.Language = "German.lng";
    Window().Post(MakeCommand(TCommandKind::Options));
    EXPECT_EQ(w.Artefacts[1].Name, "Glasschluessel");
    EXPECT_EQ(w.Cargo[0].Name, "Star Map");
    EXPECT_TRUE(Window().Tables().AlienRaces[1].Name.ends_with("nier"));
    EXPECT_NE(Window().Tables().AlienRaces[1].Name, englishRace);
    EXPECT_EQ(Find<QPushButton>("btnExit")->text(), "Ende");
}

TEST_F(Lifecycle, WithoutAnyScriptEveryTextKeepsItsDefault) {
    Window().show();
    EXPECT_EQ(Window().World().Artefacts[1].Name, "Name");
    EXPECT_EQ(Find<QPushButton>("btnExit")->text(), "Exit");
    EXPECT_EQ(Window().CityPage()->UpgradeNodesDepthFirst()[0]->text(0), "???");
    EXPECT_EQ(Window().Tables().DlgCaptions.Warning, "Warnung");
}

} // namespace
} // namespace veltrane::test
