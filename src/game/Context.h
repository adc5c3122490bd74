#pragma once

// Everything a rule works with, handed in as one bundle: the session, the
// content tables, the language script, the game's random generator and the
// ports to the window, the dialogs, the sound and the clock.

#include "core/ContentTables.h"
#include "core/Random.h"
#include "core/World.h"
#include "game/Ports.h"
#include "game/Session.h"
#include "lang/TextSource.h"

#include <functional>
#include <string>
#include <utility>

namespace veltrane {

// Sizes of the window that the rules place things by.
struct TLayout {
    int PageWidth = 817; // every page of the main area
    int PageHeight = 450;
    int LeftBarHeight = 454; // the storage bar beside the main area
};

struct TContext {
    TSession& Session;
    TContentTables& Tables;
    const ITextSource& Script;
    TRandom& Rng;
    IWindowPort& Window;
    IMessagePort& Messages;
    ISoundPort& Sound;
    ITimePort& Time;
    const TGameOptions& Options;
    TLayout Layout{};
    // Keeps the running game as the autosave; empty where nobody keeps one.
    std::function<void()> AutosaveNow{};

    TGameState& World() const { return Session.World; }
};

// What a player action came to: done, or refused with the text shown for it.
struct TOutcome {
    bool Done = true;
    std::string Text;

    static TOutcome Ok(std::string text = {}) { return {true, std::move(text)}; }
    static TOutcome Refused(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return Done; }
};

// Planet p of the current system, or nullptr when it has no such planet.
TPlanet* PlanetHere(TContext& ctx, int p);
// The planet landed on last, if the current system has it.
inline TPlanet* PlanetLandedOn(TContext& ctx) {
    return PlanetHere(ctx, ctx.Session.CurrentPlanet);
}

// Shows `text` in red with "bad.wav" and answers the refusal.
TOutcome Refuse(TContext& ctx, std::string text);
// Shows in the info line, in red and without a sound, why a button changed
// nothing, and answers the refusal. For answers the city's person gives as
// well: the person speaks, the info line keeps it in view.
TOutcome Explain(TContext& ctx, std::string text);
// Shows `text` in green with "good.wav".
void Congratulate(TContext& ctx, const std::string& text);
// The derived values of the captain (the hold's capacity), then the window's status display.
void RefreshStatus(TContext& ctx);

} // namespace veltrane
