#pragma once

// Plays a game from text commands, one a line, the way a player's clicks
// would: "select 12", "fly 12", "scan", "land 0", "pickup" … Each command
// answers "ok: " or "refused: " with the info line it left (or the reason it
// was refused), then one "message: " line per message window it raised.
//
// A script may use conveniences the window has no button for: "fly K" and
// "sector S" run on to the end of the passage, "wait S" ticks, "refuel P",
// "buy NODE", "sell" and "accept" open their panel, and the looks "status",
// "offers", "prices" and "shop" print what the player sees. Each runs as the
// window commands it stands for, so the journal holds only those. A journal
// itself is read exactly: every line one window command, nothing runs on.

#include "core/Result.h"
#include "game/Game.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

class TCommandScript {
  public:
    enum class TMode { Script, Journal };

    explicit TCommandScript(TGame& game, TMode mode = TMode::Script) : game_(game), mode_(mode) {}

    // The output lines of one line; blank lines and "#" comments give none. A
    // line that is not a command is an error.
    Result<std::vector<std::string>> Execute(std::string_view line);

  private:
    TCommandReport Run(const TCommand& command);
    // Runs `command` after `before` and adds its report to it; false once something was refused.
    bool Then(TCommandReport& before, const TCommand& command);
    // The wish panel of the city, opened from wherever the city's dialogue stands.
    bool OpenPanel(TCommandReport& report, TCityPanel panel, const char* wish);
    void RunOn(TCommandReport& report);
    std::vector<std::string> Look(TCommandKind kind) const;

    TGame& game_;
    TMode mode_;
};

} // namespace veltrane
