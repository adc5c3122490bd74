#pragma once

#include <QImage>

namespace veltrane::assetgen {

// Ships and machines on the fuchsia key: the passing ships, the SERO headquarter ship, the
// four ancient alien modules and the energy pack.
class CraftPainter {
  public:
    // 64 × 32, flying to the right (they cross the sky from left to right).
    static QImage ship(int n);
    // 147 × 71.
    static QImage seroShip();
    // 48 × 24, four clearly different relics of an older race.
    static QImage module(int n);
    // 40 × 41.
    static QImage powerPack();
};

} // namespace veltrane::assetgen
