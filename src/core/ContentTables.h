#pragma once

// Game content read from the language script: products, economy and police
// classes, city and alien description parts, the alien races, event texts,
// upgrade-tree captions and the message-dialog captions. Artefact names and
// descriptions live in the artefact table of the game state.

#include "OneBased.h"

#include <cstdint>
#include <string>
#include <vector>

namespace veltrane {

inline constexpr int kProductCount = 10;
inline constexpr int kClassEntries = 20;
inline constexpr int kCityInfoCount = 30;
inline constexpr int kAlienTextCount = 30;
inline constexpr int kEventTextCount = 20;
inline constexpr int kUpgradeTreeNodes = 20;

struct TProductList {
    std::string LandProduct;
    std::string IndustryProduct;
};

struct TCityInfo {
    std::string EconomyName;
    std::uint8_t EconomyKind = 0;
    std::string PoliceName;
    std::uint8_t PoliceLevel = 0;
    std::string CityInfo;
};

struct TPropertyList {
    std::string InfoTemplate;
    std::string Subject;
    std::string Speciality;
};

struct TAlienInfo {
    std::string Name;
    std::string Info;
};

// Titles and button texts of the translated message dialogs, and the two
// colours of their gradient background (0x00BBGGRR).
struct TDlgCaptions {
    std::uint32_t StartColor = 0x00FFFF;
    std::uint32_t EndColor = 0x0000FF;
    std::string OK;
    std::string Yes;
    std::string No;
    std::string Information;
    std::string Confirmation;
    std::string Warning;
    std::string Input;
};

struct TContentTables {
    OneBased<TProductList, kProductCount> Products;
    OneBased<TCityInfo, kCityInfoCount> CityTexts;
    OneBased<TPropertyList, kAlienTextCount> AlienTexts;
    OneBased<TAlienInfo, kAlienTextCount> AlienRaces;
    std::vector<std::string> EventTexts;
    std::vector<std::string> UpgradeTreeCaptions;
    TDlgCaptions DlgCaptions;
};

} // namespace veltrane
