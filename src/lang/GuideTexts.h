#pragma once

// The texts of the "How to play" guide and of the first-time hints, in
// sections of their own ([Guide], [Hints]), each with its English text built in.

#include "lang/TextCatalogue.h"

#include <vector>

namespace veltrane {

namespace texts {

// The guide's frame and the controls that lead to it.
inline constexpr TTextEntry GuideTitle = DefText("Guide", "Title", "How to play");
inline constexpr TTextEntry GuideContents = DefText("Guide", "Contents", "Contents");
inline constexpr TTextEntry GuideClose = DefText("Guide", "Close", "Close");
inline constexpr TTextEntry GuideButton = DefText("Guide", "Button", "How to play (F1)");
inline constexpr TTextEntry HintsSwitch = DefText("Guide", "HintsSwitch", "Show tips for new captains");

// The chapters, each a heading and a paragraph.
inline constexpr TTextEntry GoalTitle = DefText("Guide", "GoalTitle", "The goal");
inline constexpr TTextEntry GoalText = DefText(
    "Guide", "GoalText",
    "Welcome aboard, Captain. The SERO headquarter has ordered four particular artefacts, one hidden in each "
    "of the four sectors of the galaxy. Find them and bring them to the headquarter, and the order is "
    "fulfilled. On the way you explore star systems, sell what you find and make your ship better. The Order "
    "button (O) always tells you which artefacts are wanted and where the headquarter is right now.");
inline constexpr TTextEntry MapTitle = DefText("Guide", "MapTitle", "The sector map");
inline constexpr TTextEntry MapText = DefText(
    "Guide", "MapText",
    "Each sector holds 150 star systems; the blinking marker is where your ship is. Click a star to see its "
    "name, its position and how many light years away it is, and double-click it to fly there. The four "
    "small pictures in the command panel stand for the four sectors; the bright one is the sector you are "
    "in. On the map the arrow keys move from star to star, and Enter flies to the one chosen.");
inline constexpr TTextEntry FlightTitle = DefText("Guide", "FlightTitle", "Flight and energy");
inline constexpr TTextEntry FlightText = DefText(
    "Guide", "FlightText",
    "Every flight costs energy, more the further it goes. The gauge on the right shows the energy left in "
    "your cells, the gauge on the left the room used in your hold. A flight lasts a few seconds, and on "
    "arrival the system page opens. Better energy cells make every flight cheaper. Refuel in a capital city "
    "before the energy runs out: a ship without energy is stranded. The Navigator (N) lists the systems of "
    "the sector; the best navigator sets a course for you.");
inline constexpr TTextEntry ScanTitle = DefText("Guide", "ScanTitle", "Scanning");
inline constexpr TTextEntry ScanText = DefText(
    "Guide", "ScanText",
    "On the system page (S), press Scan to learn about the planets: their surfaces, their life forms, their "
    "cities and on which planet an artefact lies. Click a planet to read about it. A scan costs nothing, so "
    "scan every system you visit; a better scanner tells you more.");
inline constexpr TTextEntry LandTitle = DefText("Guide", "LandTitle", "Landing and picking up");
inline constexpr TTextEntry LandText = DefText(
    "Guide", "LandText",
    "Double-click a scanned planet to land on it; gas giants cannot be landed on. On the surface, click an "
    "artefact to learn what it is and double-click it to take it on board. Power packs give energy or money, "
    "and the four ancient alien modules give your map special filters. Every artefact and every transport "
    "job takes one place in the hold. Double-click the landscape to take off again.");
inline constexpr TTextEntry CityTitle = DefText("Guide", "CityTitle", "Cities");
inline constexpr TTextEntry CityText = DefText(
    "Guide", "CityText",
    "Inhabited planets have cities, but only the capital has a space port: double-click it to visit. Its "
    "people ask what you wish. Sell artefacts (some cities pay far better than others), refuel your energy "
    "cells, upgrade the ship (scanner, energy cell, hold, navigator and hyperdrive), or take on passengers "
    "and freight for other systems of the sector, paid when you arrive there. Every panel has a button to go "
    "back, and the last button of the city's first panel takes you back to the surface.");
inline constexpr TTextEntry HqTitle = DefText("Guide", "HqTitle", "The headquarter");
inline constexpr TTextEntry HqText = DefText(
    "Guide", "HqText",
    "The headquarter is the SERO ship, and now and then it moves to another system. Press Order (O) to see "
    "where it is, fly to that system and open the system page: the SERO ship is shown there. Double-click "
    "it to hand over the artefacts of your order that you carry. When all four are delivered, the order is "
    "fulfilled.");
inline constexpr TTextEntry SectorTitle = DefText("Guide", "SectorTitle", "Changing sector");
inline constexpr TTextEntry SectorText = DefText(
    "Guide", "SectorText",
    "Three of the four ordered artefacts lie in other sectors. To get there you need a hyperdrive from an "
    "upgrade shop: a single hyperdrive reaches sector 2, a double one sector 3 and a triple one sector 4. "
    "On the sector map press Change sector (C) and choose the sector. The jump through hyperspace takes 70 "
    "percent of your energy or more, so refuel before you go.");
inline constexpr TTextEntry KeysTitle = DefText("Guide", "KeysTitle", "Keys");
inline constexpr TTextEntry KeyMap = DefText("Guide", "KeyMap", "Sector map");
inline constexpr TTextEntry KeySystem = DefText("Guide", "KeySystem", "System page");
inline constexpr TTextEntry KeyOrder = DefText("Guide", "KeyOrder", "Your order and the headquarter");
inline constexpr TTextEntry KeyNavigator = DefText("Guide", "KeyNavigator", "Navigator");
inline constexpr TTextEntry KeySector = DefText("Guide", "KeySector", "Change sector");
inline constexpr TTextEntry KeyOptions = DefText("Guide", "KeyOptions", "Options");
inline constexpr TTextEntry KeySaved = DefText("Guide", "KeySaved", "Saved games");
inline constexpr TTextEntry KeyGuide = DefText("Guide", "KeyGuide", "This guide");
inline constexpr TTextEntry KeyArrows =
    DefText("Guide", "KeyArrows", "On the map: from star to star, and fly to the one chosen");
inline constexpr TTextEntry TipsText = DefText(
    "Guide", "TipsText",
    "At each new step a tip for new captains appears in the info line, each one only once. You can switch "
    "the tips off on the Info page of the options (F2).");

// The first-time hints: a prefix, then one text per step.
inline constexpr TTextEntry HintPrefix = DefText("Hints", "Prefix", "Tip:");
inline constexpr TTextEntry HintMap = DefText(
    "Hints", "Map", "Click a star to see how far it is, double-click it to fly there. F1 opens the guide.");
inline constexpr TTextEntry HintFlight =
    DefText("Hints", "Flight", "Every flight uses energy; the gauge on the right shows what is left.");
inline constexpr TTextEntry HintArrival =
    DefText("Hints", "Arrival", "Press Scan to find out what the planets of this system hold.");
inline constexpr TTextEntry HintScan =
    DefText("Hints", "Scan",
            "Click a planet to read about it, double-click it to land. Gas giants cannot be landed on.");
inline constexpr TTextEntry HintLanding = DefText(
    "Hints", "Landing",
    "Double-click an artefact or a power pack to pick it up, the capital city to visit it, the landscape to "
    "take off.");
inline constexpr TTextEntry HintArtefact = DefText(
    "Hints", "Artefact",
    "The headquarter wants four particular artefacts: Order (O) names them. Sell the others in capital "
    "cities.");
inline constexpr TTextEntry HintCity = DefText(
    "Hints", "City", "Here you sell artefacts, refuel, upgrade the ship and take on passengers and freight.");
inline constexpr TTextEntry HintHeadquarter =
    DefText("Hints", "Headquarter",
            "The SERO ship is in this system: double-click it to hand over your order's artefacts.");
inline constexpr TTextEntry HintLowEnergy = DefText(
    "Hints", "LowEnergy", "Energy is running low: refuel in a capital city before the cells run dry.");
inline constexpr TTextEntry HintTransport = DefText(
    "Hints", "Transport", "Fly your passengers and freight to the systems in the Transport list to be paid.");
inline constexpr TTextEntry HintHyperdrive =
    DefText("Hints", "Hyperdrive",
            "With a hyperdrive, Change sector (C) on the sector map takes you to another sector.");

} // namespace texts

// Adds the texts above to the catalogue the lint checks scripts against.
void AddGuideTexts(std::vector<TText>& catalogue);

} // namespace veltrane
