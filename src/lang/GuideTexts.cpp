#include "GuideTexts.h"

namespace veltrane {

void AddGuideTexts(std::vector<TText>& v) {
#define VELTRANE_TEXT(name) v.push_back(TText::From(#name, texts::name))
    VELTRANE_TEXT(GuideTitle);
    VELTRANE_TEXT(GuideContents);
    VELTRANE_TEXT(GuideClose);
    VELTRANE_TEXT(GuideButton);
    VELTRANE_TEXT(HintsSwitch);
    VELTRANE_TEXT(GoalTitle);
    VELTRANE_TEXT(GoalText);
    VELTRANE_TEXT(MapTitle);
    VELTRANE_TEXT(MapText);
    VELTRANE_TEXT(FlightTitle);
    VELTRANE_TEXT(FlightText);
    VELTRANE_TEXT(ScanTitle);
    VELTRANE_TEXT(ScanText);
    VELTRANE_TEXT(LandTitle);
    VELTRANE_TEXT(LandText);
    VELTRANE_TEXT(CityTitle);
    VELTRANE_TEXT(CityText);
    VELTRANE_TEXT(HqTitle);
    VELTRANE_TEXT(HqText);
    VELTRANE_TEXT(SectorTitle);
    VELTRANE_TEXT(SectorText);
    VELTRANE_TEXT(KeysTitle);
    VELTRANE_TEXT(KeyMap);
    VELTRANE_TEXT(KeySystem);
    VELTRANE_TEXT(KeyOrder);
    VELTRANE_TEXT(KeyNavigator);
    VELTRANE_TEXT(KeySector);
    VELTRANE_TEXT(KeyOptions);
    VELTRANE_TEXT(KeySaved);
    VELTRANE_TEXT(KeyGuide);
    VELTRANE_TEXT(KeyArrows);
    VELTRANE_TEXT(TipsText);
    VELTRANE_TEXT(HintPrefix);
    VELTRANE_TEXT(HintMap);
    VELTRANE_TEXT(HintFlight);
    VELTRANE_TEXT(HintArrival);
    VELTRANE_TEXT(HintScan);
    VELTRANE_TEXT(HintLanding);
    VELTRANE_TEXT(HintArtefact);
    VELTRANE_TEXT(HintCity);
    VELTRANE_TEXT(HintHeadquarter);
    VELTRANE_TEXT(HintLowEnergy);
    VELTRANE_TEXT(HintTransport);
    VELTRANE_TEXT(HintHyperdrive);
#undef VELTRANE_TEXT
}

} // namespace veltrane
