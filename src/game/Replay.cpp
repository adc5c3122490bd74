#include "game/Replay.h"

#include "game/CommandScript.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

namespace veltrane {

namespace {

Error AtLine(int number, const std::string& message) {
    return Error{"line " + std::to_string(number) + ": " + message};
}

} // namespace

std::optional<std::uint64_t> ParseWholeNumber(std::string_view text) {
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

Result<TJournalStart> ParseJournalStart(std::string_view line) {
    TJournalStart start;
    std::string_view rest = line.substr(std::min(line.size(), std::string_view("start ").size()));
    if (rest.starts_with("load ")) {
        const auto sha = rest.rfind(" sha256 ");
        if (sha == std::string_view::npos)
            return Error{"the journal's start line gives no SHA-256 of its saved game"};
        // The file name may be quoted like any name of a command.
        auto named = ParseCommand(std::string("load ") + std::string(rest.substr(5, sha - 5)));
        if (!named)
            return Error{"the journal's start line names no saved game"};
        start.LoadedFile = named->Name;
        std::istringstream tail{std::string(rest.substr(sha + 8))};
        tail >> start.Sha256;
        rest = rest.substr(std::min(rest.size(), sha + 8 + start.Sha256.size() + 1));
    }
    if (!rest.starts_with("seed "))
        return Error{"the journal's start line has no seed"};
    const auto seed = ParseWholeNumber(rest.substr(5));
    if (!seed)
        return Error{"the journal's seed is not a whole number"};
    start.Seed = *seed;
    return start;
}

Status ReplayJournal(TGame& game, std::istream& journal, const std::string& savedGame,
                     const std::function<void(const std::string&)>& print) {
    std::string line;
    int number = 0;
    std::optional<TJournalStart> start;
    while (!start && std::getline(journal, line)) {
        ++number;
        if (line.starts_with("start ")) {
            auto parsed = ParseJournalStart(line);
            if (!parsed)
                return AtLine(number, parsed.error().message);
            start = *parsed;
            continue;
        }
        auto command = ParseCommandLine(line);
        if (!command)
            return AtLine(number, command.error().message);
        if (!*command)
            continue;
        if ((*command)->Kind == TCommandKind::Language)
            game.Options().Language = (*command)->Name;
        else if ((*command)->Kind == TCommandKind::Events)
            game.Options().RandomEvents = static_cast<std::uint8_t>((*command)->Numbers.front());
        else
            return AtLine(number, "the journal has no start line before it");
    }
    if (!start)
        return Error{"it holds no start line: it is not a journal"};
    if (!start->LoadedFile.empty() && savedGame.empty())
        return Error{"the journal starts from the saved game " + start->LoadedFile + ": give it with --in"};
    if (Status started = game.StartFrom(*start, savedGame); !started)
        return started;

    TCommandScript player(game, TCommandScript::TMode::Journal);
    while (std::getline(journal, line)) {
        ++number;
        auto lines = player.Execute(line);
        if (!lines)
            return AtLine(number, lines.error().message);
        if (print)
            for (const std::string& text : *lines)
                print(text);
    }
    return {};
}

} // namespace veltrane
