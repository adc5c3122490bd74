#include "EngineFixture.h"

#include "game/Course.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Views.h"

namespace veltrane::test {
namespace {

class Surface : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        OnePlanetHere(4, 4);
        planet().Artefact = 0;
        planet().PowerUp = 0;
        planet().SurfaceMirror = 0;
        for (TModulePlacement& m : World().AlienModules)
            m.System = 0;
    }
    TPlanet& planet() { return Here().Planets[0]; }
    TOutcome Land() { return LandOnPlanet(Ctx(), 0); }
};

TEST_F(Surface, GasPlanetsRefuseTheLanding) {
    planet().Surface = kGasSurface;
    EXPECT_FALSE(Land().Done);
    EXPECT_EQ(game.Window.InfoText, "Sorry, you cannot land on a gas planet.");
    EXPECT_EQ(game.Window.InfoColour, kRed);
    EXPECT_EQ(game.Session().CurrentView, TView::System);
}

struct LifeCase {
    const char* Name;
    int Surface, Lifeform;
    bool Cities, Ships;
};

class LifeOnTheSurface : public Surface, public ::testing::WithParamInterface<LifeCase> {};

TEST_P(LifeOnTheSurface, CitiesAndShipsOnlyOverRuralAndBeyond) {
    planet().Surface = static_cast<std::uint8_t>(GetParam().Surface);
    planet().Lifeform = static_cast<std::uint8_t>(GetParam().Lifeform);
    ASSERT_TRUE(Land().Done);
    const TSurface& s = game.Session().Surface;
    EXPECT_EQ(s.Cities[0].Visible, GetParam().Cities);
    EXPECT_EQ(s.ShipsPass, GetParam().Ships);
    EXPECT_EQ(game.Clock.TimerRunning(TTimer::StarFlight), GetParam().Ships);
    for (std::size_t i = 1; i < s.Cities.size(); ++i)
        if (s.Cities[i].Visible) {
            EXPECT_NE(s.Cities[i].Picture, s.Cities[i - 1].Picture);
        }
}

INSTANTIATE_TEST_SUITE_P(Landing, LifeOnTheSurface,
                         ::testing::Values(LifeCase{"Rural", 4, 4, true, true},
                                           LifeCase{"Animalistic", 4, 3, false, false},
                                           LifeCase{"BarrenIndustry", 1, 5, false, true}),
                         [](const auto& testInfo) { return std::string(testInfo.param.Name); });

TEST_F(Surface, TheFirstLandingDecidesTheMirroringForGood) {
    Land();
    const int mirror = planet().SurfaceMirror;
    ASSERT_TRUE(mirror == 1 || mirror == 2);
    for (int i = 0; i < 20; ++i) {
        LeaveSurface(Ctx());
        Land();
        EXPECT_EQ(planet().SurfaceMirror, mirror);
        EXPECT_EQ(game.Session().Surface.Mirrored, mirror == 1);
    }
}

TEST_F(Surface, AFullHoldRefusesTheArtefactAndLeavesItLying) {
    planet().Artefact = 12;
    World().Captain.Storage = 1;
    World().Captain.StorageCapacity = 3;
    World().Cargo = {{"a", 1}, {"b", 2}};
    World().Transport = {{"Far", "10", 0}};
    Land();
    EXPECT_FALSE(PickUpArtefact(Ctx()).Done);
    EXPECT_EQ(game.Window.InfoText, "Sorry, you need more storage capacity to load this item.");
    EXPECT_EQ(planet().Artefact, 12);
    EXPECT_TRUE(game.Session().Surface.Artefact.Visible);
}

TEST_F(Surface, OnlyAnOrderedArtefactBringsTheOrderMessage) {
    World().Captain.StorageCapacity = 9;
    World().Cargo.clear();
    for (int n : {World().FindIdx[2], World().FindIdx[2] == 1 ? 2 : 1}) {
        game.Messages.Shown.clear();
        planet().Artefact = static_cast<std::uint8_t>(n);
        Land();
        ASSERT_TRUE(PickUpArtefact(Ctx()).Done);
        EXPECT_EQ(World().Cargo.back().StateIndex, n);
        EXPECT_EQ(planet().Artefact, 0);
        const bool ordered = n == World().FindIdx[2];
        EXPECT_EQ(game.Messages.Shown.size(), ordered ? 1u : 0u);
        LeaveSurface(Ctx());
    }
}

TEST_F(Surface, PowerPackEnergyIsCappedButTheMessageSaysWhatWasDrawn) {
    // Packs until one gives energy: the full amount is named even at the cap.
    bool seen = false;
    for (int i = 0; i < 200 && !seen; ++i) {
        planet().PowerUp = 1;
        World().Captain.Energy = 95;
        const int budget = World().Captain.Budget;
        Land();
        game.Messages.Shown.clear();
        ASSERT_TRUE(TakePowerPack(Ctx()).Done);
        EXPECT_EQ(planet().PowerUp, 0);
        const std::string& text = game.Messages.Shown.at(0);
        if (World().Captain.Budget == budget) {
            EXPECT_EQ(World().Captain.Energy, 100);
            const int amount = std::stoi(text.substr(text.find("got ") + 4));
            EXPECT_GE(amount, 10);
            seen = amount > 5;
        }
        LeaveSurface(Ctx());
    }
    EXPECT_TRUE(seen);
}

TEST_F(Surface, AModuleStaysWithTheCaptainAndIsFoundNowhereElse) {
    World().AlienModules[2] = {static_cast<std::int8_t>(World().CurrentSector),
                               static_cast<std::uint8_t>(World().CurrentSystem), 0};
    Land();
    ASSERT_TRUE(game.Session().Surface.Module.Visible);
    ASSERT_TRUE(TakeAlienModule(Ctx()).Done);
    EXPECT_TRUE(World().Captain.Module2);
    EXPECT_EQ(World().AlienModules[2].System, 0);
    LeaveSurface(Ctx());
    Land();
    EXPECT_FALSE(game.Session().Surface.Module.Visible);
}

class Filters : public EngineTest {};

TEST_F(Filters, ReachHidesAnExactCostAndAnotherClickShowsEverything) {
    World().Captain.Module3 = true;
    World().Captain.Module4 = true;
    World().Captain.Energy = 8;
    const int exact = Other();
    PlaceAt(exact, 30, 0); // 15 light years: cost 8, nothing to spare
    ASSERT_TRUE(ToggleModuleFilter(Ctx(), 3).Done);
    EXPECT_TRUE(game.Session().MarkerHidden(exact));
    EXPECT_FALSE(game.Session().MarkerHidden(World().CurrentSystem)) << "8 - 4 leaves some to spare here";
    SelectSystem(Ctx(), exact);
    EXPECT_TRUE(FlyToSystem(Ctx(), exact).Done) << "yet the flight itself is admitted";
    game.FinishPassage();
    ShowSectorMap(Ctx(), false);
    EXPECT_FALSE(game.Session().FilterOn(3)) << "the map shows everything again";

    ToggleModuleFilter(Ctx(), 3);
    ToggleModuleFilter(Ctx(), 3);
    EXPECT_FALSE(game.Session().FilterOn(3));
    EXPECT_TRUE(game.Session().HiddenMarkers.none());

    ToggleModuleFilter(Ctx(), 3);
    ToggleModuleFilter(Ctx(), 4);
    EXPECT_FALSE(game.Session().FilterOn(3));
    EXPECT_TRUE(game.Session().FilterOn(4));
    for (int k = 1; k <= kSystemsPerSector; ++k) {
        const auto& planets = World().System(World().CurrentSector, k).Planets;
        const bool pack =
            std::any_of(planets.begin(), planets.end(), [](const TPlanet& p) { return p.PowerUp == 1; });
        EXPECT_EQ(game.Session().MarkerHidden(k), !pack && k != World().CurrentSystem) << k;
    }
    EXPECT_FALSE(ToggleModuleFilter(Ctx(), 1).Done) << "module 1 is not aboard";
}

} // namespace
} // namespace veltrane::test
