#pragma once

#include "Rgb.h"

#include <QPointF>

namespace veltrane::assetgen {

// What a capital looks like from its own streets: how it is built, when the captain arrives
// and what the weather does. Each city number picks one of each, so no two views share all three.
enum class CityForm { Domes, Needles, Terraces, Shells, Harbour, Canyon, Skyborne, Arcology };
enum class CityHour { Dawn, Noon, Dusk, Night };
enum class CityWeather { Clear, Haze, Rain, Snow, Dust };

struct CityViewPlan {
    CityForm form;
    CityHour hour;
    CityWeather weather;
    Rgb skyTop, skyLow; // zenith and horizon
    Rgb sunColour;      // the sun, or the moon at night
    QPointF sunAt;      // always towards the upper left, where all our light comes from
    Rgb light;          // what the sun does to lit faces
    Rgb haze;           // what distance fades into
    Rgb stone;          // the builders' material in plain white light
    Rgb window;         // lit windows
    Rgb accent;         // banners, signs and craft lights
    double lit;         // share of windows lit
    double horizon;     // y of the far ground line in view pixels
    double hazeDepth;   // how much the farthest row fades

    static CityViewPlan forCity(int n, double width, double height); // n 1–29
};

} // namespace veltrane::assetgen
