#include "Trade.h"

#include "core/Galaxy.h"
#include "game/City.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace veltrane {

namespace {

// The trade arithmetic runs in 80-bit extended precision, where 1.3 is a
// little below 1.3: 90 × 1.3 gives 116, not 117.
constexpr long double kEconomyFactor = 1.3L;

int PriceOf(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() ? value : 0;
}

} // namespace

int SellPrice(int basePrice, std::string_view info, int economyKind) {
    long double p = basePrice;
    if (info.find("$$$") != std::string_view::npos)
        p *= 3;
    else if (info.find("$$") != std::string_view::npos)
        p *= 2;
    if (economyKind == 0)
        p = std::trunc(p / kEconomyFactor);
    else if (economyKind == 2)
        p = std::trunc(p * kEconomyFactor);
    return static_cast<int>(p);
}

int RefuelCost(std::string_view priceText, int percent) {
    const std::string text(priceText);
    const long double price = std::strtold(text.c_str(), nullptr);
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double cost = std::nearbyintl(price * percent);
    std::fesetround(previous);
    const int whole = static_cast<int>(cost);
    return percent > 0 && whole == 0 ? 1 : whole;
}

TOutcome OpenSellPanel(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    TCityVisit& visit = ctx.Session.Visit;
    visit.Person = Lookup(ctx.Script, texts::ArtefactPrices);
    visit.TotalProfit = "0 G$";
    if (!visit.SellPricesRolled) {
        visit.SellList.clear();
        for (const TCargoItem& item : ctx.World().Cargo) {
            const int base = 10 + ctx.Rng.Random(90);
            const std::string& info = OneBased<TArtefact, kArtefactCount>::InRange(item.StateIndex)
                                          ? ctx.World().Artefacts[item.StateIndex].Info
                                          : std::string();
            visit.SellList.push_back(
                {item.Name, std::to_string(SellPrice(base, info, visit.EconomyKind)), item.StateIndex});
            visit.SellPricesRolled = true;
        }
    }
    ShowCityPanel(ctx, TCityPanel::Sell);
    return TOutcome::Ok(visit.Person);
}

std::string SellTotal(const TContext& ctx, const std::vector<int>& selectedRows) {
    const auto& rows = ctx.Session.Visit.SellList;
    long long sum = 0;
    for (int r : selectedRows)
        if (r >= 0 && r < static_cast<int>(rows.size()))
            sum += PriceOf(rows[static_cast<std::size_t>(r)].Price);
    return std::to_string(sum) + " G$";
}

TOutcome SellSelection(TContext& ctx, const std::vector<int>& selectedRows) {
    ctx.Sound.PlayButtonSound();
    TCityVisit& visit = ctx.Session.Visit;
    TGameState& world = ctx.World();
    std::vector<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the last row to the first, so the row numbers still hold.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 0 || *it >= static_cast<int>(visit.SellList.size()))
            continue;
        const TSellRow row = visit.SellList[static_cast<std::size_t>(*it)];
        world.Captain.Budget += PriceOf(row.Price);
        std::erase_if(world.Cargo, [&](const TCargoItem& item) { return item.StateIndex == row.Artefact; });
        // The artefact turns up again somewhere in this sector; the planet of the city keeps what lies on it.
        if (OneBased<TArtefact, kArtefactCount>::InRange(row.Artefact))
            if (Status placed = PlaceArtefact(world, ctx.Rng, row.Artefact, world.CurrentSector, false);
                !placed)
                world.Artefacts[row.Artefact].Sector = 0; // nowhere left to hide it: it stays sold
        visit.SellList.erase(visit.SellList.begin() + *it);
    }
    visit.Person = Lookup(ctx.Script, texts::Treasures);
    ctx.Window.RefreshStatus();
    visit.SellEnabled = !world.Cargo.empty();
    ctx.Window.PageChanged(TView::City);
    return TOutcome::Ok(visit.Person);
}

TOutcome OpenRefuelPanel(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    ctx.Session.Visit.Person = Lookup(ctx.Script, texts::TakeFuel);
    TRefuelSlider& slider = ctx.Session.Refuel;
    slider.Maximum = 100 - std::clamp<int>(ctx.World().Captain.Energy, 0, 100);
    slider.Position = std::min(slider.Position, slider.Maximum);
    ShowCityPanel(ctx, TCityPanel::Refuel);
    return TOutcome::Ok(ctx.Session.Visit.Person);
}

void MoveRefuelSlider(TContext& ctx, int position) {
    TRefuelSlider& slider = ctx.Session.Refuel;
    slider.Position = std::clamp(position, 0, slider.Maximum);
    const int n = slider.Position;
    slider.PercentText = std::to_string(n) + " %  ";
    slider.PendingCost = RefuelCost(ctx.Session.Visit.RefuelPrice, n);
    slider.CostText = FormatTextOrDefault(ctx.Script, texts::YourCosts, {std::int64_t{slider.PendingCost}});
    ctx.Window.PageChanged(TView::City);
}

TOutcome FillEnergy(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    TRefuelSlider& slider = ctx.Session.Refuel;
    TCaptain& captain = ctx.World().Captain;
    TCityVisit& visit = ctx.Session.Visit;
    if (captain.Budget < slider.PendingCost) {
        visit.Person = Lookup(ctx.Script, texts::MoreBudget);
        ctx.Window.PageChanged(TView::City);
        return TOutcome::Refused(visit.Person);
    }
    const int n = slider.Position;
    // The gauge fills percent by percent while the window waits.
    for (int i = 1; i <= n; ++i) {
        ctx.Window.ShowFlightEnergy(captain.Energy + i);
        ctx.Time.BlockingWait(10);
    }
    captain.Energy = static_cast<std::uint8_t>(std::min(captain.Energy + n, 100));
    captain.Budget -= slider.PendingCost;
    ctx.Window.RefreshStatus();
    visit.Person = Lookup(ctx.Script, texts::EnergyComplete);
    slider.Maximum = 100 - captain.Energy;
    MoveRefuelSlider(ctx, 0);
    slider.PercentText = "0 %";
    ctx.Window.PageChanged(TView::City);
    return TOutcome::Ok(visit.Person);
}

} // namespace veltrane
