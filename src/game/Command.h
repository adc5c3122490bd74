#pragma once

// The one language of player actions. Every click of the window and every
// line of a command script is a command value: a kind and its arguments. The
// game object executes it and answers done or refused; the journal records it
// in its text form, which is also what "veltrane-tool play" reads.

#include "core/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

enum class TCommandKind {
    // Time
    Tick, // one second of the main timer
    // The sector map and the command panel
    Select,    // select K: a press on marker K
    Fly,       // fly K: a double click on marker K
    Course,    // course K: the navigator's "Set course"
    Filter,    // filter M: the picture of alien module M
    Map,       // the map button
    Sun,       // a click on the sun (or empty space) of the system page
    System,    // the system button
    Order,     // the order button
    Sector,    // sector: the button; sector S: the sector chosen
    Scan,      // the system page
    Planet,    // planet P: a click on planet P
    Land,      // land P: a double click on planet P
    Hq,        // a double click on the SERO ship
    NewGame,   // newgame yes|no: the answer to "play a new game?"
    Artefact,  // the surface: a click on the artefact
    Pickup,    // a double click on the artefact
    Pack,      // a double click on the power pack
    Module,    // a click on the alien module
    Leave,     // a double click on the landscape
    CityName,  // cityname C: a click on city C
    City,      // city C: a double click on city C
    Panel,     // panel sell|refuel|upgrade|transport: a wish of the city's main panel
    GoBack,    // "Go back" on a wish panel
    Back,      // "I would like to leave"
    CityInfo,  // the city info button
    AlienInfo, // the alien info button
    Sell,      // sell R…: the selected rows of the sell list
    Slider,    // slider P: the refuel slider moved to P
    Fill,      // "Fill energy"
    Install,   // install [N]: the upgrade node N selected (from 1, tree order)
    Accept,    // accept R…: the selected transport offers
    Cargo,     // cargo [R]: a click on the cargo list, row R selected
    // The options dialog and the window
    Options,  // the options dialog closed, and what follows it
    Save,     // save NAME
    Load,     // load NAME (a game name or a file name of the games folder)
    Delete,   // delete NAME
    Captain,  // captain NAME
    Portrait, // portrait N
    Events,   // events N: the random-event rarity
    Language, // language FILE
    Quit,     // the program closes
    // Only in scripts: composites of the commands above, and looks that change nothing
    Wait,   // wait S: S ticks
    Refuel, // refuel P: panel refuel, slider P, fill
    Buy,    // buy NODE: panel upgrade, install the node of that name
    Status, // the status display
    Offers, // the transport offers of the city
    Prices, // the sell list with its prices
    Shop,   // the upgrade shop
};

// The panels a city's main panel leads to.
enum class TWish { Sell, Refuel, Upgrade, Transport };

struct TCommand {
    TCommandKind Kind = TCommandKind::Tick;
    std::vector<int> Numbers; // systems from 1, planets and cities from 0, rows and nodes from 1
    std::string Name;         // save, load, delete, captain, language, buy; "yes"/"no"; the wish
    bool All = false;         // "sell all"

    bool operator==(const TCommand&) const = default;
};

inline TCommand MakeCommand(TCommandKind kind, std::vector<int> numbers = {}, std::string name = {}) {
    return TCommand{kind, std::move(numbers), std::move(name), false};
}

// One line of text as a command; a blank line or a comment ("#" at the start
// or after a blank) gives nothing. An unknown command is named as such before
// its arguments are read.
Result<std::optional<TCommand>> ParseCommandLine(std::string_view line);
// The same for a line that must hold exactly one command.
Result<TCommand> ParseCommand(std::string_view line);
// The text form ParseCommand reads back to the same command.
std::string PrintCommand(const TCommand& command);

// Commands the window sends; the rest exist only in scripts.
bool IsWindowCommand(TCommandKind kind);

// `text` between double quotes, for messages about commands.
std::string InQuotes(std::string_view text);

// The commands and what they take, for usage texts.
const char* CommandHelp();

} // namespace veltrane
