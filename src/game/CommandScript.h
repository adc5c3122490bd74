#pragma once

// Plays a game from text commands, one a line, the way a player's clicks
// would: "select 12", "fly 12", "scan", "land 0", "pickup" … Each command
// answers "ok: " or "refused: " with the info line it left, then one
// "message: " line per message window it raised.

#include "core/Result.h"
#include "game/Headless.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrane {

class TCommandScript {
  public:
    // `userFolder` holds the "Games" folder that "save" and "load" use (with a
    // trailing "/"); empty: those commands are refused.
    explicit TCommandScript(THeadlessGame& game, std::string userFolder = {})
        : game_(game), userFolder_(std::move(userFolder)) {}

    // The output lines of one command line; blank lines and "#" comments give
    // none. A line that is not a command is an error.
    Result<std::vector<std::string>> Execute(std::string_view line);

    // The commands and what they take, for usage texts.
    static const char* Help();

  private:
    TOutcome Run(const std::string& command, const std::vector<int>& args, bool& known);
    TOutcome RunCity(const std::string& command, const std::vector<int>& args, bool& known);
    TOutcome RunFiles(const std::string& command, const std::vector<int>& args, bool& known);

    THeadlessGame& game_;
    std::string userFolder_;
    std::string name_; // of "buy", "save" and "load"
    bool all_ = false; // "sell all"
};

} // namespace veltrane
