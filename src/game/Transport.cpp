#include "Transport.h"

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
        summary = std::to_string(passengers) + " " + Lookup(ctx.Script, texts::Passengers);
    if (boxes > 0) {
        if (!summary.empty())
            summary += ", ";
        summary += std::to_string(boxes);
        summary += " ";
        summary += Lookup(ctx.Script, texts::Boxes);
    }
    ctx.Sound.PlaySoundEffect("good.wav");
    std::string text = summary + " " + FormatTextOrDefault(ctx.Script, texts::PickedUp, {sum});
    if (passengers == 0) {
        ctx.Messages.ShowInfoMessage(text);
    } else if (!SectorModuleCollected(world)) {
        text += "\r\n" + FormatTextOrDefault(ctx.Script, texts::TellDirection, {Lookup(ctx.Script, texts::ModuleWord)});
        ctx.Messages.ShowDirectionMessage(text, 'M');
    } else if (!OrderArtefactInCargo(world)) {
        text += "\r\n" +
                FormatTextOrDefault(ctx.Script, texts::TellDirection, {Lookup(ctx.Script, texts::ArtefactWord)});
        ctx.Messages.ShowDirectionMessage(text, 'A');
    } else {
        ctx.Messages.ShowInfoMessage(text);
    }
    world.Captain.Budget = static_cast<std::int32_t>(world.Captain.Budget + sum);
    ctx.Window.RefreshStatus();
    return true;
}

} // namespace veltrane
