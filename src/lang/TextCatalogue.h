#pragma once

// Every text the game looks up in a language script, in one place: where it
// lives (section, key), what is shown when the script lacks it, and what the
// text is formatted with. Program code looks texts up through these named
// entries, never through loose literals, and the script lint checks scripts
// against the same list.
//
// Script keys are compared without regard to case, so "Artefact" and
// "artefact" in Captions are one entry of a script even though the program
// asks for both.

#include "core/Result.h"
#include "lang/Format.h"
#include "lang/TextSource.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

enum class TArgKind : std::uint8_t { Int, Real, Str };

// What a text is formatted with. Empty: the text is shown as it stands.
class TArgList {
  public:
    static constexpr int kMax = 6;

    constexpr TArgList() = default;
    constexpr TArgList(std::initializer_list<TArgKind> kinds) {
        for (TArgKind k : kinds)
            if (count_ < kMax)
                kinds_[static_cast<std::size_t>(count_++)] = k;
    }

    constexpr int size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }
    constexpr TArgKind operator[](int i) const { return kinds_[static_cast<std::size_t>(i)]; }
    constexpr bool operator==(const TArgList& o) const {
        if (count_ != o.count_)
            return false;
        for (int i = 0; i < count_; ++i)
            if (kinds_[static_cast<std::size_t>(i)] != o.kinds_[static_cast<std::size_t>(i)])
                return false;
        return true;
    }

    // One plausible argument per kind, for checking a text without the game running.
    std::vector<FormatArg> Samples() const;
    // "none", "Int", "Str, Int", "6 x Str" — for messages to translators.
    std::string Describe() const;

  private:
    std::array<TArgKind, kMax> kinds_{};
    int count_ = 0;
};

inline constexpr TArgList kNoArgs{};
inline constexpr TArgList kOneInt{TArgKind::Int};
inline constexpr TArgList kOneStr{TArgKind::Str};
inline constexpr TArgList kSixStr{TArgKind::Str, TArgKind::Str, TArgKind::Str,
                                  TArgKind::Str, TArgKind::Str, TArgKind::Str};

// How a value must read beyond its placeholders.
enum class TValueSyntax : std::uint8_t {
    Plain,
    // "2|Rich": a class digit, a bar, the class name.
    ClassValue,
};

// One looked-up text with a fixed section and key.
struct TTextEntry {
    std::string_view Section;
    std::string_view Key;
    std::string_view Default; // ignored when KeyIsDefault
    TArgList Args;
    bool KeyIsDefault = false;
    TValueSyntax Syntax = TValueSyntax::Plain;

    constexpr std::string_view DefaultText() const { return KeyIsDefault ? Key : Default; }
};

// The key is its own built-in text.
constexpr TTextEntry KeyText(std::string_view section, std::string_view key, TArgList args = {}) {
    return TTextEntry{section, key, {}, args, true};
}
// An explicit built-in text.
constexpr TTextEntry DefText(std::string_view section, std::string_view key, std::string_view def,
                             TArgList args = {}) {
    return TTextEntry{section, key, def, args, false};
}

// A numbered text: section "Artefact" + n with key "Name", or section "Events"
// with key "Text" + n, and so on.
struct TTextFamily {
    std::string_view Section; // the prefix when SectionNumbered
    bool SectionNumbered = false;
    std::string_view Key; // the prefix when KeyNumbered
    bool KeyNumbered = false;
    int First = 1;
    int Last = 1;
    std::string_view Default;
    bool KeyIsDefault = false;
    TArgList Args;
    TValueSyntax Syntax = TValueSyntax::Plain;

    constexpr bool Contains(int n) const { return n >= First && n <= Last; }
};

// A catalogue text with its section and key spelled out (numbered ones expanded).
struct TText {
    std::string Name; // "AYS", "EventText[3]"
    std::string Section;
    std::string Key;
    std::string Default;
    TArgList Args;
    bool KeyIsDefault = false;
    TValueSyntax Syntax = TValueSyntax::Plain;

    static TText From(std::string_view name, const TTextEntry& e);
    static TText From(std::string_view name, const TTextFamily& f, int n);
};

// The raw text: the script's value, or the built-in default when absent.
std::string Lookup(const ITextSource& script, const TTextEntry& entry);
std::string Lookup(const ITextSource& script, const TTextFamily& family, int n);
std::string Lookup(const ITextSource& script, const TText& text);

// Looks up and fills the placeholders. A script text that does not fit its
// arguments is an error naming the section and key.
Result<std::string> FormatText(const ITextSource& script, const TTextEntry& entry,
                               const std::vector<FormatArg>& args);
Result<std::string> FormatText(const ITextSource& script, const TTextFamily& family, int n,
                               const std::vector<FormatArg>& args);

// For messages that must reach the player even when a translator broke the
// placeholders: a script text that does not fit falls back to the built-in
// text, which always does.
std::string FormatTextOrDefault(const ITextSource& script, const TTextEntry& entry,
                                const std::vector<FormatArg>& args);

// Every text of the catalogue, numbered families expanded, in catalogue order.
const std::vector<TText>& AllTexts();

// ---------------------------------------------------------------------------
// Translatable controls of the windows.

enum class TControlKind : std::uint8_t {
    Window,
    Label,
    Button,
    CheckBox,
    GroupBox,
    RadioGroup,
    Panel,
    Page,
    ListView,
    ListBox,
    Memo,
    Edit,
    Picture,
    Gauge,
    ScrollBar,
    TreeView,
};

// The properties a script may set, as bits.
enum TControlProp : std::uint8_t {
    kPropCaption = 1,
    kPropHint = 2,
    kPropItems = 4,
    kPropLines = 8,
    kPropColumns = 16,
};

struct TControlText {
    std::string_view Form;    // section: "FormMain", "FormOptions", "FormNavigator"
    std::string_view Control; // empty for the window itself (key "Caption")
    TControlKind Kind = TControlKind::Label;
    std::uint8_t Props = 0;
    std::string_view Caption; // design caption
    std::string_view Hint;    // design hint
    std::string_view Parts;   // design items, lines or column titles, comma-separated
    TArgList CaptionArgs;     // what the caption is formatted with after translation

    // How many items or columns the control has.
    int PartCount() const;
    bool Carries(TControlProp p) const { return (Props & p) != 0; }
};

// Every translatable control of the three translated windows, in design order.
const std::vector<TControlText>& AllControls();
// The control `name` of window `form` (both compared without regard to case), or nullptr.
const TControlText* FindControl(std::string_view form, std::string_view name);

// ---------------------------------------------------------------------------
// The named texts.

namespace texts {

// Captions whose key is the English text.
inline constexpr TTextEntry OK = KeyText("Captions", "OK");
inline constexpr TTextEntry Yes = KeyText("Captions", "Yes");
inline constexpr TTextEntry No = KeyText("Captions", "No");
inline constexpr TTextEntry InformationTitle = KeyText("Captions", "Information");
inline constexpr TTextEntry WarningTitle = KeyText("Captions", "Warnung");
inline constexpr TTextEntry Input = KeyText("Captions", "Input");
inline constexpr TTextEntry Confirmation = KeyText("Captions", "Confirmation");
inline constexpr TTextEntry Galaxy = KeyText("Captions", "Galaxy");
inline constexpr TTextEntry Sector = KeyText("Captions", "Sector");
inline constexpr TTextEntry System = KeyText("Captions", "System");
inline constexpr TTextEntry City = KeyText("Captions", "City");
inline constexpr TTextEntry ArtefactCaption = KeyText("Captions", "Artefact");
inline constexpr TTextEntry ArtefactWord = KeyText("Captions", "artefact");
inline constexpr TTextEntry ModuleWord = KeyText("Captions", "module");
inline constexpr TTextEntry Boxes = KeyText("Captions", "Boxes");
inline constexpr TTextEntry Passengers = KeyText("Captions", "Passengers");
inline constexpr TTextEntry Position = KeyText("Captions", "Position");
inline constexpr TTextEntry SystemName = KeyText("Captions", "System Name");
inline constexpr TTextEntry PlanetName = KeyText("Captions", "Planet name");
inline constexpr TTextEntry PlanetSurface = KeyText("Captions", "Planet surface");
inline constexpr TTextEntry LifeformOnPlanet = KeyText("Captions", "Lifeform on planet");
inline constexpr TTextEntry None = KeyText("Captions", "None");
inline constexpr TTextEntry Budget = KeyText("Captions", "Budget: %d G$", kOneInt);
inline constexpr TTextEntry YourCosts = KeyText("Captions", "Your costs: %d G$", kOneInt);
// Surface types 1-8 and life forms 2-6 (life form 1 reads "None").
inline constexpr TTextEntry Barren = KeyText("Captions", "Barren");
inline constexpr TTextEntry Corrugated = KeyText("Captions", "Corrugated");
inline constexpr TTextEntry Desert = KeyText("Captions", "Desert");
inline constexpr TTextEntry Terran = KeyText("Captions", "Terran");
inline constexpr TTextEntry Gas = KeyText("Captions", "Gas");
inline constexpr TTextEntry Icy = KeyText("Captions", "Icy");
inline constexpr TTextEntry Swampy = KeyText("Captions", "Swampy");
inline constexpr TTextEntry Tundra = KeyText("Captions", "Tundra");
inline constexpr TTextEntry Vegetable = KeyText("Captions", "Vegetable");
inline constexpr TTextEntry Animalistic = KeyText("Captions", "Animalistic");
inline constexpr TTextEntry Rural = KeyText("Captions", "Rural");
inline constexpr TTextEntry Industrial = KeyText("Captions", "Industrial");
inline constexpr TTextEntry Futuristic = KeyText("Captions", "Futuristic");

// Captions with an explicit English text.
inline constexpr TTextEntry NamePrompt = DefText("Captions", "Name", "Name:");
inline constexpr TTextEntry NameSave = DefText("Captions", "NameSave", "Name for game to save");
inline constexpr TTextEntry IncMsg = DefText("Captions", "IncMsg", "Incoming Message");
inline constexpr TTextEntry Information = DefText("Captions", "Information", "Information");
inline constexpr TTextEntry DistanceLY =
    DefText("Captions", "DistanceLY", "Distance: %d Lightyears", kOneInt);
inline constexpr TTextEntry AlienNameSuffix = DefText("Captions", "Alien name suffix", "???");

// Messages whose key is the English text.
inline constexpr TTextEntry Welcome = KeyText("Messages", "Welcome");
inline constexpr TTextEntry GoodLuck = KeyText("Messages", "Good luck!");
inline constexpr TTextEntry ScanningCompleted = KeyText("Messages", "Scanning completed.");

// Messages with an explicit English text.
inline constexpr TTextEntry Artefacts0 = DefText(
    "Messages", "0Artefacts",
    "You still have no artefacts found. Do not worry, sometimes they are very hidden. Just do not give up "
    "and try it again.");
inline constexpr TTextEntry Artefacts1 = DefText(
    "Messages", "1Artefact",
    "You already have 1 artefact found. Good start! If you go on this way, you will find the other ones "
    "soon.");
inline constexpr TTextEntry Artefacts2 = DefText(
    "Messages", "2Artefacts",
    "You already have 2 artefacts found. Well done! Seems that fortune flowers the bold again. Continue "
    "your search and you will soon be successful.");
inline constexpr TTextEntry Artefacts3 = DefText(
    "Messages", "3Artefacts",
    "You already have 3 artefacts found. Great job! You are going to be a professional. Continue this "
    "way and you will soon be complete.");
inline constexpr TTextEntry Artefacts4 =
    DefText("Messages", "4Artefacts",
            "Congratulation! You have found all 4 artefacts of your order! You did really a great work, I am "
            "glad having you in our organization. Thank you very much, Captain!");
inline constexpr TTextEntry AYS = DefText("Messages", "AYS", "Are you sure?");
inline constexpr TTextEntry AlreadyExists =
    DefText("Messages", "AlreadyExists", "%s already exists. Do you want to overwrite it?", kOneStr);
inline constexpr TTextEntry Arrived = DefText("Messages", "Arrived", "You arrived at system %s.", kOneStr);
inline constexpr TTextEntry ArtefactFound =
    DefText("Messages", "ArtefactFound", "Congratulation! You found artefact");
inline constexpr TTextEntry ArtefactOP = DefText("Messages", "ArtefactOP", "Artefact: On planet");
inline constexpr TTextEntry ArtefactPrices =
    DefText("Messages", "ArtefactPrices",
            "Here you see your artefacts and the prices we are ready to pay. Select the artefacts and then "
            "press the sell button.");
// The order text names where the headquarter is (system name, sector).
inline constexpr TTextEntry BringArtefacts =
    DefText("Messages", "BringArtefacts", "and bring them to SERO headquarter in system %s, sector %d.",
            {TArgKind::Str, TArgKind::Int});
// The same key shown without a place, as it stands.
inline constexpr TTextEntry BringArtefactsNoPlace =
    DefText("Messages", "BringArtefacts", "and bring them to SERO headquarter.");
inline constexpr TTextEntry ClickEnable =
    DefText("Messages", "ClickEnable", "Click to enable the effect, click again to disable it.");
inline constexpr TTextEntry EnergyComplete =
    DefText("Messages", "EnergyComplete", "The energy transfer to your cells is completed.");
inline constexpr TTextEntry FNotFound = DefText("Messages", "FNotFound", "File %s not found.", kOneStr);
inline constexpr TTextEntry FindArtefacts = DefText("Messages", "FindArtefacts", "Find artefacts");
inline constexpr TTextEntry FindPassengers =
    DefText("Messages", "FindPassengers",
            "Very good, sir. You will find your passengers and freight at our space port.");
// The built-in text keeps its historical spelling; the shipped scripts carry the corrected one.
inline constexpr TTextEntry FoundAlienModule =
    DefText("Messages", "FoundAlienModule", "Congratulations! You have found an ancient alien mdoule!");
inline constexpr TTextEntry FoundArtefact = DefText(
    "Messages", "FoundArtefact", "Congratulations! You have found one of the 4 artefacts of your order!");
inline constexpr TTextEntry FoundBudgetPowerpack =
    DefText("Messages", "FoundBudgetPowerpack",
            "Congratulations! You have found a powerpack and got %d G$ more budget.", kOneInt);
inline constexpr TTextEntry FoundEnergyPowerpack =
    DefText("Messages", "FoundEnergyPowerpack",
            "Congratulations! You have found a powerpack and got %d percent energy.", kOneInt);
inline constexpr TTextEntry GasLanding =
    DefText("Messages", "GasLanding", "Sorry, you cannot land on a gas planet.");
inline constexpr TTextEntry GotLatestVersion =
    DefText("Messages", "GotLatestVersion", "You got the latest version.");
inline constexpr TTextEntry HaveAlready =
    DefText("Messages", "HaveAlready",
            "Sorry sir, but you already have an item of the same or higher class installed.");
inline constexpr TTextEntry HiCaptain =
    DefText("Messages", "HiCaptain", "Hi Captain %s. Nice to see you again.", kOneStr);
inline constexpr TTextEntry HyperdriveLevel =
    DefText("Messages", "HyperdriveLevel",
            "Sorry, you need at least a hyperdrive of level %d for this sector.", kOneInt);
inline constexpr TTextEntry HypertransferFuel =
    DefText("Messages", "HypertransferFuel",
            "Sorry, you need at least %d percent fuel for the hyper transfer.", kOneInt);
inline constexpr TTextEntry LoadSuccess = DefText("Messages", "LoadSuccess", "Game was loaded successfully.");
// Texts of our own, beyond the game's historical ones.
inline constexpr TTextEntry InFlight = DefText("Messages", "InFlight", "The ship is in flight.");
inline constexpr TTextEntry NameEmpty =
    DefText("Messages", "NameEmpty", "Please give the game a name before saving it.");
inline constexpr TTextEntry Stranded =
    DefText("Messages", "Stranded",
            "Captain, the ship is stranded: no system lies within reach of the energy left, and nothing here "
            "can help. Open the options (F2) to load a saved game or to start a new one.");
inline constexpr TTextEntry MoreBudget =
    DefText("Messages", "MoreBudget", "Sorry Sir, but you need more budget.");
inline constexpr TTextEntry MoreEnergy =
    DefText("Messages", "MoreEnergy", "You need more energy for the distance of %d lightyears.", kOneInt);
inline constexpr TTextEntry MoreStorage =
    DefText("Messages", "MoreStorage", "Sorry, you need more storage capacity to load this item.");
inline constexpr TTextEntry MoreWishes =
    DefText("Messages", "MoreWishes", "Thank you, Sir. Any more wishes?");
inline constexpr TTextEntry NeedHyperdrive = DefText(
    "Messages", "NeedHyperdrive", "Sorry, you need a hyperdrive engine for changing to another sector.");
inline constexpr TTextEntry NewerVersion =
    DefText("Messages", "NewerVersion", "A newer version is available (%s). Do you want to download it now?",
            kOneStr);
inline constexpr TTextEntry NoArtefacts =
    DefText("Messages", "NoArtefacts", "Artefact: None in this system.");
inline constexpr TTextEntry NoConnection =
    DefText("Messages", "NoConnection", "Could not connect to the internet.");
inline constexpr TTextEntry NoSelection =
    DefText("Messages", "NoSelection", "Sorry, Sir, but you did not select anything.");
inline constexpr TTextEntry NoVariant =
    DefText("Messages", "NoVariant", "Sorry, Sir, but you need to specify the equipment variant.");
inline constexpr TTextEntry NowSector =
    DefText("Messages", "NowSector", "You are now in sector %d.", kOneInt);
inline constexpr TTextEntry OnlyCapitals =
    DefText("Messages", "OnlyCapitals",
            "Sorry, but you can only visit capital cities. Other cities do not have a space port.");
inline constexpr TTextEntry PickedUp =
    DefText("Messages", "PickedUp",
            "have been picked up. You got a payment of %d G$ for transport. Thank you, Captain!", kOneInt);
inline constexpr TTextEntry SelSec = DefText("Messages", "SelSec", "Please select sector");
inline constexpr TTextEntry StartNew = DefText("Messages", "StartNew", "Do you want to play a new game?");
inline constexpr TTextEntry TakeFuel =
    DefText("Messages", "TakeFuel",
            "Very good, Sir. Please take the slider to select how much you want to refuel. If your budget is "
            "smaller than your costs, you will only get the filling according to your budget.");
inline constexpr TTextEntry TellDirection = DefText(
    "Messages", "TellDirection",
    "Hint from a passenger: To find the %s you are looking for, you must move in the direction shown by "
    "the arrow.",
    kOneStr);
inline constexpr TTextEntry Treasures =
    DefText("Messages", "Treasures", "Thank you for selling these treasures to us. Any more wishes?");
inline constexpr TTextEntry Upgrade = DefText(
    "Messages", "Upgrade",
    "Fine, Sir. We can deliver the best products for your ship, which you can see at the right including "
    "prices in brackets. Please make your selection and press button \"Install item\".");
inline constexpr TTextEntry WelcomeCity =
    DefText("Messages", "WelcomeCity", "Welcome to %s City, Sir. What is your wish?", kOneStr);
inline constexpr TTextEntry WrongSector =
    DefText("Messages", "WrongSector", "Sorry sir, but this item can only be bought in sector %d.", kOneInt);

// Guidance on the map and to the headquarters: texts of our own, in a section of their own.
inline constexpr TArgList kStrInt{TArgKind::Str, TArgKind::Int};
inline constexpr TTextEntry MapDistance =
    DefText("Guidance", "MapDistance", "%s: %d light years from here", kStrInt);
inline constexpr TTextEntry MapHere = DefText("Guidance", "MapHere", "%s: you are here", kOneStr);
inline constexpr TTextEntry MapHeadquarter = DefText("Guidance", "MapHeadquarter", "SERO headquarters");
inline constexpr TTextEntry MapDestination =
    DefText("Guidance", "MapDestination", "Your passengers or freight are bound here");
inline constexpr TTextEntry SeroShipHint =
    DefText("Guidance", "SeroShipHint",
            "The ship of the SERO headquarters. Double-click it to go aboard and hand over the artefacts of "
            "your order.");
inline constexpr TTextEntry HeadquarterMoved = DefText(
    "Guidance", "HeadquarterMoved", "The SERO headquarters has moved on to system %s in sector %d.", kStrInt);
inline constexpr TTextEntry VisitHeadquarters = DefText(
    "Guidance", "VisitHeadquarters",
    "To visit the headquarters, fly to its system, open the system view and double-click the SERO ship.");
// The script's own name for its language, as the options dialog lists it;
// a script without one is listed by its file name.
inline constexpr TTextEntry LanguageName = DefText("Language", "Name", "");
// Counted nouns (see lang/Plural.h).
inline constexpr TTextEntry BoxesOne = DefText("Plurals", "Boxes.One", "%d freight box", kOneInt);
inline constexpr TTextEntry BoxesOther = DefText("Plurals", "Boxes.Other", "%d freight boxes", kOneInt);
inline constexpr TTextEntry PassengersOne = DefText("Plurals", "Passengers.One", "%d passenger", kOneInt);
inline constexpr TTextEntry PassengersOther =
    DefText("Plurals", "Passengers.Other", "%d passengers", kOneInt);
// Why a button changed nothing, for the info line.
inline constexpr TTextEntry EnergyFull =
    DefText("Feedback", "EnergyFull", "Your energy cells are full already, Captain.");
inline constexpr TTextEntry SliderAtZero =
    DefText("Feedback", "SliderAtZero", "Move the slider first to choose how much energy to buy.");
inline constexpr TTextEntry NothingToSell =
    DefText("Feedback", "NothingToSell", "Your hold carries no artefacts to sell.");
inline constexpr TTextEntry MapFirst =
    DefText("Feedback", "MapFirst", "Open the sector map first to change to another sector.");
inline constexpr TTextEntry NoGameSelected =
    DefText("Feedback", "NoGameSelected", "Please select a saved game in the list first.");
inline constexpr TTextEntry NoSystemSelected =
    DefText("Feedback", "NoSystemSelected", "Please select a system in the list to set a course.");

// Numbered content texts.
inline constexpr TTextFamily ArtefactName{"Artefact", true, "Name", false, 1, 100, {}, true, kNoArgs};
inline constexpr TTextFamily ArtefactInfo{"Artefact", true, "Info", false, 1, 100, {}, true, kNoArgs};
// Odd numbers are good events, even numbers bad ones; both get the amount of money.
inline constexpr TTextFamily EventText{"Events", false, "Text", true, 1, 20, {}, true, kOneInt};
inline constexpr TTextFamily UpgradeTreeItem{"UpgradeTree", false, "Item", true, 0, 19,
                                             "???",         false, kNoArgs};
inline constexpr TTextFamily LandProduct{"LandProducts", false, "Product", true, 1, 10,
                                         "unknown",      false, kNoArgs};
inline constexpr TTextFamily IndustryProduct{"IndustryProducts", false, "Product", true, 1, 10,
                                             "unknown",          false, kNoArgs};
inline constexpr TTextFamily EconomyKind{"Economy", false,       "Kind", true, 1,
                                         20,        "0|unknown", false,  {},   TValueSyntax::ClassValue};
inline constexpr TTextFamily PoliceKind{"Police", false,       "Kind", true, 1,
                                        20,       "0|unknown", false,  {},   TValueSyntax::ClassValue};
// City name, economy, three products, police.
inline constexpr TTextFamily CityInfo{"CityInfo", false, "Info", true, 1, 30, "unknown", false, kSixStr};
// Race name, four subjects, speciality.
inline constexpr TTextFamily AlienInfo{"AlienInfos", false, "Info", true, 1, 30, "unknown", false, kSixStr};
inline constexpr TTextFamily AlienSubject{"Subjects", false, "Text", true, 1, 30, "unknown", false, kNoArgs};
inline constexpr TTextFamily AlienSpeciality{"Speciality", false,     "Text", true,   1,
                                             30,           "unknown", false,  kNoArgs};
// Police events: the bonus or the fine.
inline constexpr TTextFamily PoliceGoodText{"Police_Events", false, "GoodText", true, 1, 9, {}, true,
                                            kOneInt};
inline constexpr TTextFamily PoliceBadText{"Police_Events", false, "BadText", true, 1, 9, {}, true, kOneInt};

} // namespace texts

} // namespace veltrane
