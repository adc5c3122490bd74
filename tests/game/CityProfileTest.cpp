#include "game/CityProfile.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace veltrane;

namespace {

// Ten distinct products of each kind, every class entry of the given kinds,
// and a template that shows all six parts.
TContentTables Tables(int economyKind = 1, int policeLevel = 1) {
    TContentTables t;
    for (int n = 1; n <= kProductCount; ++n) {
        t.Products[n].LandProduct = "grain" + std::to_string(n);
        t.Products[n].IndustryProduct = "tools" + std::to_string(n);
    }
    for (int n = 1; n <= kClassEntries; ++n) {
        t.CityTexts[n].EconomyName = "eco" + std::to_string(n);
        t.CityTexts[n].EconomyKind = static_cast<std::uint8_t>(economyKind);
        t.CityTexts[n].PoliceName = "pol" + std::to_string(n);
        t.CityTexts[n].PoliceLevel = static_cast<std::uint8_t>(policeLevel);
    }
    for (int n = 1; n <= kCityInfoCount; ++n)
        t.CityTexts[n].CityInfo = "%s/%s/%s/%s/%s/%s";
    return t;
}

TCity NamedCity() {
    TCity c;
    c.Name = "Varo";
    c.Info = "old";
    c.EconomyKind = 9;
    c.PoliceLevel = 8;
    c.PriceFactor = 7.5;
    return c;
}

void ExpectUnchanged(const TCity& c) {
    EXPECT_EQ(c.Info, "old");
    EXPECT_EQ(c.EconomyKind, 9);
    EXPECT_EQ(c.PoliceLevel, 8);
    EXPECT_EQ(c.PriceFactor, 7.5);
}

std::vector<std::string> Parts(const std::string& info) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= info.size(); ++i)
        if (i == info.size() || info[i] == '/') {
            out.push_back(info.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

} // namespace

TEST(CityProfile, LifeformsBelowFourLeaveTheCityAlone) {
    TContentTables t = Tables();
    for (int lifeform = 0; lifeform <= 3; ++lifeform) {
        TCity c = NamedCity();
        TRandom rng(1);
        ASSERT_TRUE(GenerateCityProfile(lifeform, c, t, rng).ok());
        ExpectUnchanged(c);
        EXPECT_EQ(rng.Random(1000), TRandom(1).Random(1000)) << "no draw is made";
    }
}

TEST(CityProfile, RuralCitiesGetLandProductsIndustrialOnesIndustryProducts) {
    TContentTables t = Tables();
    for (int lifeform : {4, 5}) {
        for (std::uint64_t seed = 1; seed <= 50; ++seed) {
            TCity c = NamedCity();
            TRandom rng(seed);
            ASSERT_TRUE(GenerateCityProfile(lifeform, c, t, rng).ok());
            auto p = Parts(c.Info);
            ASSERT_EQ(p.size(), 6u) << c.Info;
            EXPECT_EQ(p[0], "Varo");
            EXPECT_EQ(p[1].rfind("eco", 0), 0u);
            EXPECT_EQ(p[5].rfind("pol", 0), 0u);
            std::set<std::string> products{p[2], p[3], p[4]};
            EXPECT_EQ(products.size(), 3u) << "three distinct products";
            for (const auto& prod : products) {
                EXPECT_EQ(prod.rfind(lifeform == 4 ? "grain" : "tools", 0), 0u) << prod;
                EXPECT_NE(prod, lifeform == 4 ? "grain10" : "tools10") << "entry 10 is never drawn";
            }
            EXPECT_NE(p[1], "eco20") << "entry 20 is never drawn";
            EXPECT_NE(p[5], "pol20");
        }
    }
}

TEST(CityProfile, MissingProductsLeaveTheCityUnchanged) {
    TContentTables t = Tables();
    t.Products[4].LandProduct = "unknown";
    int unchanged = 0;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        TCity c = NamedCity();
        TRandom rng(seed);
        ASSERT_TRUE(GenerateCityProfile(4, c, t, rng).ok());
        if (c.Info == "old") {
            ExpectUnchanged(c);
            ++unchanged;
        }
    }
    EXPECT_GT(unchanged, 0) << "an unknown product among the draws stops the profile";
    EXPECT_LT(unchanged, 100);

    TContentTables none; // no script at all: every product "unknown"
    for (int n = 1; n <= kProductCount; ++n)
        none.Products[n] = {"unknown", "unknown"};
    TCity c = NamedCity();
    TRandom rng(3);
    ASSERT_TRUE(GenerateCityProfile(5, c, none, rng).ok());
    ExpectUnchanged(c);
}

TEST(CityProfile, TooFewDistinctProductsDoNotHang) {
    TContentTables t = Tables();
    for (int n = 1; n <= kProductCount; ++n)
        t.Products[n].IndustryProduct = n % 2 ? "ore" : "steel";
    TCity c = NamedCity();
    TRandom rng(4);
    ASSERT_TRUE(GenerateCityProfile(5, c, t, rng).ok());
    ExpectUnchanged(c);
}

TEST(CityProfile, PriceFactorRangesByEconomyKind) {
    struct Range {
        int kind;
        double lo, hi;
    };
    for (Range r : {Range{0, 0.5, 1.0}, Range{1, 0.1, 2.1}, Range{2, 2.0, 3.0}}) {
        TContentTables t = Tables(r.kind);
        double seenLo = 10, seenHi = -10;
        for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
            TCity c = NamedCity();
            TRandom rng(seed);
            ASSERT_TRUE(GenerateCityProfile(5, c, t, rng).ok());
            EXPECT_EQ(c.EconomyKind, r.kind);
            EXPECT_GE(c.PriceFactor, r.lo);
            EXPECT_LT(c.PriceFactor, r.hi);
            seenLo = std::min(seenLo, c.PriceFactor);
            seenHi = std::max(seenHi, c.PriceFactor);
        }
        const double span = r.hi - r.lo;
        EXPECT_LT(seenLo, r.lo + span * 0.01) << "kind " << r.kind << " covers its whole range";
        EXPECT_GT(seenHi, r.hi - span * 0.01) << "kind " << r.kind;
    }
}

TEST(CityProfile, OtherEconomyKindsKeepThePrice) {
    TContentTables t = Tables(7);
    TCity c = NamedCity();
    TRandom rng(8);
    ASSERT_TRUE(GenerateCityProfile(4, c, t, rng).ok());
    EXPECT_EQ(c.EconomyKind, 7);
    EXPECT_EQ(c.PriceFactor, 7.5);
    EXPECT_NE(c.Info, "old");
}

TEST(CityProfile, KindsComeFromTheDrawnTableEntries) {
    TContentTables t = Tables();
    for (int n = 1; n <= kClassEntries; ++n) {
        t.CityTexts[n].EconomyKind = static_cast<std::uint8_t>(n % 3);
        t.CityTexts[n].PoliceLevel = static_cast<std::uint8_t>((n + 1) % 3);
    }
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        TCity c = NamedCity();
        TRandom rng(seed);
        ASSERT_TRUE(GenerateCityProfile(5, c, t, rng).ok());
        auto p = Parts(c.Info);
        const int e = std::stoi(p[1].substr(3));
        const int q = std::stoi(p[5].substr(3));
        EXPECT_EQ(c.EconomyKind, e % 3) << "the economy named in the text sets the kind";
        EXPECT_EQ(c.PoliceLevel, (q + 1) % 3) << "the police named in the text sets the level";
    }
}

TEST(CityProfile, TemplateThatDoesNotFitIsAnErrorAndTheCityStaysAsItWas) {
    TContentTables t = Tables();
    for (int n = 1; n <= kCityInfoCount; ++n)
        t.CityTexts[n].CityInfo = "%s has %d towers";
    TCity c = NamedCity();
    TRandom rng(2);
    Status s = GenerateCityProfile(4, c, t, rng);
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().message.find("[CityInfo] Info"), std::string::npos) << s.error().message;
    ExpectUnchanged(c);
}
