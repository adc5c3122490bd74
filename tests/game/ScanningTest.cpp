#include "EngineFixture.h"

#include "game/Scanning.h"
#include "game/Views.h"

#include <set>

namespace veltrane::test {
namespace {

struct ColourCase {
    int Highest;
    TColor Colour;
};

class MarkerColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(MarkerColour, ByTheHighestLifeForm) {
    EXPECT_EQ(LifeformColor(GetParam().Highest), GetParam().Colour);
}

INSTANTIATE_TEST_SUITE_P(Scanning, MarkerColour,
                         ::testing::Values(ColourCase{0, 0xC0C0C0}, ColourCase{1, 0xC0C0C0},
                                           ColourCase{2, 0x00FF00}, ColourCase{3, 0xFF00FF},
                                           ColourCase{4, 0x800080}, ColourCase{5, 0x0000FF},
                                           ColourCase{6, 0x00FFFF}, ColourCase{7, 0xC0C0C0}));

class Scan : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ShowSystemView(Ctx());
    }
};

TEST_F(Scan, BarrenAndGasPlanetsHaveNoLifeAndTurnTheMarkerSilver) {
    Here().Planets.resize(2);
    Here().Planets[0].Surface = 1;
    Here().Planets[1].Surface = kGasSurface;
    for (TPlanet& p : Here().Planets)
        p.Scanned = false, p.AlienRace = 0;
    ScanSystem(Ctx());
    for (const TPlanet& p : Here().Planets) {
        EXPECT_EQ(p.Lifeform, 1);
        EXPECT_EQ(p.AlienRace, 0);
    }
    EXPECT_EQ(Here().ShapeColor, 0xC0C0C0u);
}

TEST_F(Scan, ScannerThreeReportsEveryPlanetWithAnArtefact) {
    World().Captain.Scanner = 3;
    Here().Planets.resize(3);
    Here().Planets[0].Name = "Oru";
    Here().Planets[0].Artefact = 7;
    Here().Planets[1].Artefact = 0;
    Here().Planets[2].Name = "Tess";
    Here().Planets[2].Artefact = 9;
    EXPECT_EQ(ScanSystem(Ctx()).Text, "Scanning completed.   Artefact: On planet Oru Tess ");
    for (TPlanet& p : Here().Planets)
        p.Artefact = 0;
    EXPECT_EQ(ScanSystem(Ctx()).Text, "Scanning completed.   Artefact: None in this system.");
    World().Captain.Scanner = 2;
    EXPECT_EQ(ScanSystem(Ctx()).Text, "Scanning completed.   ");
}

TEST_F(Scan, AnimationStepsTheGaugeAndWaitsByScannerLevel) {
    World().Captain.Scanner = 2;
    game.Window.ScanProgress.clear();
    ScanSystem(Ctx());
    // 0, then 6 slots of 17 steps, then 100.
    ASSERT_EQ(game.Window.ScanProgress.size(), 104u);
    EXPECT_EQ(game.Window.ScanProgress.back(), 100);
    EXPECT_EQ(game.Clock.Waited, 102 * 15);
}

// The window stays live during the animation, so Scan can be pressed again inside it.
TEST_F(Scan, ASecondPressDuringTheAnimationRunsWhollyInsideTheFirst) {
    class PressingAgain : public TManualClock {
      public:
        void LiveWait(int) override {
            if (ctx && !pressed) {
                pressed = true;
                ScanSystem(*ctx);
            }
        }
        TContext* ctx = nullptr;
        bool pressed = false;
    } clock;
    TContext ctx{game.Session(), game.Tables(), Ctx().Script, game.Rng(),    game.Window,
                 game.Messages,  game.Sound,    clock,        game.Options()};
    clock.ctx = &ctx;
    ScanSystem(ctx);
    EXPECT_TRUE(clock.pressed);
    EXPECT_EQ(game.Session().ScansRunning, 0);
    EXPECT_EQ(game.Session().SystemSlotsBuilt, kMaxPlanets);
    EXPECT_EQ(game.Window.ScanProgress.back(), 100);
    for (const TPlanet& p : Here().Planets)
        EXPECT_TRUE(p.Scanned);
}

TEST_F(Scan, PlanetInfoHidesLifeAndArtefactsFromTheFirstScanner) {
    ScanSystem(Ctx());
    TPlanet& p = Here().Planets[0];
    p.Artefact = 0;
    World().Captain.Scanner = 1;
    EXPECT_EQ(ShowPlanetInfo(Ctx(), 0).Text,
              "Planet name: " + p.Name + "   Planet surface: " + SurfaceName(Ctx().Script, p.Surface) +
                  "   Lifeform on planet: ?   Artefact: ?");
    World().Captain.Scanner = 2;
    EXPECT_NE(ShowPlanetInfo(Ctx(), 0).Text.find("Artefact: None"), std::string::npos);
    EXPECT_FALSE(ShowPlanetInfo(Ctx(), 6).Done);
}

// Every system of every sector, over many galaxies: what a scan founds is within its ranges.
TEST(ScanInvariants, CitiesAreDistinctCapitalsNeverLastAndRescansChangeNothing) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        THeadlessGame game(seed, nullptr);
        ASSERT_TRUE(game.NewGame().ok());
        TGameState& world = game.World();
        for (int k = 1; k <= kSystemsPerSector; ++k) {
            world.CurrentSystem = k;
            ScanSystem(game.Ctx());
            const TSystem scanned = world.Here();
            std::set<int> pictures;
            int highest = 0;
            for (const TPlanet& p : scanned.Planets) {
                ASSERT_TRUE(p.Scanned);
                ASSERT_GE(p.Landscape, 1);
                ASSERT_LE(p.Landscape, 10);
                highest = std::max<int>(highest, p.Lifeform);
                int capitals = 0;
                for (std::size_t c = 0; c < p.Cities.size(); ++c) {
                    ASSERT_TRUE(pictures.insert(p.Cities[c].CityImage).second)
                        << "seed " << seed << " system " << k;
                    capitals += p.Cities[c].Size == 1 ? 1 : 0;
                    if (c + 1 == p.Cities.size()) {
                        EXPECT_NE(p.Cities[c].Size, 1);
                    }
                }
                EXPECT_EQ(capitals, 1);
            }
            EXPECT_EQ(scanned.ShapeColor, LifeformColor(highest));
            ScanSystem(game.Ctx());
            ASSERT_EQ(world.Here(), scanned) << "a second scan changed system " << k;
        }
    }
}

} // namespace
} // namespace veltrane::test
