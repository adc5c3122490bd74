#pragma once

// Saved games compared as bytes, and the game without a window on the shipped
// script: what the differential tests hold the window against.

#include "game/Game.h"
#include "lang/ContentLoader.h"
#include "lang/ScriptLookup.h"
#include "persist/SavedGame.h"

#include <memory>
#include <sstream>
#include <string>

namespace veltrane::test {

inline std::string SavedBytes(const TGame& game) {
    return WriteGameIni(game.WorldForSaving(), "Compared").Serialize();
}

// The first line where two saved games differ. Not EXPECT_EQ on the whole
// texts: gtest's diff of two saved games would take gigabytes.
inline std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string left, right;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(a, left));
        const bool moreRight = static_cast<bool>(std::getline(b, right));
        if (!moreLeft && !moreRight)
            return "no line differs";
        if (left != right || moreLeft != moreRight)
            return "line " + std::to_string(line) + ": \"" + left + "\" against \"" + right + "\"";
    }
}

// The shipped pictures' folder and script, as the window reads them.
inline TGameSetup ShippedGameSetup(const std::string& userFolder = {}) {
    TGameSetup setup;
    setup.ProgramFolder = VELTRANE_PROGRAM_DIR "/";
    setup.UserFolder = userFolder;
    setup.OpenScript = [](const std::string& path) -> std::shared_ptr<const ITextSource> {
        return std::make_shared<TScriptFile>(path);
    };
    setup.LoadContent = [](const ITextSource& script, TGameState& world, TContentTables& tables,
                           TRandom& rng) { return LoadContentTables(script, world, tables, rng); };
    return setup;
}

} // namespace veltrane::test
