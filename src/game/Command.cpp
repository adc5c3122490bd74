#include "Command.h"

#include "core/World.h"

#include <charconv>
#include <limits>

namespace veltrane {

namespace {

enum class TShape {
    None,     // no arguments
    Number,   // exactly one number
    MaybeOne, // at most one number
    Rows,     // one or more rows from 1
    SellRows, // rows, or "all"
    Name,     // the rest of the line, or a quoted text
    Answer,   // yes or no
    Wish,     // sell, refuel, upgrade or transport
};

struct TSyntax {
    const char* Word;
    TCommandKind Kind;
    TShape Shape;
    int Low = 0;
    int High = 0;
    const char* Domain = "";
    bool Window = true;
};

constexpr int kAny = std::numeric_limits<int>::max();
constexpr int kMaxWaitSeconds = 86400;

// In the order the help lists them.
constexpr TSyntax kSyntax[] = {
    {"select", TCommandKind::Select, TShape::Number, 1, kSystemsPerSector,
     "system numbers run from 1 to 150"},
    {"fly", TCommandKind::Fly, TShape::Number, 1, kSystemsPerSector, "system numbers run from 1 to 150"},
    // Without a number: "Set course" with no system selected.
    {"course", TCommandKind::Course, TShape::MaybeOne, 1, kSystemsPerSector,
     "system numbers run from 1 to 150"},
    {"map", TCommandKind::Map, TShape::None},
    {"sun", TCommandKind::Sun, TShape::None},
    {"system", TCommandKind::System, TShape::None},
    {"order", TCommandKind::Order, TShape::None},
    {"sector", TCommandKind::Sector, TShape::MaybeOne, 1, kSectorCount, "sectors run from 1 to 4"},
    {"filter", TCommandKind::Filter, TShape::Number, 1, kModuleCount, "modules run from 1 to 4"},
    {"scan", TCommandKind::Scan, TShape::None},
    {"planet", TCommandKind::Planet, TShape::Number, 0, kAny, "planets count from 0"},
    {"land", TCommandKind::Land, TShape::Number, 0, kAny, "planets count from 0"},
    {"hq", TCommandKind::Hq, TShape::None},
    {"newgame", TCommandKind::NewGame, TShape::Answer},
    {"artefact", TCommandKind::Artefact, TShape::None},
    {"pickup", TCommandKind::Pickup, TShape::None},
    {"pack", TCommandKind::Pack, TShape::None},
    {"module", TCommandKind::Module, TShape::None},
    {"leave", TCommandKind::Leave, TShape::None},
    {"cityname", TCommandKind::CityName, TShape::Number, 0, kAny, "cities count from 0"},
    {"city", TCommandKind::City, TShape::Number, 0, kAny, "cities count from 0"},
    {"panel", TCommandKind::Panel, TShape::Wish},
    {"goback", TCommandKind::GoBack, TShape::None},
    {"back", TCommandKind::Back, TShape::None},
    {"cityinfo", TCommandKind::CityInfo, TShape::None},
    {"alieninfo", TCommandKind::AlienInfo, TShape::None},
    {"sell", TCommandKind::Sell, TShape::SellRows, 1, kAny, "rows count from 1"},
    {"slider", TCommandKind::Slider, TShape::Number, 0, 100, "the slider runs from 0 to 100"},
    {"fill", TCommandKind::Fill, TShape::None},
    {"install", TCommandKind::Install, TShape::MaybeOne, 1, 20, "upgrade nodes run from 1 to 20"},
    {"accept", TCommandKind::Accept, TShape::Rows, 1, kAny, "rows count from 1"},
    {"cargo", TCommandKind::Cargo, TShape::MaybeOne, 1, kAny, "rows count from 1"},
    {"tick", TCommandKind::Tick, TShape::None},
    {"options", TCommandKind::Options, TShape::None},
    {"save", TCommandKind::Save, TShape::Name},
    {"load", TCommandKind::Load, TShape::Name},
    {"delete", TCommandKind::Delete, TShape::Name},
    {"captain", TCommandKind::Captain, TShape::Name},
    {"portrait", TCommandKind::Portrait, TShape::Number, 1, 4, "portraits run from 1 to 4"},
    {"events", TCommandKind::Events, TShape::Number, 0, 100, "the rarity of events runs from 0 to 100"},
    {"language", TCommandKind::Language, TShape::Name},
    {"quit", TCommandKind::Quit, TShape::None},
    {"wait", TCommandKind::Wait, TShape::Number, 0, kMaxWaitSeconds, "wait takes 0 to 86400 seconds", false},
    {"refuel", TCommandKind::Refuel, TShape::Number, 0, 100, "refuel takes 0 to 100 percent", false},
    {"buy", TCommandKind::Buy, TShape::Name, 0, 0, "", false},
    {"status", TCommandKind::Status, TShape::None, 0, 0, "", false},
    {"offers", TCommandKind::Offers, TShape::None, 0, 0, "", false},
    {"prices", TCommandKind::Prices, TShape::None, 0, 0, "", false},
    {"shop", TCommandKind::Shop, TShape::None, 0, 0, "", false},
};

constexpr const char* kWishes[] = {"sell", "refuel", "upgrade", "transport"};

const TSyntax* SyntaxOf(std::string_view word) {
    for (const TSyntax& s : kSyntax)
        if (word == s.Word)
            return &s;
    return nullptr;
}

const TSyntax& SyntaxOf(TCommandKind kind) {
    for (const TSyntax& s : kSyntax)
        if (s.Kind == kind)
            return s;
    return kSyntax[0];
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A quoted name: "\"", "\\", "\n", "\r", "\t" and "\xHH" escapes. Answers the
// name and what follows the closing quote.
Result<std::pair<std::string, std::string_view>> Unquote(std::string_view s) {
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"')
            return std::pair<std::string, std::string_view>{out, s.substr(i + 1)};
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= s.size())
            break;
        switch (s[i]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x': {
            unsigned value = 0;
            if (i + 2 >= s.size() ||
                std::from_chars(s.data() + i + 1, s.data() + i + 3, value, 16).ptr != s.data() + i + 3)
                return Error{"\"\\x\" takes two hexadecimal digits"};
            out += static_cast<char>(value);
            i += 2;
            break;
        }
        default:
            out += s[i];
        }
    }
    return Error{"a quoted name has no closing quote"};
}

bool NeedsQuotes(const std::string& name) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back()))
        return true;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '#' || c == '"' || c == '\\' || u < 0x20 || u == 0x7F)
            return true;
    }
    return false;
}

std::string Quote(const std::string& name) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

Result<int> Number(std::string_view word, const TSyntax& syntax) {
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size())
        return Error{InQuotes(word) + " is not a whole number"};
    if (value < syntax.Low || value > syntax.High)
        return Error{syntax.Domain};
    return value;
}

std::string WithoutComment(std::string_view s) {
    const auto hash = s.find('#');
    return std::string(Trim(s.substr(0, hash)));
}

} // namespace

Result<std::optional<TCommand>> ParseCommandLine(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == '#')
        return std::optional<TCommand>{};
    std::size_t wordEnd = 0;
    while (wordEnd < line.size() && !IsBlank(line[wordEnd]) && line[wordEnd] != '#')
        ++wordEnd;
    const std::string_view word = line.substr(0, wordEnd);
    const TSyntax* syntax = SyntaxOf(word);
    if (!syntax)
        return Error{"unknown command " + InQuotes(word) + " (commands: " + CommandHelp() + ")"};
    const std::string_view rest = Trim(line.substr(wordEnd));
    TCommand command;
    command.Kind = syntax->Kind;
    const std::string what = InQuotes(word);

    if (syntax->Shape == TShape::Name) {
        if (!rest.empty() && rest.front() == '"') {
            auto quoted = Unquote(rest);
            if (!quoted)
                return quoted.error();
            if (!WithoutComment(quoted->second).empty())
                return Error{what + " takes one name"};
            command.Name = std::move(quoted->first);
        } else {
            command.Name = WithoutComment(rest);
            // Only a quoted name may be empty (a captain without a name).
            if (command.Name.empty())
                return Error{what + " takes a name"};
        }
        return std::optional<TCommand>{std::move(command)};
    }

    std::vector<std::string_view> words;
    const std::string args = WithoutComment(rest);
    std::string_view left = args;
    while (!(left = Trim(left)).empty()) {
        std::size_t end = 0;
        while (end < left.size() && !IsBlank(left[end]))
            ++end;
        words.push_back(left.substr(0, end));
        left.remove_prefix(end);
    }

    switch (syntax->Shape) {
    case TShape::None:
        if (!words.empty())
            return Error{what + " takes nothing"};
        break;
    case TShape::Answer:
    case TShape::Wish: {
        const bool answer = syntax->Shape == TShape::Answer;
        bool known = false;
        if (words.size() == 1) {
            if (answer)
                known = words[0] == "yes" || words[0] == "no";
            else
                for (const char* wish : kWishes)
                    known = known || words[0] == wish;
        }
        if (!known)
            return Error{what + (answer ? " takes yes or no" : " takes sell, refuel, upgrade or transport")};
        command.Name = std::string(words[0]);
        break;
    }
    case TShape::Number:
    case TShape::MaybeOne:
        if (words.size() > 1 || (words.empty() && syntax->Shape == TShape::Number))
            return Error{what + " takes one number"};
        for (const std::string_view w : words) {
            auto n = Number(w, *syntax);
            if (!n)
                return Error{what + ": " + n.error().message};
            command.Numbers.push_back(*n);
        }
        break;
    case TShape::Rows:
    case TShape::SellRows:
        for (const std::string_view w : words) {
            if (w == "all" && syntax->Shape == TShape::SellRows) {
                command.All = true;
                continue;
            }
            auto n = Number(w, *syntax);
            if (!n)
                return Error{what + ": " + n.error().message};
            command.Numbers.push_back(*n);
        }
        // No rows at all is a click with nothing selected, which the game answers.
        break;
    case TShape::Name:
        break;
    }
    return std::optional<TCommand>{std::move(command)};
}

Result<TCommand> ParseCommand(std::string_view line) {
    auto parsed = ParseCommandLine(line);
    if (!parsed)
        return parsed.error();
    if (!*parsed)
        return Error{"no command in " + InQuotes(line)};
    return std::move(**parsed);
}

std::string PrintCommand(const TCommand& command) {
    const TSyntax& syntax = SyntaxOf(command.Kind);
    std::string text = syntax.Word;
    if (syntax.Shape == TShape::Name)
        return text + " " + (NeedsQuotes(command.Name) ? Quote(command.Name) : command.Name);
    if (syntax.Shape == TShape::Answer || syntax.Shape == TShape::Wish)
        return text + " " + command.Name;
    for (const int n : command.Numbers) {
        text += ' ';
        text += std::to_string(n);
    }
    if (command.All)
        text += " all";
    return text;
}

std::string InQuotes(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

bool IsWindowCommand(TCommandKind kind) {
    return SyntaxOf(kind).Window;
}

const char* CommandHelp() {
    return "select K | fly K | course K | map | sun | system | order | sector [S] | filter M | scan | planet "
           "P | "
           "land P | hq | newgame yes|no | artefact | pickup | pack | module | leave | cityname C | city C | "
           "panel sell|refuel|upgrade|transport | goback | back | cityinfo | alieninfo | sell R... | sell "
           "all | "
           "slider P | fill | install [N] | accept R... | cargo [R] | tick | options | save NAME | load NAME "
           "| "
           "delete NAME | captain NAME | portrait N | events N | language FILE | quit | wait S | refuel P | "
           "buy NODE | status | offers | prices | shop "
           "(K system 1-150, P planet and C city from 0 as in the saved game, R list rows and N nodes from "
           "1; "
           "a NAME may be quoted)";
}

} // namespace veltrane
