#pragma once

#include <QImage>

namespace veltrane::assetgen {

// The desktop icon: a lit ocean planet on a rounded plate of deep space, its orbit traced by a
// ship's engine glow. Every size is scaled down from one master, so they all show one picture.
class AppIconPainter {
  public:
    static constexpr int kMasterSize = 512;
    // The sizes installed into the hicolor theme.
    static constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

    // `size` × `size`, transparent outside the plate's rounded corners.
    static QImage paint(int size);
    static QImage master();
};

} // namespace veltrane::assetgen
