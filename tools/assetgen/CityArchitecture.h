#pragma once

#include "AssetRandom.h"
#include "Rgb.h"

#include <QPainter>
#include <QRectF>

#include <vector>

namespace veltrane::assetgen {

enum class CityBuilding { Block, Dome, Needle, Terrace, Shell, Arcology };

// How a building looks at its distance and hour: faces already faded into the haze.
struct CityTone {
    Rgb lit, shade;    // the face towards the light and the one away from it
    Rgb window, glass; // lit windows, dark panes
    double litShare;   // share of windows lit
    double scale;      // 1 near, smaller far away: window size follows it
};

// A light that is added after painting, so it glows over whatever stands around it.
struct CityGlow {
    QPointF at;
    double radius;
    Rgb colour;
    double strength;
};

// The building families of our capitals, each a shape lit from the upper left with its own
// pattern of windows.
class CityArchitecture {
  public:
    // Paints one building whose footprint is the bottom edge of `box`.
    static void paint(QPainter& p, CityBuilding kind, const QRectF& box, const CityTone& tone,
                      AssetRandom& rnd, std::vector<CityGlow>& glows);

    // Lit from the left: bright left edge, shade on the right.
    static QBrush faceBrush(const QRectF& box, const CityTone& tone);
};

} // namespace veltrane::assetgen
