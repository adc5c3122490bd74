#include "lang/TextCatalogue.h"

#include "lang/GuideTexts.h"

#include <algorithm>
#include <cctype>

namespace veltrane {

std::vector<FormatArg> TArgList::Samples() const {
    std::vector<FormatArg> out;
    for (int i = 0; i < count_; ++i) {
        switch ((*this)[i]) {
        case TArgKind::Int:
            out.emplace_back(std::int64_t{42});
            break;
        case TArgKind::Real:
            out.emplace_back(1.25);
            break;
        case TArgKind::Str:
            out.emplace_back(std::string("Sample"));
            break;
        }
    }
    return out;
}

std::string TArgList::Describe() const {
    if (count_ == 0)
        return "none";
    auto name = [](TArgKind k) {
        switch (k) {
        case TArgKind::Int:
            return "Int";
        case TArgKind::Real:
            return "Real";
        default:
            return "Str";
        }
    };
    bool same = true;
    for (int i = 1; i < count_; ++i)
        same = same && (*this)[i] == (*this)[0];
    if (same && count_ > 2)
        return std::to_string(count_) + " x " + name((*this)[0]);
    std::string out;
    for (int i = 0; i < count_; ++i)
        out += (i ? ", " : "") + std::string(name((*this)[i]));
    return out;
}

TText TText::From(std::string_view name, const TTextEntry& e) {
    return TText{std::string(name),
                 std::string(e.Section),
                 std::string(e.Key),
                 std::string(e.DefaultText()),
                 e.Args,
                 e.KeyIsDefault,
                 e.Syntax};
}

TText TText::From(std::string_view name, const TTextFamily& f, int n) {
    TText t;
    t.Name = std::string(name) + "[" + std::to_string(n) + "]";
    t.Section = std::string(f.Section) + (f.SectionNumbered ? std::to_string(n) : "");
    t.Key = std::string(f.Key) + (f.KeyNumbered ? std::to_string(n) : "");
    t.KeyIsDefault = f.KeyIsDefault;
    t.Default = f.KeyIsDefault ? t.Key : std::string(f.Default);
    t.Args = f.Args;
    t.Syntax = f.Syntax;
    return t;
}

std::string Lookup(const ITextSource& script, const TTextEntry& entry) {
    return script.TextDef(entry.Section, entry.Key, entry.DefaultText());
}

std::string Lookup(const ITextSource& script, const TText& text) {
    return script.TextDef(text.Section, text.Key, text.Default);
}

std::string Lookup(const ITextSource& script, const TTextFamily& family, int n) {
    return Lookup(script, TText::From("", family, n));
}

namespace {

Result<std::string> FormatLooked(const std::string& value, std::string_view section, std::string_view key,
                                 const std::vector<FormatArg>& args) {
    auto r = Format(value, args);
    if (!r) {
        std::string where(1, '[');
        where.append(section).append("] ").append(key).append(": ");
        return Error{where + r.error().message};
    }
    return r;
}

} // namespace

Result<std::string> FormatText(const ITextSource& script, const TTextEntry& entry,
                               const std::vector<FormatArg>& args) {
    return FormatLooked(Lookup(script, entry), entry.Section, entry.Key, args);
}

Result<std::string> FormatText(const ITextSource& script, const TTextFamily& family, int n,
                               const std::vector<FormatArg>& args) {
    TText t = TText::From("", family, n);
    return FormatLooked(Lookup(script, t), t.Section, t.Key, args);
}

std::string FormatTextOrDefault(const ITextSource& script, const TTextEntry& entry,
                                const std::vector<FormatArg>& args) {
    if (auto r = FormatText(script, entry, args))
        return *r;
    if (auto r = Format(entry.DefaultText(), args))
        return *r;
    return std::string(entry.DefaultText());
}

const std::vector<TText>& AllTexts() {
    static const std::vector<TText> all = [] {
        std::vector<TText> v;
#define VELTRANE_TEXT(name) v.push_back(TText::From(#name, texts::name))
        VELTRANE_TEXT(OK);
        VELTRANE_TEXT(Yes);
        VELTRANE_TEXT(No);
        VELTRANE_TEXT(InformationTitle);
        VELTRANE_TEXT(WarningTitle);
        VELTRANE_TEXT(Input);
        VELTRANE_TEXT(Confirmation);
        VELTRANE_TEXT(Galaxy);
        VELTRANE_TEXT(Sector);
        VELTRANE_TEXT(System);
        VELTRANE_TEXT(City);
        VELTRANE_TEXT(ArtefactCaption);
        VELTRANE_TEXT(ArtefactWord);
        VELTRANE_TEXT(ModuleWord);
        VELTRANE_TEXT(Boxes);
        VELTRANE_TEXT(Passengers);
        VELTRANE_TEXT(Position);
        VELTRANE_TEXT(SystemName);
        VELTRANE_TEXT(PlanetName);
        VELTRANE_TEXT(PlanetSurface);
        VELTRANE_TEXT(LifeformOnPlanet);
        VELTRANE_TEXT(None);
        VELTRANE_TEXT(Budget);
        VELTRANE_TEXT(YourCosts);
        VELTRANE_TEXT(Barren);
        VELTRANE_TEXT(Corrugated);
        VELTRANE_TEXT(Desert);
        VELTRANE_TEXT(Terran);
        VELTRANE_TEXT(Gas);
        VELTRANE_TEXT(Icy);
        VELTRANE_TEXT(Swampy);
        VELTRANE_TEXT(Tundra);
        VELTRANE_TEXT(Vegetable);
        VELTRANE_TEXT(Animalistic);
        VELTRANE_TEXT(Rural);
        VELTRANE_TEXT(Industrial);
        VELTRANE_TEXT(Futuristic);
        VELTRANE_TEXT(NamePrompt);
        VELTRANE_TEXT(NameSave);
        VELTRANE_TEXT(IncMsg);
        VELTRANE_TEXT(Information);
        VELTRANE_TEXT(DistanceLY);
        VELTRANE_TEXT(AlienNameSuffix);
        VELTRANE_TEXT(Welcome);
        VELTRANE_TEXT(GoodLuck);
        VELTRANE_TEXT(ScanningCompleted);
        VELTRANE_TEXT(Artefacts0);
        VELTRANE_TEXT(Artefacts1);
        VELTRANE_TEXT(Artefacts2);
        VELTRANE_TEXT(Artefacts3);
        VELTRANE_TEXT(Artefacts4);
        VELTRANE_TEXT(AYS);
        VELTRANE_TEXT(AlreadyExists);
        VELTRANE_TEXT(Arrived);
        VELTRANE_TEXT(ArtefactFound);
        VELTRANE_TEXT(ArtefactOP);
        VELTRANE_TEXT(ArtefactPrices);
        VELTRANE_TEXT(BringArtefacts);
        VELTRANE_TEXT(BringArtefactsNoPlace);
        VELTRANE_TEXT(ClickEnable);
        VELTRANE_TEXT(EnergyComplete);
        VELTRANE_TEXT(FNotFound);
        VELTRANE_TEXT(FindArtefacts);
        VELTRANE_TEXT(FindPassengers);
        VELTRANE_TEXT(FoundAlienModule);
        VELTRANE_TEXT(FoundArtefact);
        VELTRANE_TEXT(FoundBudgetPowerpack);
        VELTRANE_TEXT(FoundEnergyPowerpack);
        VELTRANE_TEXT(GasLanding);
        VELTRANE_TEXT(GotLatestVersion);
        VELTRANE_TEXT(HaveAlready);
        VELTRANE_TEXT(HiCaptain);
        VELTRANE_TEXT(HyperdriveLevel);
        VELTRANE_TEXT(HypertransferFuel);
        VELTRANE_TEXT(LoadSuccess);
        VELTRANE_TEXT(InFlight);
        VELTRANE_TEXT(NameEmpty);
        VELTRANE_TEXT(Stranded);
        VELTRANE_TEXT(MoreBudget);
        VELTRANE_TEXT(MoreEnergy);
        VELTRANE_TEXT(MoreStorage);
        VELTRANE_TEXT(MoreWishes);
        VELTRANE_TEXT(NeedHyperdrive);
        VELTRANE_TEXT(NewerVersion);
        VELTRANE_TEXT(NoArtefacts);
        VELTRANE_TEXT(NoConnection);
        VELTRANE_TEXT(NoSelection);
        VELTRANE_TEXT(NoVariant);
        VELTRANE_TEXT(NowSector);
        VELTRANE_TEXT(OnlyCapitals);
        VELTRANE_TEXT(PickedUp);
        VELTRANE_TEXT(SelSec);
        VELTRANE_TEXT(StartNew);
        VELTRANE_TEXT(TakeFuel);
        VELTRANE_TEXT(TellDirection);
        VELTRANE_TEXT(Treasures);
        VELTRANE_TEXT(Upgrade);
        VELTRANE_TEXT(WelcomeCity);
        VELTRANE_TEXT(WrongSector);
        VELTRANE_TEXT(MapDistance);
        VELTRANE_TEXT(MapHere);
        VELTRANE_TEXT(MapHeadquarter);
        VELTRANE_TEXT(MapDestination);
        VELTRANE_TEXT(SeroShipHint);
        VELTRANE_TEXT(HeadquarterMoved);
        VELTRANE_TEXT(VisitHeadquarters);
        VELTRANE_TEXT(LanguageName);
        VELTRANE_TEXT(BoxesOne);
        VELTRANE_TEXT(BoxesOther);
        VELTRANE_TEXT(PassengersOne);
        VELTRANE_TEXT(PassengersOther);
        VELTRANE_TEXT(EnergyFull);
        VELTRANE_TEXT(SliderAtZero);
        VELTRANE_TEXT(NothingToSell);
        VELTRANE_TEXT(MapFirst);
        VELTRANE_TEXT(NoGameSelected);
        VELTRANE_TEXT(NoSystemSelected);
#undef VELTRANE_TEXT
        auto family = [&v](std::string_view name, const TTextFamily& f) {
            for (int n = f.First; n <= f.Last; ++n)
                v.push_back(TText::From(name, f, n));
        };
        family("ArtefactName", texts::ArtefactName);
        family("ArtefactInfo", texts::ArtefactInfo);
        family("EventText", texts::EventText);
        family("UpgradeTreeItem", texts::UpgradeTreeItem);
        family("LandProduct", texts::LandProduct);
        family("IndustryProduct", texts::IndustryProduct);
        family("EconomyKind", texts::EconomyKind);
        family("PoliceKind", texts::PoliceKind);
        family("CityInfo", texts::CityInfo);
        family("AlienInfo", texts::AlienInfo);
        family("AlienSubject", texts::AlienSubject);
        family("AlienSpeciality", texts::AlienSpeciality);
        family("PoliceGoodText", texts::PoliceGoodText);
        family("PoliceBadText", texts::PoliceBadText);
        AddGuideTexts(v);
        return v;
    }();
    return all;
}

// ---------------------------------------------------------------------------

int TControlText::PartCount() const {
    if (Parts.empty())
        return 0;
    return static_cast<int>(std::count(Parts.begin(), Parts.end(), ',')) + 1;
}

namespace {

using K = TControlKind;
constexpr std::uint8_t kCap = kPropCaption | kPropHint;
constexpr std::uint8_t kHintOnly = kPropHint;
constexpr std::uint8_t kList = kPropColumns | kPropHint;

TControlText C(std::string_view form, std::string_view name, K kind, std::uint8_t props,
               std::string_view caption, std::string_view hint = {}, std::string_view parts = {},
               TArgList args = {}) {
    return TControlText{form, name, kind, props, caption, hint, parts, args};
}

std::vector<TControlText> MainControls() {
    constexpr std::string_view f = "FormMain";
    return {
        C(f, "", K::Window, kPropCaption, "Veltrane"),
        C(f, "btnOptions", K::Button, kCap, "Options"),
        C(f, "btnExit", K::Button, kCap, "Exit"),
        C(f, "gauStorage", K::Gauge, kHintOnly, {}, "Displays storage capacity"),
        C(f, "gauEnergy", K::Gauge, kHintOnly, {}, "Displays available energy"),
        C(f, "imgCaptain", K::Picture, kHintOnly, {}),
        C(f, "lblInfoTop", K::Label, kCap, "Info"),
        C(f, "lblCargoTop", K::Label, kCap, "Cargo"),
        C(f, "lvwCargo", K::ListView, kList, {}, {}, "Name"),
        C(f, "lblTransport", K::Label, kCap, "Transport"),
        C(f, "lvwTransDisplay", K::ListView, kList, {}, {}, "Destination,Price"),
        C(f, "lblModules", K::Label, kCap, "Modules"),
        // The module hints are the modules' descriptions; finding one adds how to use it.
        C(f, "imgModule1", K::Picture, kHintOnly, {},
          "Ancient trade module: shows the systems where energy is cheap."),
        C(f, "imgModule2", K::Picture, kHintOnly, {},
          "Ancient guide module: shows the systems your passengers and freight are bound for."),
        C(f, "imgModule3", K::Picture, kHintOnly, {},
          "Ancient range module: shows the systems your energy will carry you to."),
        C(f, "imgModule4", K::Picture, kHintOnly, {},
          "Ancient power module: shows the systems where power packs lie."),
        C(f, "lblCommands", K::Label, kCap, "Commands"),
        C(f, "btnStarMap", K::Button, kCap, {}, "Map"),
        C(f, "btnSystem", K::Button, kCap, {}, "System"),
        C(f, "btnOrder", K::Button, kCap, {}, "Order"),
        C(f, "btnNavigator", K::Button, kCap, {}, "Navigation"),
        C(f, "btnSector", K::Button, kCap, "Change sector"),
        C(f, "lblScanTop", K::Label, kCap, "Scan planets for information"),
        C(f, "btnScan", K::Button, kCap, "Scan"),
        C(f, "lblPercentPrice", K::Label, kCap, "Percent price: "),
        C(f, "btnCityInfo", K::Button, kCap, "City info"),
        C(f, "btnAlienInfo", K::Button, kCap, "Alien info"),
        C(f, "btnSellArtefacts", K::Button, kCap, "I would like to sell artefacts."),
        C(f, "btnTransport", K::Button, kCap, "I would like to look for passengers."),
        C(f, "btnGetRefuel", K::Button, kCap, "I would like to refuel."),
        C(f, "btnGetUpgrade", K::Button, kCap, "I would like to upgrade my ship."),
        C(f, "btnCityExit", K::Button, kCap, "I would like to leave."),
        C(f, "lvwSellList", K::ListView, kList, {}, {}, "Name,Price"),
        C(f, "btnSellSelection", K::Button, kCap, "Sell"),
        C(f, "btnGoBack1", K::Button, kCap, "Go back"),
        C(f, "btnFillEnergy", K::Button, kCap, "Fill energy"),
        C(f, "btnGoBack2", K::Button, kCap, "Go back"),
        C(f, "gbxEquipment", K::GroupBox, kCap, "Current equipment"),
        C(f, "lvwConfig", K::ListView, kList, {}, {}, "Equipment"),
        C(f, "btnInstallItem", K::Button, kCap, "Install item"),
        C(f, "btnGoBack4", K::Button, kCap, "Go back"),
        C(f, "lvwTransObjects", K::ListView, kList, {}, {}, "Destination,Price"),
        C(f, "btnAcceptTransport", K::Button, kCap, "Accept"),
        C(f, "btnGoBack6", K::Button, kCap, "Go back"),
    };
}

std::vector<TControlText> OptionsControls() {
    constexpr std::string_view f = "FormOptions";
    return {
        C(f, "", K::Window, kPropCaption, "Game options"),
        C(f, "tabSettings", K::Page, kCap, "Settings"),
        C(f, "gbxPresident", K::GroupBox, kCap, "President"),
        C(f, "memPresident", K::Memo, kPropLines | kPropHint, {}),
        C(f, "gbxCaptain", K::GroupBox, kCap, "Captain"),
        C(f, "imgCaptain", K::Picture, kHintOnly, {}),
        C(f, "lblCaptainName", K::Label, kCap, "Name"),
        C(f, "edtCaptainName", K::Edit, kHintOnly, {}),
        C(f, "chbBgSound", K::CheckBox, kCap, "Background sound"),
        C(f, "chbSoundEffects", K::CheckBox, kCap, "Sound effects"),
        C(f, "lblRandomEvents", K::Label, kCap, "RandomEvents"),
        C(f, "scbRandomEvents", K::ScrollBar, kHintOnly, {}),
        C(f, "lblOften", K::Label, kCap, "Often"),
        C(f, "lblRare", K::Label, kCap, "Rare"),
        C(f, "gbxLanguage", K::GroupBox, kCap, "Language"),
        // The language list is filled from the folder: no design items to translate.
        C(f, "lbxLanguage", K::ListBox, kHintOnly, {}),
        C(f, "rbxWindowType", K::RadioGroup, kCap | kPropItems, "Window type", {}, "Full screen,Standard"),
        C(f, "cbxScaling", K::ListBox, kHintOnly | kPropItems, {}, {},
          "Smooth scaling,Sharp scaling (whole steps)"),
        C(f, "btnStart", K::Button, kCap, "START"),
        C(f, "tabGameList", K::Page, kCap, "Saved games"),
        C(f, "gbxSavedGames", K::GroupBox, kCap, "Saved Games"),
        C(f, "lvwGameList", K::ListView, kList, {}, {}, "Game name,Captain name,Time,FName"),
        C(f, "btnSaveGame", K::Button, kCap, "Save Game"),
        C(f, "btnLoadGame", K::Button, kCap, "Load Game"),
        C(f, "btnDelGame", K::Button, kCap, "Delete Game"),
        C(f, "btnNewGame", K::Button, kCap, "New game"),
        C(f, "btnExit", K::Button, kCap, "Exit"),
        C(f, "tabInfo", K::Page, kCap, "Info"),
        C(f, "pnlAbout", K::Panel, kCap, {}),
        C(f, "lblProgramName", K::Label, kCap, "Veltrane"),
        C(f, "lblVersion", K::Label, kCap, "Version"),
        C(f, "lblVersionNumber", K::Label, kCap, "1.41a"),
        C(f, "lblHomepage", K::Label, kCap, "Homepage:"),
        C(f, "lblHomepageURL", K::Label, kCap, {}),
        C(f, "lblEMail", K::Label, kCap, "E-Mail:"),
        C(f, "Label1", K::Label, kCap, {}),
        C(f, "btnPayPal", K::Button, kHintOnly, {}),
        C(f, "btnCheckVersion", K::Button, kCap, "Online check for latest version", "Print helptext"),
    };
}

std::vector<TControlText> NavigatorControls() {
    constexpr std::string_view f = "FormNavigator";
    return {
        C(f, "", K::Window, kPropCaption, "Navigator"),
        // Filled with the current sector after translation.
        C(f, "lblTitle", K::Label, kCap, "System List of Sector %d", {}, {}, kOneInt),
        C(f, "lvwSystemList", K::ListView, kList, {}, {}, "Name,Coordin.,Dist.,Range"),
        C(f, "btnSetCourse", K::Button, kCap, "Set course"),
        C(f, "btnOK", K::Button, kCap, "Close"),
    };
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const std::vector<TControlText>& AllControls() {
    static const std::vector<TControlText> all = [] {
        std::vector<TControlText> v = MainControls();
        for (auto& c : OptionsControls())
            v.push_back(c);
        for (auto& c : NavigatorControls())
            v.push_back(c);
        return v;
    }();
    return all;
}

const TControlText* FindControl(std::string_view form, std::string_view name) {
    for (const auto& c : AllControls())
        if (SameText(c.Form, form) && SameText(c.Control, name))
            return &c;
    return nullptr;
}

} // namespace veltrane
