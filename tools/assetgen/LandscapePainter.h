#pragma once

#include <QImage>

namespace veltrane::assetgen {

// The ten landscapes of each surface type: sky, far mountains, middle hills and a foreground
// plain whose lower fifth stays even, because cities, relics and power packs stand there.
class LandscapePainter {
  public:
    static constexpr int kWidth = 817;
    static constexpr int kHeight = 450;
    static QImage paint(int type, int n);
};

} // namespace veltrane::assetgen
