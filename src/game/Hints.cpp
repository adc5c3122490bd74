#include "Hints.h"

#include "lang/GuideTexts.h"

#include <algorithm>

namespace veltrane {

namespace {

const TTextEntry& HintEntry(THint hint) {
    switch (hint) {
    case THint::LowEnergy:
        return texts::HintLowEnergy;
    case THint::Artefact:
        return texts::HintArtefact;
    case THint::Arrival:
        return texts::HintArrival;
    case THint::Scan:
        return texts::HintScan;
    case THint::Landing:
        return texts::HintLanding;
    case THint::City:
        return texts::HintCity;
    case THint::Headquarter:
        return texts::HintHeadquarter;
    case THint::Transport:
        return texts::HintTransport;
    case THint::Hyperdrive:
        return texts::HintHyperdrive;
    case THint::Flight:
        return texts::HintFlight;
    case THint::Map:
        break;
    }
    return texts::HintMap;
}

bool ReplacesTheGame(TCommandKind kind) {
    return kind == TCommandKind::NewGame || kind == TCommandKind::Load;
}

} // namespace

const char* HintName(THint hint) {
    // The script key doubles as the name the settings keep.
    return HintEntry(hint).Key.data();
}

std::string HintText(const ITextSource& script, THint hint) {
    return Lookup(script, texts::HintPrefix) + " " + Lookup(script, HintEntry(hint));
}

THintSnapshot TakeHintSnapshot(const TSession& session) {
    const TGameState& world = session.World;
    THintSnapshot s;
    s.View = session.CurrentView;
    s.Passage = session.Passage;
    s.StartupDone = session.StartupStepDone;
    s.Sector = world.CurrentSector;
    s.System = world.CurrentSystem;
    if (world.CurrentSector >= 1 && world.CurrentSector <= kSectorCount && world.CurrentSystem >= 1 &&
        world.CurrentSystem <= kSystemsPerSector) {
        const auto& planets = world.Here().Planets;
        s.ScannedHere = static_cast<int>(
            std::count_if(planets.begin(), planets.end(), [](const TPlanet& p) { return p.Scanned; }));
    }
    s.Cargo = static_cast<int>(world.Cargo.size());
    s.Transport = static_cast<int>(world.Transport.size());
    s.Energy = world.Captain.Energy;
    s.Hyperdrive = world.Captain.Hyperdrive;
    s.HeadquarterHere =
        world.Headquarter.Sector == world.CurrentSector && world.Headquarter.System == world.CurrentSystem;
    return s;
}

std::vector<THint> StepsTaken(TCommandKind kind, const THintSnapshot& before, const THintSnapshot& after) {
    std::vector<THint> steps;
    if (ReplacesTheGame(kind))
        return steps;
    const bool sameSystem = before.Sector == after.Sector && before.System == after.System;
    const bool flying = after.Passage != TPassage::None;
    const auto took = [&](THint hint, bool happened) {
        if (happened)
            steps.push_back(hint);
    };
    // In the order of THint, most urgent first.
    took(THint::LowEnergy, !flying && after.Energy < kLowEnergy && before.Energy >= kLowEnergy);
    took(THint::Artefact, after.Cargo > before.Cargo);
    took(THint::Arrival, before.Passage == TPassage::StarFlight && !flying && after.View == TView::System);
    took(THint::Scan, sameSystem && after.ScannedHere > before.ScannedHere);
    took(THint::Landing, before.View == TView::System && after.View == TView::Landscape);
    took(THint::City, before.View != TView::City && after.View == TView::City);
    took(THint::Headquarter, after.View == TView::System && after.HeadquarterHere &&
                                 !(before.View == TView::System && before.HeadquarterHere));
    took(THint::Transport, after.Transport > before.Transport);
    took(THint::Hyperdrive, before.Hyperdrive == 0 && after.Hyperdrive > 0);
    took(THint::Flight, before.Passage != TPassage::StarFlight && after.Passage == TPassage::StarFlight);
    took(THint::Map, !before.StartupDone && after.StartupDone);
    return steps;
}

std::optional<THint> TakeHint(TGameOptions& options, const std::vector<THint>& steps) {
    if (!options.Hints)
        return std::nullopt;
    std::vector<std::string>& seen = options.HintsSeen;
    for (const THint hint : steps) {
        const std::string name = HintName(hint);
        if (std::find(seen.begin(), seen.end(), name) != seen.end())
            continue;
        seen.push_back(name);
        return hint;
    }
    return std::nullopt;
}

TInfoLine WithHint(const std::optional<TInfoLine>& written, const std::string& hint) {
    const std::size_t end = written ? written->Text.find_last_not_of(' ') : std::string::npos;
    if (end == std::string::npos)
        return {hint, kWhite};
    // Some lines end in blanks of their own ("Scanning completed.   " with no artefact report).
    return {written->Text.substr(0, end + 1) + "   " + hint, written->Colour};
}

} // namespace veltrane
