#include "lang/ContentLoader.h"

#include "core/Galaxy.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"

#include <algorithm>
#include <set>
#include <vector>

namespace veltrane {
namespace {

constexpr std::string_view kUnknown = "unknown";

// Byte length of the first `count` UTF-8 characters of s (all of s when shorter).
std::size_t CharsPrefix(std::string_view s, int count) {
    std::size_t i = 0;
    for (int n = 0; n < count && i < s.size(); ++n) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

void LoadClasses(const ITextSource& script, const TTextFamily& family, TContentTables& tables, bool economy) {
    for (int n = 1; n <= kClassEntries; ++n) {
        TClassValue c = ParseClassValue(Lookup(script, family, n));
        TCityInfo& city = tables.CityTexts[n];
        if (economy) {
            city.EconomyKind = c.Kind;
            city.EconomyName = std::move(c.Name);
        } else {
            city.PoliceLevel = c.Kind;
            city.PoliceName = std::move(c.Name);
        }
    }
}

} // namespace

TClassValue ParseClassValue(std::string_view value) {
    TClassValue c;
    if (!value.empty() && value[0] >= '0' && value[0] <= '9')
        c.Kind = static_cast<std::uint8_t>(value[0] - '0');
    c.Name = std::string(value.substr(CharsPrefix(value, 2)));
    return c;
}

Result<std::string> MakeAlienInfo(const TContentTables& tables, int race, const std::string& name,
                                  const std::string& previous, TRandom& rng) {
    // Draws come from entries 1-29. Without an "unknown" among them and with
    // fewer than four different subjects the draw could never end.
    std::set<std::string> pool;
    bool anyUnknown = false;
    for (int k = 1; k < kAlienTextCount; ++k) {
        const std::string& s = tables.AlienTexts[k].Subject;
        anyUnknown = anyUnknown || s == kUnknown;
        pool.insert(s);
    }
    if (!anyUnknown && pool.size() < 4)
        return previous;

    std::vector<std::string> subjects;
    std::string s;
    do {
        s = tables.AlienTexts[rng.Random(kAlienTextCount - 1) + 1].Subject;
        if (std::find(subjects.begin(), subjects.end(), s) == subjects.end())
            subjects.push_back(s);
    } while (s != kUnknown && subjects.size() < 4);
    if (s == kUnknown)
        return previous;

    const TPropertyList& texts = tables.AlienTexts[race];
    auto info = Format(texts.InfoTemplate,
                       {name, subjects[0], subjects[1], subjects[2], subjects[3], texts.Speciality});
    if (!info)
        return Error{"[AlienInfos] Info" + std::to_string(race) + ": " + info.error().message};
    return info;
}

Status LoadContentTables(const ITextSource& script, TGameState& world, TContentTables& tables, TRandom& rng) {
    for (int n = 1; n <= kArtefactCount; ++n) {
        world.Artefacts[n].Name = Lookup(script, texts::ArtefactName, n);
        world.Artefacts[n].Info = Lookup(script, texts::ArtefactInfo, n);
    }

    tables.EventTexts.clear();
    for (int n = 1; n <= kEventTextCount; ++n)
        tables.EventTexts.push_back(Lookup(script, texts::EventText, n));

    // Node texts carrying price marks from a shop visit are replaced whole.
    tables.UpgradeTreeCaptions.clear();
    for (int i = 0; i < kUpgradeTreeNodes; ++i)
        tables.UpgradeTreeCaptions.push_back(Lookup(script, texts::UpgradeTreeItem, i));

    TDlgCaptions& dlg = tables.DlgCaptions;
    dlg.OK = Lookup(script, texts::OK);
    dlg.Yes = Lookup(script, texts::Yes);
    dlg.No = Lookup(script, texts::No);
    dlg.Information = Lookup(script, texts::InformationTitle);
    dlg.Warning = Lookup(script, texts::WarningTitle);
    dlg.Input = Lookup(script, texts::Input);
    dlg.Confirmation = Lookup(script, texts::Confirmation);

    for (int n = 1; n <= kProductCount; ++n) {
        tables.Products[n].LandProduct = Lookup(script, texts::LandProduct, n);
        tables.Products[n].IndustryProduct = Lookup(script, texts::IndustryProduct, n);
    }

    LoadClasses(script, texts::EconomyKind, tables, true);
    LoadClasses(script, texts::PoliceKind, tables, false);
    for (int n = 1; n <= kCityInfoCount; ++n)
        tables.CityTexts[n].CityInfo = Lookup(script, texts::CityInfo, n);

    for (int n = 1; n <= kAlienTextCount; ++n) {
        tables.AlienTexts[n].InfoTemplate = Lookup(script, texts::AlienInfo, n);
        tables.AlienTexts[n].Subject = Lookup(script, texts::AlienSubject, n);
        tables.AlienTexts[n].Speciality = Lookup(script, texts::AlienSpeciality, n);
    }

    const std::string suffix = Lookup(script, texts::AlienNameSuffix);
    std::string previous;
    for (int r = 1; r <= kAlienTextCount; ++r) {
        std::string name = RandomName(rng);
        if (!name.empty() && std::string_view("aeiou").find(name.back()) != std::string_view::npos)
            name += 'n';
        name += suffix;
        auto info = MakeAlienInfo(tables, r, name, previous, rng);
        if (!info)
            return info.error();
        tables.AlienRaces[r].Name = name;
        tables.AlienRaces[r].Info = *info;
        previous = *info;
    }
    return Status::Ok();
}

} // namespace veltrane
