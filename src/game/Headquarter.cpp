#include "Headquarter.h"

#include "lang/TextCatalogue.h"

#include <algorithm>

namespace veltrane {

void RelocateHeadquarter(TGameState& world, TRandom& rng) {
    const int s = std::min(1 + rng.Random(5), kSectorCount);
    const int k = 1 + rng.Random(kSystemsPerSector - 1);
    world.Headquarter.Sector = static_cast<std::uint8_t>(s);
    world.Headquarter.System = k;
    world.Headquarter.Name = world.System(s, k).Name;
}

std::string OrderText(const TContext& ctx) {
    const TGameState& world = ctx.World();
    std::string text = Lookup(ctx.Script, texts::FindArtefacts);
    text += "\r\n";
    for (int i = 1; i <= kSectorCount; ++i) {
        const int n = world.FindIdx[i];
        text += "- ";
        if (OneBased<TArtefact, kArtefactCount>::InRange(n))
            text += world.Artefacts[n].Name;
        text += "\r\n";
    }
    text += FormatTextOrDefault(ctx.Script, texts::BringArtefacts,
                                {world.Headquarter.Name, std::int64_t{world.Headquarter.Sector}});
    // Where it is says little to a new captain without how one gets aboard.
    return text + "\r\n\r\n" + Lookup(ctx.Script, texts::VisitHeadquarters);
}

TOutcome ShowOrder(TContext& ctx) {
    const std::string text = OrderText(ctx);
    ctx.Messages.ShowInfoMessage(text);
    return TOutcome::Ok(text);
}

THeadquarterVisit VisitHeadquarter(TContext& ctx) {
    TGameState& world = ctx.World();
    THeadquarterVisit visit;
    for (const TArtefact& slot : world.HQArtefacts)
        if (!slot.Name.empty())
            visit.Rows.push_back({slot.Name, slot.Index});
    const auto delivered = [&](int artefact) {
        for (const TArtefact& slot : world.HQArtefacts)
            if (!slot.Name.empty() && slot.Index == artefact)
                return true;
        return false;
    };
    for (auto it = world.Cargo.end(); it != world.Cargo.begin();) {
        --it;
        bool ordered = false;
        for (int i = 1; i <= kSectorCount; ++i)
            ordered = ordered || world.FindIdx[i] == it->StateIndex;
        if (!ordered)
            continue;
        // An artefact the headquarter holds already counts once, however often it comes.
        if (!delivered(it->StateIndex)) {
            visit.Rows.push_back({it->Name, it->StateIndex});
            int slot = kModuleCount;
            for (int e = 1; e < kModuleCount; ++e)
                if (world.HQArtefacts[e].Name.empty()) {
                    slot = e;
                    break;
                }
            world.HQArtefacts[slot].Name = it->Name;
            world.HQArtefacts[slot].Index = it->StateIndex;
        }
        it = world.Cargo.erase(it);
    }
    static constexpr const TTextEntry* kCounts[] = {
        &texts::Artefacts0, &texts::Artefacts1, &texts::Artefacts2, &texts::Artefacts3, &texts::Artefacts4};
    std::vector<int> distinct;
    for (const TDelivered& row : visit.Rows)
        if (std::find(distinct.begin(), distinct.end(), row.Artefact) == distinct.end())
            distinct.push_back(row.Artefact);
    const std::size_t count = std::min<std::size_t>(distinct.size(), 4);
    visit.Won = count == 4;
    if (visit.Won)
        ctx.Sound.PlaySoundEffect("fanfare.wav");
    visit.Text = FormatTextOrDefault(ctx.Script, texts::HiCaptain, {world.Captain.Name});
    visit.Text += ' ';
    visit.Text += Lookup(ctx.Script, *kCounts[count]);
    if (!visit.Won) {
        visit.Text += ' ';
        visit.Text += Lookup(ctx.Script, texts::GoodLuck);
    }
    RefreshStatus(ctx);
    return visit;
}

} // namespace veltrane
