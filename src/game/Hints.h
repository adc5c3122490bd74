#pragma once

// First-time hints: at each new step of a newcomer's first game (the first
// arrival, scan, landing, artefact, city...) one short tip in the info line.
// A hint is the player's, not the game's: once seen it stays seen in every
// later game, so a veteran is not told again what he knows. They can be
// switched off altogether. Hints change nothing of the game: they are worked
// out from what a command changed, after it ran.

#include "core/World.h"
#include "game/Command.h"
#include "game/Ports.h"
#include "game/Session.h"
#include "lang/TextSource.h"

#include <optional>
#include <string>
#include <vector>

namespace veltrane {

// In order of urgency: where one command brings several, the first is shown
// and the others wait for their step to come again.
enum class THint {
    LowEnergy,
    Artefact,
    Arrival,
    Scan,
    Landing,
    City,
    Headquarter,
    Transport,
    Hyperdrive,
    Flight,
    Map,
};

// The name a hint is remembered by in the settings ("Scan").
const char* HintName(THint hint);
// The hint's text from the script, with its prefix ("Tip: Press Scan...").
std::string HintText(const ITextSource& script, THint hint);

// What the hints watch, before and after a command.
struct THintSnapshot {
    TView View = TView::Sector1;
    TPassage Passage = TPassage::None;
    bool StartupDone = false;
    int Sector = 0;
    int System = 0;
    int ScannedHere = 0;
    int Cargo = 0;
    int Transport = 0;
    int Energy = 0;
    int Hyperdrive = 0;
    bool HeadquarterHere = false;
};

THintSnapshot TakeHintSnapshot(const TSession& session);

// Energy below this many percent is low.
inline constexpr int kLowEnergy = 30;

// The steps a command took, most urgent first. A command that replaces the
// game (a new or loaded one) takes none.
std::vector<THint> StepsTaken(TCommandKind kind, const THintSnapshot& before, const THintSnapshot& after);

// The hint to show after such steps: the first one the player has not seen,
// or none when hints are off. It counts as seen from here on.
std::optional<THint> TakeHint(TGameOptions& options, const std::vector<THint>& steps);

// The info line with the hint: after what the command itself wrote, in its
// colour, or alone in white when the command wrote nothing.
struct TInfoLine {
    std::string Text;
    TColor Colour = kWhite;
};
TInfoLine WithHint(const std::optional<TInfoLine>& written, const std::string& hint);

} // namespace veltrane
