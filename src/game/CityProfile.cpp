#include "game/CityProfile.h"

#include "lang/Format.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {
namespace {

constexpr std::string_view kUnknown = "unknown";

// Rural planets (4) sell land products; industrial ones, and anything more
// advanced, industry products.
const std::string& ProductOf(const TContentTables& tables, int k, int lifeform) {
    const TProductList& p = tables.Products[k];
    return lifeform == 4 ? p.LandProduct : p.IndustryProduct;
}

} // namespace

Status GenerateCityProfile(int lifeform, TCity& city, const TContentTables& tables, TRandom& rng) {
    if (lifeform < 4)
        return Status::Ok();

    // Draws come from entries 1-9. Without an "unknown" among them and with
    // fewer than three different products the draw could never end: treat
    // that script like one that lacks its products.
    std::set<std::string> pool;
    bool anyUnknown = false;
    for (int k = 1; k < kProductCount; ++k) {
        const std::string& p = ProductOf(tables, k, lifeform);
        anyUnknown = anyUnknown || p == kUnknown;
        pool.insert(p);
    }
    if (!anyUnknown && pool.size() < 3)
        return Status::Ok();

    std::vector<std::string> products;
    std::string p;
    do {
        p = ProductOf(tables, 1 + rng.Random(kProductCount - 1), lifeform);
        if (std::find(products.begin(), products.end(), p) == products.end())
            products.push_back(p);
    } while (p != kUnknown && products.size() < 3);
    if (p == kUnknown)
        return Status::Ok();

    const int e = 1 + rng.Random(kClassEntries - 1);
    const int q = 1 + rng.Random(kClassEntries - 1);
    const int t = 1 + rng.Random(kCityInfoCount - 1);
    const TCityInfo& economy = tables.CityTexts[e];
    const TCityInfo& police = tables.CityTexts[q];

    auto info = Format(tables.CityTexts[t].CityInfo, {city.Name, economy.EconomyName, products[0],
                                                      products[1], products[2], police.PoliceName});
    if (!info)
        return Error{"[CityInfo] Info" + std::to_string(t) + ": " + info.error().message};

    city.Info = std::move(*info);
    city.EconomyKind = economy.EconomyKind;
    city.PoliceLevel = police.PoliceLevel;
    const double x = rng.RandomReal();
    switch (city.EconomyKind) {
    case 0:
        city.PriceFactor = (x + 1) / 2;
        break;
    case 1:
        city.PriceFactor = 2 * x + 0.1;
        break;
    case 2:
        city.PriceFactor = x + 2;
        break;
    default:
        break; // other classes have no price of their own
    }
    return Status::Ok();
}

} // namespace veltrane
