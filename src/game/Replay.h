#pragma once

// Plays a journal again. Its header sets the language and the random events,
// its start line begins the game (a new one from its seed, or the saved game
// handed in, checked against its SHA-256), and every further line is one
// window command, run exactly as written: nothing runs on by itself.

#include "core/Result.h"
#include "game/Game.h"

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// A seed or another whole number as a journal writes it; nothing when it is none.
std::optional<std::uint64_t> ParseWholeNumber(std::string_view text);

// "start seed N" or "start load FILE sha256 H seed N".
Result<TJournalStart> ParseJournalStart(std::string_view line);

// Replays `journal` into `game`, handing each output line to `print`. A line
// that is no command, or a journal that does not begin like one, is an error
// naming its line. `savedGame` is the file a journal started by a load needs.
Status ReplayJournal(TGame& game, std::istream& journal, const std::string& savedGame,
                     const std::function<void(const std::string&)>& print = {});

} // namespace veltrane
