#include "Transport.h"

#include "game/City.h"
#include "game/Course.h"
#include "game/Direction.h"
#include "game/Landing.h"
#include "lang/Plural.h"
#include "lang/TextCatalogue.h"

#include <algorithm>
#include <charconv>

namespace veltrane {

namespace {

std::int64_t PriceOf(const TTransportItem& job) {
    std::int64_t price = 0;
    std::from_chars(job.Price.data(), job.Price.data() + job.Price.size(), price);
    return price;
}

} // namespace

void GenerateTransportOffers(TContext& ctx) {
    TCityVisit& visit = ctx.Session.Visit;
    const TGameState& world = ctx.World();
    visit.Offers.clear();
    const int passengers = ctx.Rng.Random(5);
    const int boxes = ctx.Rng.Random(5);
    std::vector<int> candidates;
    for (int k = 1; k <= kSystemsPerSector; ++k)
        if (SystemDistance(world, k) <= 50)
            candidates.push_back(k);
    // The last candidate is never drawn; the current system is drawn again.
    const int drawable = static_cast<int>(candidates.size()) - 1;
    const bool anyOther = std::any_of(candidates.begin(), candidates.begin() + std::max(0, drawable),
                                      [&](int k) { return k != world.CurrentSystem; });
    auto draw = [&] {
        for (;;) {
            const int k = candidates[static_cast<std::size_t>(ctx.Rng.Random(drawable))];
            if (k != world.CurrentSystem)
                return k;
        }
    };
    if (!anyOther)
        return;
    for (int i = 0; i < passengers; ++i) {
        const int k = draw();
        const int d = SystemDistance(world, k);
        const int price = static_cast<int>(ctx.Rng.RandomReal() * d + 10);
        visit.Offers.push_back(
            {world.System(world.CurrentSector, k).Name, std::to_string(price), 1 + ctx.Rng.Random(9)});
    }
    for (int i = 0; i < boxes; ++i) {
        const int k = draw();
        visit.Offers.push_back(
            {world.System(world.CurrentSector, k).Name, std::to_string(SystemDistance(world, k) / 2), 0});
    }
}

TOutcome OpenTransportPanel(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    ctx.Session.Visit.Person = Lookup(ctx.Script, texts::FindPassengers);
    ShowCityPanel(ctx, TCityPanel::Transport);
    return TOutcome::Ok(ctx.Session.Visit.Person);
}

TOutcome AcceptOffers(TContext& ctx, const std::vector<int>& selectedRows) {
    TCityVisit& visit = ctx.Session.Visit;
    if (selectedRows.empty())
        return Explain(ctx, Lookup(ctx.Script, texts::NoSelection));
    std::vector<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    int taken = 0;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 0 || *it >= static_cast<int>(visit.Offers.size()) || !HasStorageRoom(ctx))
            continue;
        ctx.World().Transport.push_back(visit.Offers[static_cast<std::size_t>(*it)]);
        visit.Offers.erase(visit.Offers.begin() + *it);
        ++taken;
    }
    ctx.Sound.PlayButtonSound();
    RefreshStatus(ctx);
    ctx.Window.PageChanged(TView::City);
    return taken > 0 ? TOutcome::Ok() : TOutcome::Refused(Lookup(ctx.Script, texts::MoreStorage));
}

bool SectorModuleCollected(const TGameState& world) {
    for (const TModulePlacement& m : world.AlienModules)
        if (m.Sector == world.CurrentSector)
            return m.System == 0;
    return false;
}

bool OrderArtefactInCargo(const TGameState& world) {
    if (!OneBased<std::int32_t, kSectorCount>::InRange(world.CurrentSector))
        return false;
    const int ordered = world.FindIdx[world.CurrentSector];
    return std::any_of(world.Cargo.begin(), world.Cargo.end(),
                       [&](const TCargoItem& item) { return item.StateIndex == ordered; });
}

namespace {

constexpr TPluralText kPassengerCount{texts::PassengersOne, texts::PassengersOther, texts::Passengers};
constexpr TPluralText kBoxCount{texts::BoxesOne, texts::BoxesOther, texts::Boxes};

} // namespace

bool DeliverTransport(TContext& ctx) {
    TGameState& world = ctx.World();
    if (world.Transport.empty())
        return false;
    const std::string& here = world.Here().Name;
    int passengers = 0;
    int boxes = 0;
    std::int64_t sum = 0;
    for (auto it = world.Transport.end(); it != world.Transport.begin();) {
        --it;
        if (it->Destination != here)
            continue;
        (it->ImageIndex != 0 ? passengers : boxes) += 1;
        sum += PriceOf(*it);
        it = world.Transport.erase(it);
    }
    if (sum == 0)
        return false;

    std::string summary;
    if (passengers > 0)
        summary = CountedText(ctx.Script, kPassengerCount, passengers);
    if (boxes > 0) {
        if (!summary.empty())
            summary += ", ";
        summary += CountedText(ctx.Script, kBoxCount, boxes);
    }
    ctx.Sound.PlaySoundEffect("good.wav");
    std::string text = summary + " " + FormatTextOrDefault(ctx.Script, texts::PickedUp, {sum});
    if (passengers == 0) {
        ctx.Messages.ShowInfoMessage(text);
    } else if (!SectorModuleCollected(world)) {
        text += "\r\n" + FormatTextOrDefault(ctx.Script, texts::TellDirection,
                                             {Lookup(ctx.Script, texts::ModuleWord)});
        ctx.Messages.ShowDirectionMessage(text, DirectionArrow(world, 'M'));
    } else if (!OrderArtefactInCargo(world)) {
        text += "\r\n" + FormatTextOrDefault(ctx.Script, texts::TellDirection,
                                             {Lookup(ctx.Script, texts::ArtefactWord)});
        ctx.Messages.ShowDirectionMessage(text, DirectionArrow(world, 'A'));
    } else {
        ctx.Messages.ShowInfoMessage(text);
    }
    world.Captain.AddBudget(sum);
    RefreshStatus(ctx);
    return true;
}

} // namespace veltrane
