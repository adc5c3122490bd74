#include "Trade.h"

#include "core/Galaxy.h"
#include "game/City.h"
#include "lang/Format.h"
#include "lang/TextCatalogue.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace veltrane {

namespace {

// The trade arithmetic of the original game ran in x87 extended precision,
// where the factor 1.3 is held as a 64-bit mantissa a little below 1.3: that
// is why 90 x 1.3 gives 116, not 117, while 10 x 1.3 still gives 13. We
// compute the same results in integers, so they come out alike on every
// machine, whatever its long double.
using TWide = unsigned __int128;

// 1.3 with a 64-bit mantissa: kFactorMantissa x 2^-63.
constexpr std::uint64_t kFactorMantissa = 11990383647911208550ull;

int BitLength(TWide v) {
    int n = 0;
    while (v != 0) {
        v >>= 1;
        ++n;
    }
    return n;
}

// v x 2^-shift rounded to 64 significant bits, half to even, as the FPU rounds
// every result; answers the rounded value with the same scale.
TWide RoundToMantissa(TWide v) {
    const int excess = BitLength(v) - 64;
    if (excess <= 0)
        return v;
    const TWide unit = TWide{1} << excess;
    const TWide rest = v & (unit - 1);
    TWide kept = v >> excess;
    const TWide half = unit >> 1;
    if (rest > half || (rest == half && (kept & 1) != 0))
        ++kept;
    return kept << excess;
}

// Trunc(p x 1.3) with the factor and the product rounded as the FPU does.
std::int64_t TimesFactor(std::int64_t p) {
    const TWide product = RoundToMantissa(TWide(static_cast<std::uint64_t>(p)) * kFactorMantissa);
    return static_cast<std::int64_t>(product >> 63);
}

// Trunc(p / 1.3): the quotient p x 2^63 / mantissa rounded to 64 significant
// bits, then truncated.
std::int64_t ByFactor(std::int64_t p) {
    if (p <= 0)
        return 0;
    // Enough bits below the point that the quotient carries 64 significant bits and a rounding bit.
    constexpr int kExtra = 70;
    const TWide numerator = TWide(static_cast<std::uint64_t>(p)) << kExtra;
    const TWide quotient = numerator / kFactorMantissa;
    const bool inexact = numerator % kFactorMantissa != 0;
    // quotient x 2^(63 - kExtra) is p / 1.3; a sticky bit keeps a remainder from looking like a tie.
    const TWide rounded = RoundToMantissa((quotient << 1) | (inexact ? 1 : 0));
    return static_cast<std::int64_t>(rounded >> (1 + kExtra - 63));
}

// A price shown with two decimals ("2.50") in hundredths, whatever the
// locale's decimal mark: the label always writes a point.
std::int64_t Hundredths(std::string_view text) {
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int digits = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.' || c == ',') {
            if (point)
                break;
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (!point)
                whole = std::min<std::int64_t>(whole * 10 + (c - '0'), 1000000000);
            else if (digits < 2) {
                fraction = fraction * 10 + (c - '0');
                ++digits;
            }
        } else {
            break;
        }
    }
    for (; digits < 2; ++digits)
        fraction *= 10;
    return whole * 100 + fraction;
}

int PriceOf(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() ? value : 0;
}

bool Carried(const TGameState& world, int artefact) {
    return std::any_of(world.Cargo.begin(), world.Cargo.end(),
                       [&](const TCargoItem& item) { return item.StateIndex == artefact; });
}

} // namespace

int SellPrice(int basePrice, std::string_view info, int economyKind) {
    std::int64_t p = basePrice;
    if (info.find("$$$") != std::string_view::npos)
        p *= 3;
    else if (info.find("$$") != std::string_view::npos)
        p *= 2;
    if (economyKind == 0)
        p = ByFactor(p);
    else if (economyKind == 2)
        p = TimesFactor(p);
    return static_cast<int>(p);
}

int RefuelCost(std::string_view priceText, int percent) {
    // Round(price x percent) half to even, the price read into 64 mantissa bits
    // and the product rounded to them, as the FPU had it ("0.30" lies a little
    // above 0.3, so 95 % of it rounds up to 29).
    const std::int64_t hundredths = std::min<std::int64_t>(Hundredths(priceText), 1000000);
    if (hundredths <= 0 || percent <= 0)
        return 0;
    constexpr int kScale = 90; // bits below the point: room for 64 significant ones
    const TWide scaled = TWide(static_cast<std::uint64_t>(hundredths)) << kScale;
    TWide price = scaled / 100;
    const TWide rest = scaled % 100;
    price = RoundToMantissa((price << 1) | (rest != 0 ? 1 : 0)) >> 1;
    const TWide product = RoundToMantissa(price * TWide(static_cast<std::uint64_t>(percent)));
    TWide whole = product >> kScale;
    const TWide fraction = product & ((TWide{1} << kScale) - 1);
    const TWide half = TWide{1} << (kScale - 1);
    if (fraction > half || (fraction == half && (whole & 1) != 0))
        ++whole;
    const int cost =
        static_cast<int>(std::min<TWide>(whole, static_cast<TWide>(std::numeric_limits<int>::max())));
    return cost == 0 ? 1 : cost;
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
    std::int64_t sold = 0;
    int soldRows = 0;
    // From the last row to the first, so the row numbers still hold.
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it < 0 || *it >= static_cast<int>(visit.SellList.size()))
            continue;
        const TSellRow row = visit.SellList[static_cast<std::size_t>(*it)];
        // Only what the hold still carries can be sold.
        if (!Carried(world, row.Artefact))
            continue;
        sold += PriceOf(row.Price);
        ++soldRows;
        world.Captain.AddBudget(PriceOf(row.Price));
        std::erase_if(world.Cargo, [&](const TCargoItem& item) { return item.StateIndex == row.Artefact; });
        // The artefact turns up again somewhere in this sector; the planet of the city keeps what lies on it.
        if (OneBased<TArtefact, kArtefactCount>::InRange(row.Artefact))
            if (Status placed = PlaceArtefact(world, ctx.Rng, row.Artefact, world.CurrentSector, false);
                !placed)
                world.Artefacts[row.Artefact].Sector = 0; // nowhere left to hide it: it stays sold
        visit.SellList.erase(visit.SellList.begin() + *it);
    }
    // The label keeps the sum just sold until the next selection.
    visit.TotalProfit = std::to_string(sold) + " G$";
    if (soldRows == 0) {
        visit.Person = Lookup(ctx.Script, texts::NoSelection);
        ctx.Window.PageChanged(TView::City);
        return Explain(ctx, visit.Person);
    }
    visit.Person = Lookup(ctx.Script, texts::Treasures);
    RefreshStatus(ctx);
    visit.SellEnabled = !world.Cargo.empty();
    ctx.Window.PageChanged(TView::City);
    return TOutcome::Ok(visit.Person);
}

TOutcome OpenRefuelPanel(TContext& ctx) {
    ctx.Sound.PlayButtonSound();
    ctx.Session.Visit.Person = Lookup(ctx.Script, texts::TakeFuel);
    TRefuelSlider& slider = ctx.Session.Refuel;
    slider.Maximum = 100 - std::clamp<int>(ctx.World().Captain.Energy, 0, 100);
    // A slider pulled down to a fuller cell shows, and costs, what it now stands at.
    if (slider.Position > slider.Maximum)
        MoveRefuelSlider(ctx, slider.Maximum);
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
    // Nothing to fill costs nothing, whatever an earlier position cost.
    if (slider.Position == 0)
        slider.PendingCost = 0;
    if (captain.Budget < slider.PendingCost) {
        visit.Person = Lookup(ctx.Script, texts::MoreBudget);
        ctx.Window.PageChanged(TView::City);
        return Explain(ctx, visit.Person);
    }
    const int n = slider.Position;
    // Filling nothing still completes, as it always has; the info line says why nothing flowed.
    if (n == 0)
        ctx.Window.ShowInfoLine(
            Lookup(ctx.Script, captain.Energy >= 100 ? texts::EnergyFull : texts::SliderAtZero), kWhite);
    // The gauge fills percent by percent while the window waits.
    for (int i = 1; i <= n; ++i) {
        ctx.Window.ShowFlightEnergy(captain.Energy + i);
        ctx.Time.BlockingWait(10);
    }
    captain.Energy = static_cast<std::uint8_t>(std::min(captain.Energy + n, 100));
    captain.AddBudget(-std::int64_t{slider.PendingCost});
    RefreshStatus(ctx);
    visit.Person = Lookup(ctx.Script, texts::EnergyComplete);
    slider.Maximum = 100 - captain.Energy;
    MoveRefuelSlider(ctx, 0);
    slider.PercentText = "0 %";
    ctx.Window.PageChanged(TView::City);
    return TOutcome::Ok(visit.Person);
}

} // namespace veltrane
