#pragma once

#include "Noise.h"
#include "Rgb.h"

#include <QImage>

namespace veltrane::assetgen {

// The 24 planet pictures: three per surface type, in surface order (1 Barren … 8 Tundra).
class PlanetPainter {
  public:
    static constexpr int kSize = 100;
    static int surfaceOf(int n) { return (n - 1) / 3 + 1; }
    static QImage paint(int n);

    // The surface colour of a type at a point of the unit sphere; shared with moons in
    // landscapes. `variant` shifts the pattern within the type.
    static Rgb surface(int type, double x, double y, double z, const Noise& noise, int variant);
};

} // namespace veltrane::assetgen
