#pragma once

// A seeded game on the headless ports with the built-in texts, and a few
// builders for the situations rule tests need.

#include "game/Headless.h"

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
    // Another system than the current one.
    int Other() { return game.World().CurrentSystem == 1 ? 2 : 1; }

    THeadlessGame game;
};

} // namespace veltrane::test
