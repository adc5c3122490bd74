#pragma once

// A seeded game on the headless ports with the built-in texts, and a few
// builders for the situations rule tests need.

#include "game/City.h"
#include "game/Headless.h"
#include "game/Landing.h"
#include "game/Scanning.h"
#include "game/Views.h"

#include <gtest/gtest.h>

namespace veltrane::test {

class EngineTest : public ::testing::Test {
  protected:
    explicit EngineTest(std::uint64_t seed = 1234) : game(seed, nullptr) {}
    void SetUp() override { ASSERT_TRUE(game.NewGame().ok()); }

    TContext& Ctx() { return game.Ctx(); }
    TGameState& World() { return game.World(); }
    TSystem& Here() { return World().Here(); }

    // Puts system k of the current sector `dx`, `dy` pixels away from the current one.
    void PlaceAt(int k, int dx, int dy) {
        TSystem& system = World().System(World().CurrentSector, k);
        system.PosX = Here().PosX + dx;
        system.PosY = Here().PosY + dy;
    }
    // The current system scanned down to one planet of `surface` and `lifeform`.
    TPlanet& OnePlanetHere(int surface, int lifeform) {
        ShowSystemView(Ctx());
        ScanSystem(Ctx());
        Here().Planets.resize(1);
        TPlanet& p = Here().Planets[0];
        p.Surface = static_cast<std::uint8_t>(surface);
        p.Lifeform = static_cast<std::uint8_t>(lifeform);
        return p;
    }
    // Another system than the current one.
    int Other() { return game.World().CurrentSystem == 1 ? 2 : 1; }

    THeadlessGame game;
};

// A capital of planet 0 in the current system, entered.
class InTheCity : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        TPlanet& p = OnePlanetHere(4, 5);
        p.Cities.resize(2);
        p.Cities[0].Size = 1;
        p.Cities[1].Size = 2;
        p.Cities[0].EconomyKind = 2;
        p.Cities[0].PriceFactor = 0.5;
        ASSERT_TRUE(LandOnPlanet(Ctx(), 0).Done);
    }
    TOutcome Enter() { return EnterCity(Ctx(), 0); }
    TCityVisit& Visit() { return game.Session().Visit; }
};

} // namespace veltrane::test
